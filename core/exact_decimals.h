#pragma once

#include <array>
#include <cstddef>

namespace lorvane {

// A decimal of at most 15 digits, taken as a whole number m, is a double exactly, and so is every
// power of ten up to 10^15: a decimal of k decimals is then m / 10^k, one correctly rounded
// division, which is the double nearest the decimal.
inline constexpr std::size_t kExactDecimalDigits = 15;
inline constexpr std::array<double, kExactDecimalDigits + 1> kExactPowersOfTen{
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

}  // namespace lorvane
