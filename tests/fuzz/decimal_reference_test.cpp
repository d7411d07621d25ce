#include "fuzz/checks/decimal_reference.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace lorvane::fuzz {
namespace {

// The reference must be right on its own: these are worked out by hand.
TEST(ExpandExactly, GivesEveryDigitOfTheBinaryValue) {
    const ExactDecimal tenth = ExpandExactly(0.1);
    EXPECT_EQ(tenth.integer, "0");
    EXPECT_EQ(tenth.fraction, "1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(ExpandExactly(2.675).fraction.substr(0, 20), "67499999999999982236");
    EXPECT_EQ(ExpandExactly(1e22).integer, "10000000000000000000000");
    EXPECT_EQ(ExpandExactly(std::ldexp(1.0, 70)).integer, "1180591620717411303424");
    const ExactDecimal smallest = ExpandExactly(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(smallest.fraction.size(), 1074u);
    EXPECT_EQ(smallest.fraction.substr(323, 5), "49406");
    EXPECT_TRUE(ExpandExactly(-0.0).negative);
    EXPECT_EQ(ExpandExactly(-0.0).integer, "0");
}

TEST(ReferenceFixed, RoundsHalvesAwayFromZeroOnTheExactValue) {
    struct Case {
        double value;
        int width, precision;
        bool left;
        const char* expected;
    };
    const Case cases[] = {
        {7.5, 0, 0, false, "8"},      {-7.5, 0, 0, false, "-8"},
        {0.125, 0, 2, false, "0.13"}, {2.675, 0, 2, false, "2.67"},
        {-0.3, 4, 0, false, "  -0"},  {42.5, 5, 0, false, "   43"},
        {9.96, 5, 1, false, " 10.0"}, {99.5, 0, 0, false, "100"},
        {3.25, 6, 1, true, "3.3   "}, {1e22, 0, 0, false, "10000000000000000000000"},
        {0.0, 0, 3, false, "0.000"},  {1.0 / 3, 0, 5, false, "0.33333"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReferenceFixed(c.value, c.width, c.precision, c.left), c.expected) << c.value;
    }
}

TEST(ReferenceRead, ReadsTheLeadingDecimalNumber) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {"250 Pa", 250},
        {" \t-2.5e3x", -2500},
        {"2,5", 2.5},
        {"-,5e1 Pa", -5},
        {"5,", 5},
        {"2.5, 3", 2.5},
        {"1,234.5", std::nullopt},
        {"1.234,5", std::nullopt},
        {"1,2,3", std::nullopt},
        {"1.2.3", 1.2},
        {".5", 0.5},
        {"5.", 5},
        {"1e", 1},
        {"1e+", 1},
        {"0x10", 0},
        {"1e-400", 0.0},
        {"", std::nullopt},
        {".", std::nullopt},
        {"-", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReferenceRead(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(ReferenceRead(std::string(98, ' ') + "56"), 5);
}

}  // namespace
}  // namespace lorvane::fuzz
