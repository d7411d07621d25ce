#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/exact_decimals.h"

namespace lorvane {

// Reads a number the way C's "%lf" conversion does, independent of the process locale: leading
// white space, an optional sign, digits with an optional decimal point and an optional exponent;
// whatever follows is ignored ("250 Pa" is 250, "2.5, 3" is 2.5). The decimal separator may also
// be a comma, as a spreadsheet set to a decimal comma writes it ("812,5" is 812.5, "1,5e3" is
// 1500); a number whose digits hold a comma beside a point or a second comma ("1,234.5",
// "1.234,5", "1,2,3") is no clear number, and no number. Only the first 99 characters are read.
// No value when the text holds no number or a value that is not finite ("inf", "1e999"); a value
// too small for a double reads as 0 ("1e-400"), as in "%lf".
std::optional<double> ReadNumber(std::string_view text);

// ReadPlainNumber of any text, the short decimals too.
std::optional<double> ReadLongPlainNumber(std::string_view text);

// Reads a text that is one plain number and nothing else, independent of the process locale: an
// optional sign, then digits with at most one decimal point or decimal comma ("812.5" and
// "812,5" are both 812.5, ".5" and ",5" are 0.5), the comma taken as ReadNumber takes it.
// Anything else in the text makes it no number: blanks, an exponent, a second separator
// ("1,234.5", "1.2.3"), a unit ("12a"), "inf" or "nan"; so does an empty text or a value too
// large for a double. A value too small for a double reads as 0, keeping its sign, as in
// ReadNumber. Inline for its short decimals, of which a room's path is full: handing an optional
// number back from a call costs more than reading "250".
inline std::optional<double> ReadPlainNumber(std::string_view text) {
    const bool hasSign = !text.empty() && (text.front() == '+' || text.front() == '-');
    if (double value = 0; ReadShortDecimal(text.substr(hasSign ? 1 : 0), value)) {
        return hasSign && text.front() == '-' ? -value : value;
    }
    return ReadLongPlainNumber(text);
}

// ReadPlainNumber's value, or NaN for a text that is no plain number (none reads as NaN): for
// readers of many numbers, as a double stays in a register where GCC takes an optional one
// through memory.
inline double PlainNumberOrNaN(std::string_view text) {
    return ReadPlainNumber(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

// Formats a value with a printf-style conversion "%[-][width][.precision][l]f", independent of
// the process locale. Unlike glibc's printf, a value exactly halfway between two results is
// rounded away from zero (7.5 with "%.0lf" is "8"); the decision is made on the exact binary
// value, so 2.675 (stored just below) with "%.2lf" is "2.67". A negative value keeps its sign
// when it rounds to zero ("%4.0lf" of -0.3 is "  -0"). Throws std::invalid_argument on a format
// it does not understand: formats are part of the program, not of its input.
std::string FormatNumber(std::string_view format, double value);

// The value as "%.0lf" shows it: the text a form pre-fills its inputs with.
std::string WholeNumber(double value);

// Rounds to a whole number as "%.0lf" does: halves away from zero.
double RoundWhole(double value);

}  // namespace lorvane
