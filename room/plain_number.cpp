#include "room/plain_number.h"

#include <array>
#include <charconv>
#include <string_view>

namespace lorvane::room {

std::string PlainNumber(double value) {
    if (value == 0) {
        return "0";
    }
    // The shortest digits that read back as the value, as "-d.ddde-xx", written out without the
    // exponent.
    std::array<char, 32> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific);
    std::string_view scientific(buffer.data(), written.ptr);
    const bool negative = scientific.front() == '-';
    if (negative) {
        scientific.remove_prefix(1);
    }
    const std::size_t e = scientific.find('e');
    std::string digits(1, scientific.front());
    if (e > 1) {
        digits += scientific.substr(2, e - 2);  // after the point
    }
    std::string_view exponentText = scientific.substr(e + 1);
    if (exponentText.front() == '+') {
        exponentText.remove_prefix(1);  // from_chars takes a minus sign only
    }
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);

    // The point goes after this many digits: into them, before them or after added zeros.
    const int wholeDigits = exponent + 1;
    const int digitCount = static_cast<int>(digits.size());
    std::string text = negative ? "-" : "";
    if (wholeDigits <= 0) {
        text += "0." + std::string(-wholeDigits, '0') + digits;
    } else if (wholeDigits >= digitCount) {
        text += digits + std::string(wholeDigits - digitCount, '0');
    } else {
        text += digits.substr(0, wholeDigits) + "." + digits.substr(wholeDigits);
    }
    return text;
}

}  // namespace lorvane::room
