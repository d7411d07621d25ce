#include "room/plain_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace lorvane::room {
namespace {

struct WriteCase {
    double value;
    std::string text;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.text;
}

class PlainNumberTest : public testing::TestWithParam<WriteCase> {};

TEST_P(PlainNumberTest, WritesTheFewestDigitsThatReadBackExactly) {
    EXPECT_EQ(PlainNumber(GetParam().value), GetParam().text);
    const std::optional<double> read = ReadPlainNumber(GetParam().text);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(*read, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PlainNumberTest,
    testing::Values(WriteCase{5, "5"}, WriteCase{0.5, "0.5"}, WriteCase{812.5, "812.5"},
                    WriteCase{0.1, "0.1"}, WriteCase{-2.5, "-2.5"}, WriteCase{0, "0"},
                    WriteCase{-0.0, "0"}, WriteCase{1.0 / 3, "0.3333333333333333"},
                    WriteCase{1e-7, "0.0000001"}, WriteCase{1200, "1200"},
                    WriteCase{1e22, "1" + std::string(22, '0')},
                    // 1e23 is stored as 99999999999999991611392: the fewest digits are "1e23".
                    WriteCase{1e23, "1" + std::string(23, '0')},
                    WriteCase{std::numeric_limits<double>::denorm_min(),
                              "0." + std::string(323, '0') + "5"},
                    WriteCase{std::numeric_limits<double>::max(),
                              "17976931348623157" + std::string(292, '0')}));

// The significant digits of a text, without sign, point and the zeros around them.
std::string SignificantDigits(std::string_view text) {
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c == 'e') {
            break;
        }
    }
    digits.erase(0, digits.find_first_not_of('0'));
    digits.erase(digits.find_last_not_of('0') + 1);
    return digits;
}

// Short decimals, as typed (m / 10^k), and their neighbouring doubles, which have no short text:
// every one is written in the fewest significant digits that read back as it, the same digits
// the shortest scientific form has.
TEST(PlainNumber, WritesShortDecimalsAndTheirNeighboursInTheFewestDigits) {
    std::mt19937_64 random(20261211);
    std::uniform_int_distribution<std::int64_t> wholeDigits(1, 999'999'999'999'999);
    std::uniform_int_distribution<int> decimals(0, 9);
    std::uniform_int_distribution<int> digitCount(1, 15);
    for (int trial = 0; trial < 20000; ++trial) {
        const std::int64_t limit = static_cast<std::int64_t>(std::pow(10, digitCount(random)));
        const double typed = static_cast<double>(wholeDigits(random) % limit) /
                             std::pow(10, decimals(random)) * (trial % 2 == 0 ? 1 : -1);
        for (const double value : {typed, std::nextafter(typed, 0.0),
                                   std::nextafter(typed, std::numeric_limits<double>::max())}) {
            const std::string text = PlainNumber(value);
            ASSERT_EQ(ReadPlainNumber(text), value + 0.0) << text;
            std::array<char, 40> shortest{};
            const auto written = std::to_chars(shortest.data(), shortest.data() + shortest.size(),
                                               value, std::chars_format::scientific);
            ASSERT_EQ(SignificantDigits(text),
                      SignificantDigits(std::string_view(shortest.data(), written.ptr)))
                << text;
        }
    }
}

}  // namespace
}  // namespace lorvane::room
