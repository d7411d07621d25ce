#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <system_error>

#include "core/exact_decimals.h"
#include "core/words.h"

namespace lorvane {
namespace {

constexpr std::size_t kReadLimit = 99;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number that no double can hold is too small rather than too large. At most 99
// characters are read, so the digits alone lie between 1e-98 and 1e99: only an exponent takes
// the value out of range, and its sign says which way.
bool IsBelowEveryDouble(std::string_view number) {
    const std::size_t exponent = number.find_first_of("eE");
    return exponent != std::string_view::npos && exponent + 1 < number.size() &&
           number[exponent + 1] == '-';
}

// The one rule for a decimal comma, which both readers follow. `number` is the text of a number
// from its first digit or separator on, after any sign. The decimal separator is the point or
// the comma that follows the whole digits ("812,5", ",5", "5,"); a comma there reads as the
// point. The number's digits, with the points and commas between them or before a digit, are
// no clear number when they hold a comma beside a point or a second comma: "1,234.5", "1.234,5"
// and "1,2,3" may each hold a thousands separator. A separator followed by no digit ends the
// number ("2.5, 3" is 2.5). Returns the number as from_chars reads it, kept in `storage` when
// it changed, or nothing when it is not clear.
std::optional<std::string_view> WithDecimalPoint(std::string_view number, std::string& storage) {
    std::size_t separators = 0;
    bool hasComma = false;
    for (std::size_t pos = 0; pos < number.size(); ++pos) {
        const char c = number[pos];
        if (IsDigit(c)) {
            continue;
        }
        if ((c != '.' && c != ',') || pos + 1 == number.size() || !IsDigit(number[pos + 1])) {
            break;
        }
        ++separators;
        hasComma |= c == ',';
    }
    if (hasComma && separators > 1) {
        return std::nullopt;
    }
    const std::size_t whole = std::min(number.find_first_not_of("0123456789"), number.size());
    if (whole == number.size() || number[whole] != ',') {
        return number;
    }
    storage.assign(number);
    storage[whole] = '.';
    return std::string_view(storage);
}

struct Conversion {
    bool leftAlign = false;
    int width = 0;
    int precision = 6;
};

int ReadCount(std::string_view text, std::size_t& pos) {
    int count = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        count = count * 10 + (text[pos] - '0');
        if (count > 1000) {
            throw std::invalid_argument("number format width or precision too large");
        }
        ++pos;
    }
    return count;
}

Conversion ParseConversion(std::string_view format) {
    Conversion conversion;
    std::size_t pos = 0;
    if (format.empty() || format[pos++] != '%') {
        throw std::invalid_argument("number format must start with %");
    }
    if (pos < format.size() && format[pos] == '-') {
        conversion.leftAlign = true;
        ++pos;
    }
    conversion.width = ReadCount(format, pos);
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        conversion.precision = ReadCount(format, pos);
    }
    if (pos < format.size() && format[pos] == 'l') {
        ++pos;
    }
    if (pos + 1 != format.size() || format[pos] != 'f') {
        throw std::invalid_argument("unsupported number format: " + std::string(format));
    }
    return conversion;
}

// Adds one unit in the last place to a string of decimal digits and a point, carrying leftwards.
void RoundUpMagnitude(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '.') {
            continue;
        }
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string FixedHalfAwayFromZero(double value, int precision) {
    if (!std::isfinite(value)) {
        return std::isnan(value) ? (std::signbit(value) ? "-nan" : "nan")
                                 : (value < 0 ? "-inf" : "inf");
    }
    int exponent = 0;
    std::frexp(value, &exponent);
    // A double is m * 2^(exponent - 53) with a 53-bit integer m: its exact decimal expansion
    // has at most 53 - exponent digits after the point.
    const int exactDigits = std::max(0, 53 - exponent);
    std::array<char, 1600> buffer{};
    const int digitsWritten = std::max(precision, exactDigits);
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, digitsWritten);
    if (ec != std::errc{}) {
        throw std::logic_error("number too long to format");
    }
    std::string text(buffer.data(), end);
    if (digitsWritten == precision) {
        return text;
    }
    const bool negative = text.front() == '-';
    std::string magnitude = negative ? text.substr(1) : text;
    const std::size_t point = magnitude.find('.');
    const char firstDropped = magnitude[point + 1 + precision];
    magnitude.resize(precision == 0 ? point : point + 1 + precision);
    if (firstDropped >= '5') {
        RoundUpMagnitude(magnitude);
    }
    return negative ? "-" + magnitude : magnitude;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kReadLimit));
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string storage;
    const std::optional<std::string_view> number = WithDecimalPoint(text.substr(pos), storage);
    if (!number) {
        return std::nullopt;
    }
    const std::string_view digits = *number;
    const bool startsWithDigits =
        !digits.empty() &&
        (IsDigit(digits[0]) || (digits[0] == '.' && digits.size() > 1 && IsDigit(digits[1])));
    if (!startsWithDigits) {
        return std::nullopt;
    }
    double value = 0.0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                     std::chars_format::general);
    if (ec == std::errc::result_out_of_range && IsBelowEveryDouble({digits.data(), end})) {
        value = 0.0;  // as "%lf" reads a value too small for a double ("1e-400")
        ec = std::errc{};
    }
    if (ec != std::errc{} || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

std::optional<double> ReadLongPlainNumber(std::string_view text) {
    const bool hasSign = !text.empty() && (text.front() == '+' || text.front() == '-');
    const bool negative = hasSign && text.front() == '-';
    const std::string_view signless = text.substr(hasSign ? 1 : 0);
    if (signless.find_first_not_of("0123456789.,") != std::string_view::npos) {
        return std::nullopt;
    }
    std::string storage;
    const std::optional<std::string_view> number = WithDecimalPoint(signless, storage);
    if (!number) {
        return std::nullopt;
    }
    const std::string_view magnitude = *number;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(),
                                           value, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range) {
        // Without an exponent, only a whole part with a digit other than 0 is too large.
        const std::string_view whole = magnitude.substr(0, magnitude.find('.'));
        if (whole.find_first_not_of('0') != std::string_view::npos) {
            return std::nullopt;
        }
        value = 0.0;  // too small for a double, as ReadNumber reads it
    } else if (ec != std::errc{} || end != magnitude.data() + magnitude.size()) {
        return std::nullopt;  // also a second point ("1.2.3"), which from_chars stops at
    }
    return negative ? -value : value;
}

std::string FormatNumber(std::string_view format, double value) {
    const Conversion conversion = ParseConversion(format);
    std::string text = FixedHalfAwayFromZero(value, conversion.precision);
    if (static_cast<int>(text.size()) < conversion.width) {
        const std::string padding(conversion.width - text.size(), ' ');
        text = conversion.leftAlign ? text + padding : padding + text;
    }
    return text;
}

std::string WholeNumber(double value) {
    // A whole number within the exact integers of a double reads as it is written ("-0" for a
    // negative zero, as printf writes it); only a fraction needs rounding.
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (value == std::trunc(value) && std::fabs(value) < kExactIntegers) {
        char text[24];
        const auto written = std::to_chars(text, text + sizeof text, static_cast<long long>(value));
        const std::string whole(text, written.ptr);
        return value == 0 && std::signbit(value) ? "-" + whole : whole;
    }
    return FormatNumber("%.0lf", value);
}

double RoundWhole(double value) {
    return std::round(value);
}

}  // namespace lorvane
