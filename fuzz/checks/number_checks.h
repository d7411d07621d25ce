#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "fuzz/checks/findings.h"

namespace lorvane::fuzz {

// Reading a text: the program reads what the reference reads, bit for bit: a "%lf" conversion
// that also takes a decimal comma and refuses a number whose comma may part thousands.
Findings CheckReading(std::string_view text);

// Showing a value: the program's text in "%[-][width].[precision]lf" is the reference's; for a
// value that is not an exact tie it is also glibc's printf's. A value that is not finite only
// has to come back without a crash.
Findings CheckShowing(double value, int width, int precision, bool leftAlign);

// The round trip: the shortest text of a finite value reads back to the same value, and so
// does the value shown with enough decimals for 17 significant digits, where it fits the 99
// characters that are read.
Findings CheckRoundTrip(double value);

// One fuzzer input: the first byte picks the check, the rest is its text or its value and format.
Findings CheckNumberInput(std::span<const std::uint8_t> bytes);

}  // namespace lorvane::fuzz
