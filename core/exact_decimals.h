#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lorvane {

// A decimal of at most 15 digits, taken as a whole number m, is a double exactly, and so is every
// power of ten up to 10^15: a decimal of k decimals is then m / 10^k, one correctly rounded
// division, which is the double nearest the decimal.
inline constexpr std::size_t kExactDecimalDigits = 15;
inline constexpr std::array<double, kExactDecimalDigits + 1> kExactPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// Reads a short plain decimal, digits with at most one point ("250", "0.5", "12.75"), into
// `value`; false for any other text. With few enough digits to be exact, their one correctly
// rounded quotient is exactly what from_chars reads. Inline, for the readers of many short
// numbers, and with the value apart from the flag: an optional double made in one place and
// read in another goes through memory.
inline bool ReadShortDecimal(std::string_view text, double& value) {
    std::int64_t digits = 0;
    std::size_t digitCount = 0;
    std::size_t point = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c >= '0' && c <= '9') {
            if (++digitCount > kExactDecimalDigits) {
                return false;
            }
            digits = digits * 10 + (c - '0');
        } else if (c == '.' && point == std::string_view::npos) {
            point = pos;
        } else {
            return false;
        }
    }
    if (digitCount == 0) {
        return false;
    }
    const std::size_t decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
    value = static_cast<double>(digits) / kExactPowersOfTen[decimals];
    return true;
}

}  // namespace lorvane
