#include "room/plain_number.h"

#include <limits>
#include <optional>
#include <ostream>
#include <string>

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

}  // namespace
}  // namespace lorvane::room
