#pragma once

#include <optional>
#include <string>
#include <string_view>

// A second, independent way to read and show numbers, against which the program's own
// conversions are checked: it shares no code with them and takes another road to each answer.
namespace lorvane::fuzz {

// The exact decimal value of a finite double: every digit of its binary value, worked out with
// whole-number arithmetic on long digit strings.
struct ExactDecimal {
    bool negative = false;
    std::string integer;   // at least one digit, no leading zeros beyond one
    std::string fraction;  // every digit after the point, no trailing zeros
};
ExactDecimal ExpandExactly(double value);

// What "%[-][width].[precision]lf" shows of a finite value when halves are rounded away from
// zero on the exact binary value.
std::string ReferenceFixed(double value, int width, int precision, bool leftAlign);

// What a scanf-style "%lf" reads from the first 99 characters of a text, without the locale: the
// longest leading decimal number (blanks, sign, digits with a point, an exponent) converted by
// the C library; no value when there is none or when it is not finite. A value too small for a
// double reads as the C library rounds it (0 or a subnormal). A comma may stand for the point;
// a number whose digits are parted by a comma and any other separator (a point or a second
// comma, each followed by a digit) is no clear number and reads as none.
std::optional<double> ReferenceRead(std::string_view text);

}  // namespace lorvane::fuzz
