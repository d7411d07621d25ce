#include "fuzz/checks/number_checks.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "core/number_text.h"
#include "fuzz/checks/byte_reader.h"
#include "fuzz/checks/decimal_reference.h"
#include "fuzz/checks/findings.h"

namespace lorvane::fuzz {
namespace {

constexpr int kMaximumWidth = 1000;
constexpr int kMaximumPrecision = 1000;

std::string Shortest(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string Describe(double value) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::hex);
    return Shortest(value) + " (0x" + std::string(buffer.data(), result.ptr) + ")";
}

std::string Describe(const std::optional<double>& value) {
    return value ? Describe(*value) : "no number";
}

std::string Format(int width, int precision, bool leftAlign) {
    return std::string("%") + (leftAlign ? "-" : "") + (width > 0 ? std::to_string(width) : "") +
           "." + std::to_string(precision) + "lf";
}

// glibc's printf, which rounds an exact tie to even and every other value as we do.
std::string Printf(double value, int width, int precision, bool leftAlign) {
    const std::string format = std::string("%") + (leftAlign ? "-" : "") + "*.*f";
    const int size = std::snprintf(nullptr, 0, format.c_str(), width, precision, value);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), width, precision, value);
    text.pop_back();
    return text;
}

// Whether the value lies exactly halfway between two texts of that precision.
bool IsTie(double value, int precision) {
    const std::string fraction = ExpandExactly(value).fraction;
    return fraction.size() == static_cast<std::size_t>(precision) + 1 && fraction.back() == '5';
}

}  // namespace

Findings CheckReading(std::string_view text) {
    const std::optional<double> read = ReadNumber(text);
    const std::optional<double> expected = ReferenceRead(text);
    if (read.has_value() == expected.has_value() && (!read || SameBits(*read, *expected))) {
        return {};
    }
    return {"ReadNumber(" + Quoted(text) + ") gives " + Describe(read) +
            ", the reference reading gives " + Describe(expected)};
}

Findings CheckShowing(double value, int width, int precision, bool leftAlign) {
    const std::string format = Format(width, precision, leftAlign);
    const std::string shown = FormatNumber(format, value);
    if (!std::isfinite(value)) {
        return {};
    }
    Findings findings;
    const std::string expected = ReferenceFixed(value, width, precision, leftAlign);
    if (shown != expected) {
        findings.push_back(format + " of " + Describe(value) + " gives " + Quoted(shown) +
                           ", the exact value rounded half away from zero is " + Quoted(expected));
    }
    if (!IsTie(value, precision) && Printf(value, width, precision, leftAlign) != expected) {
        findings.push_back("the reference and printf disagree on " + format + " of " +
                           Describe(value));
    }
    return findings;
}

Findings CheckRoundTrip(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    Findings findings;
    const std::string shortest = Shortest(value);
    const std::optional<double> back = ReadNumber(shortest);
    if (!back || !SameBits(*back, value)) {
        findings.push_back("the shortest text " + Quoted(shortest) + " of " + Describe(value) +
                           " reads back as " + Describe(back));
    }
    std::array<char, 400> buffer{};
    const auto fixed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::fixed);
    const std::string_view fixedText(buffer.data(), fixed.ptr);
    const std::size_t point = fixedText.find('.');
    // Seventeen significant digits, correctly rounded, always read back to the same double;
    // the shortest text's own count need not: 2^-140 is 7.174648137343064e-43 at its shortest,
    // but correctly rounded to those 16 digits it is ...063, the double below.
    const std::size_t firstDigit = fixedText.find_first_not_of("-0.");
    const int significant = firstDigit == std::string_view::npos
                                ? 1
                                : static_cast<int>(std::count_if(
                                      fixedText.begin() + static_cast<std::ptrdiff_t>(firstDigit),
                                      fixedText.end(), [](char c) { return c != '.'; }));
    const int decimals =
        (point == std::string_view::npos ? 0 : static_cast<int>(fixedText.size() - point - 1)) +
        std::max(0, 17 - significant);
    const std::string shown = FormatNumber("%." + std::to_string(decimals) + "lf", value);
    if (shown.size() <= 99) {
        const std::optional<double> shownBack = ReadNumber(shown);
        if (!shownBack || !SameBits(*shownBack, value)) {
            findings.push_back(Quoted(shown) + ", " + Describe(value) + " with " +
                               std::to_string(decimals) + " decimals, reads back as " +
                               Describe(shownBack));
        }
    }
    return findings;
}

Findings CheckNumberInput(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    switch (reader.Below(3)) {
        case 0:
            return CheckReading(reader.Rest());
        case 1: {
            const std::uint8_t shape = reader.Byte();
            const bool leftAlign = (shape & 1) != 0;
            // Mostly the small widths and precisions of the forms, now and then the largest.
            const bool large = (shape & 2) != 0;
            const int width = large ? reader.Byte() * 4 % (kMaximumWidth + 1) : reader.Byte() % 16;
            const int precision =
                large ? reader.Byte() * 4 % (kMaximumPrecision + 1) : reader.Byte() % 21;
            return CheckShowing(reader.Double(), width, precision, leftAlign);
        }
        default:
            return CheckRoundTrip(reader.Double());
    }
}

}  // namespace lorvane::fuzz
