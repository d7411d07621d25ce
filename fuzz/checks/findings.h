#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lorvane::fuzz {

// What a check found wrong, one sentence each; empty when all is well.
using Findings = std::vector<std::string>;

// Prints the findings to standard error and stops the process, so the fuzzer keeps the input.
void StopOnFindings(const Findings& findings);

// The text in double quotes, every byte outside printable ASCII (and the quote and backslash)
// written as \xhh, so that a finding shows exactly which bytes it was about.
std::string Quoted(std::string_view text);

// Whether two doubles are the same value to the bit (0 and -0 differ, a NaN equals itself).
bool SameBits(double a, double b);

}  // namespace lorvane::fuzz
