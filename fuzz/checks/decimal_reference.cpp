#include "fuzz/checks/decimal_reference.h"

#include <locale.h>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace lorvane::fuzz {
namespace {

constexpr std::uint64_t kLimbBase = 1000000000;  // nine decimal digits per limb
constexpr std::uint64_t kFivePower13 = 1220703125;
constexpr std::uint64_t kTwoPower29 = 536870912;

// A whole number as limbs of nine decimal digits, lowest first.
using Limbs = std::vector<std::uint64_t>;

void MultiplyBy(Limbs& limbs, std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : limbs) {
        const std::uint64_t product = limb * factor + carry;
        limb = product % kLimbBase;
        carry = product / kLimbBase;
    }
    while (carry != 0) {
        limbs.push_back(carry % kLimbBase);
        carry /= kLimbBase;
    }
}

void MultiplyByPower(Limbs& limbs, std::uint64_t base, int exponent) {
    const std::uint64_t chunk = base == 5 ? kFivePower13 : kTwoPower29;
    const int chunkExponent = base == 5 ? 13 : 29;
    for (; exponent >= chunkExponent; exponent -= chunkExponent) {
        MultiplyBy(limbs, chunk);
    }
    std::uint64_t rest = 1;
    for (int i = 0; i < exponent; ++i) {
        rest *= base;
    }
    MultiplyBy(limbs, rest);
}

std::string DigitsOf(const Limbs& limbs) {
    std::string digits;
    for (auto it = limbs.rbegin(); it != limbs.rend(); ++it) {
        std::string limb = std::to_string(*it);
        if (!digits.empty()) {
            limb.insert(0, 9 - limb.size(), '0');
        }
        digits += limb;
    }
    return digits.empty() ? "0" : digits;
}

// Adds one to a string of decimal digits.
std::string Increment(std::string digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return digits;
        }
        *it = '0';
    }
    return "1" + digits;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsCBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The separators that stand between the number's digits or before its first one, in order: the
// digits go on across a point or a comma only where a digit follows it.
std::string SeparatorsAmongDigits(std::string_view text) {
    std::string separators;
    std::size_t pos = 0;
    while (true) {
        while (pos < text.size() && IsDigit(text[pos])) {
            ++pos;
        }
        const bool goesOn = pos + 1 < text.size() && (text[pos] == '.' || text[pos] == ',') &&
                            IsDigit(text[pos + 1]);
        if (!goesOn) {
            return separators;
        }
        separators += text[pos++];
    }
}

}  // namespace

ExactDecimal ExpandExactly(double value) {
    ExactDecimal exact;
    exact.negative = std::signbit(value);
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);
    // |value| = mantissa * 2^(exponent - 53) with a whole mantissa below 2^53.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int binaryExponent = exponent - 53;
    Limbs limbs{mantissa % kLimbBase, mantissa / kLimbBase};
    if (binaryExponent >= 0) {
        MultiplyByPower(limbs, 2, binaryExponent);
        exact.integer = DigitsOf(limbs);
    } else {
        // mantissa / 2^k = mantissa * 5^k / 10^k
        const int k = -binaryExponent;
        MultiplyByPower(limbs, 5, k);
        std::string digits = DigitsOf(limbs);
        if (digits.size() <= static_cast<std::size_t>(k)) {
            digits.insert(0, k + 1 - digits.size(), '0');
        }
        exact.integer = digits.substr(0, digits.size() - k);
        exact.fraction = digits.substr(digits.size() - k);
    }
    const std::size_t firstNonZero = exact.integer.find_first_not_of('0');
    exact.integer = firstNonZero == std::string::npos ? "0" : exact.integer.substr(firstNonZero);
    const std::size_t lastNonZero = exact.fraction.find_last_not_of('0');
    exact.fraction.resize(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
    return exact;
}

std::string ReferenceFixed(double value, int width, int precision, bool leftAlign) {
    const ExactDecimal exact = ExpandExactly(value);
    std::string fraction = exact.fraction;
    fraction.resize(static_cast<std::size_t>(precision) + 1, '0');
    // The first digit dropped decides: from 5 up, the kept digits grow by one in the last place
    // (a tie is a 5 with nothing after it, and goes away from zero too).
    const bool roundUp = fraction.back() >= '5';
    fraction.pop_back();
    std::string kept = exact.integer + fraction;
    if (roundUp) {
        kept = Increment(kept);
    }
    const std::size_t integerDigits = kept.size() - static_cast<std::size_t>(precision);
    std::string text = exact.negative ? "-" : "";
    text += kept.substr(0, integerDigits);
    if (precision > 0) {
        text += "." + kept.substr(integerDigits);
    }
    if (static_cast<int>(text.size()) < width) {
        const std::string padding(static_cast<std::size_t>(width) - text.size(), ' ');
        text = leftAlign ? text + padding : padding + text;
    }
    return text;
}

std::optional<double> ReferenceRead(std::string_view text) {
    if (text.size() > 99) {
        text = text.substr(0, 99);
    }
    std::size_t pos = 0;
    while (pos < text.size() && IsCBlank(text[pos])) {
        ++pos;
    }
    std::string number;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        number += text[pos++];
    }
    // A comma among several separators may part thousands: it is no clear number.
    const std::string separators = SeparatorsAmongDigits(text.substr(pos));
    if (separators.size() > 1 && separators.find(',') != std::string::npos) {
        return std::nullopt;
    }
    std::size_t digits = 0;
    for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
        number += text[pos];
    }
    if (pos < text.size() && (text[pos] == '.' || text[pos] == ',')) {
        number += '.';  // strtod in the C locale knows only the point
        ++pos;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos, ++digits) {
            number += text[pos];
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t end = pos + 1;
        if (end < text.size() && (text[end] == '+' || text[end] == '-')) {
            ++end;
        }
        if (end < text.size() && IsDigit(text[end])) {
            while (end < text.size() && IsDigit(text[end])) {
                ++end;
            }
            number += text.substr(pos, end - pos);
        }
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    const double value = strtod_l(number.c_str(), nullptr, c);
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace lorvane::fuzz
