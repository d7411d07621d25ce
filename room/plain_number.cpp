#include "room/plain_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "core/exact_decimals.h"

namespace lorvane::room {

namespace {

// Below this, a double's neighbours lie closer together than one unit of the last of its
// decimals counted here (2^-52 of 1e15 is 0.22), and its digits are a whole double exactly.
constexpr double kExactBelow = kExactPowersOfTen[kExactDecimalDigits];
constexpr std::size_t kMostDecimals = 6;

// The value written with the fewest decimals, up to six, that read back as it, when there are
// such: digits m and k decimals, read back as the one quotient m / 10^k (as ReadPlainNumber
// reads them). Below kExactBelow no other text of k decimals reads back as the value, so the
// text with the fewest decimals is the one of the fewest significant digits; a scaled value
// halfway between two whole numbers reads back as neither of them.
bool AppendShortDecimal(std::string& text, double value) {
    const double magnitude = std::abs(value);
    for (std::size_t decimals = 0; decimals <= kMostDecimals; ++decimals) {
        const double scaled = magnitude * kExactPowersOfTen[decimals];
        if (!(scaled < kExactBelow)) {
            return false;
        }
        const auto digits = static_cast<std::int64_t>(scaled + 0.5);  // exact below 2^52
        if (static_cast<double>(digits) / kExactPowersOfTen[decimals] != magnitude) {
            continue;
        }
        // The whole part, then the decimals as the digits after the "1" of 10^k plus them, with
        // the point written over that "1".
        std::array<char, 40> written;
        char* out = written.data();
        char* const last = written.data() + written.size();
        if (value < 0) {
            *out++ = '-';
        }
        const auto unit = static_cast<std::int64_t>(kExactPowersOfTen[decimals]);
        out = std::to_chars(out, last, decimals == 0 ? digits : digits / unit).ptr;
        if (decimals > 0) {
            char* const point = out;
            out = std::to_chars(point, last, unit + digits % unit).ptr;
            *point = '.';
        }
        text.append(written.data(), out);
        return true;
    }
    return false;
}

}  // namespace

void AppendPlainNumber(std::string& text, double value) {
    if (value == 0) {
        text += '0';
        return;
    }
    if (AppendShortDecimal(text, value)) {
        return;
    }
    // The fewest digits that read back as the value, as "-d.ddde-xx", written out without the
    // exponent.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific);
    std::string_view scientific(buffer.data(), written.ptr);
    if (scientific.front() == '-') {
        text += '-';
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);  // from_chars takes a minus sign only
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    const char first = scientific.front();
    const std::string_view rest = e > 1 ? scientific.substr(2, e - 2) : std::string_view{};
    const int digitCount = 1 + static_cast<int>(rest.size());

    // The point goes after this many digits: before them, among them or after added zeros.
    const int wholeDigits = exponent + 1;
    if (wholeDigits <= 0) {
        text += "0.";
        text.append(-wholeDigits, '0');
        text += first;
        text += rest;
    } else if (wholeDigits >= digitCount) {
        text += first;
        text += rest;
        text.append(wholeDigits - digitCount, '0');
    } else {
        text += first;
        text += rest.substr(0, wholeDigits - 1);
        text += '.';
        text += rest.substr(wholeDigits - 1);
    }
}

std::string PlainNumber(double value) {
    std::string text;
    AppendPlainNumber(text, value);
    return text;
}

}  // namespace lorvane::room
