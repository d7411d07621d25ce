#include "room/plain_number.h"

#include <array>
#include <charconv>
#include <string_view>

namespace lorvane::room {

void AppendPlainNumber(std::string& text, double value) {
    if (value == 0) {
        text += '0';
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
