#include "core/number_text.h"

#include <clocale>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

namespace lorvane {
namespace {

struct ReadCase {
    std::string text;
    std::optional<double> expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << '"' << c.text.substr(0, 20) << '"';
}

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsLikeAScanfConversion) {
    const ReadCase& c = GetParam();
    const std::optional<double> value = ReadNumber(c.text);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (c.expected) {
        EXPECT_DOUBLE_EQ(*value, *c.expected) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    testing::Values(ReadCase{"250", 250}, ReadCase{"250 Pa", 250}, ReadCase{" 250", 250},
                    ReadCase{"\t\n250.5", 250.5}, ReadCase{"+7", 7},
                    ReadCase{"-0.3", -0.3}, ReadCase{".5", 0.5}, ReadCase{"5.", 5},
                    ReadCase{"1e3", 1000}, ReadCase{"1.5E-1x", 0.15}, ReadCase{"2e", 2},
                    ReadCase{"0x10", 0},  // digits, point and exponent only: no hexadecimal
                    ReadCase{"", std::nullopt}, ReadCase{"   ", std::nullopt},
                    ReadCase{"abc", std::nullopt}, ReadCase{"Pa 250", std::nullopt},
                    ReadCase{"-", std::nullopt}, ReadCase{".", std::nullopt},
                    ReadCase{"+-5", std::nullopt}, ReadCase{"inf", std::nullopt},
                    ReadCase{"-infinity", std::nullopt}, ReadCase{"nan", std::nullopt},
                    ReadCase{"NAN(1)", std::nullopt}, ReadCase{"1e999", std::nullopt}));

// As "%lf" reads it: the value rounds to 0 (keeping its sign) or to the smallest double.
// A decimal comma reads as the point, where the point may stand. A comma beside a point or a
// second comma between the digits leaves open whether it separates thousands: no number.
INSTANTIATE_TEST_SUITE_P(
    DecimalComma, ReadNumberTest,
    testing::Values(ReadCase{"812,5", 812.5}, ReadCase{"-0,5", -0.5}, ReadCase{"1,5e3", 1500},
                    ReadCase{",5", 0.5}, ReadCase{"5,", 5}, ReadCase{" +2,25", 2.25},
                    ReadCase{"250 Pa", 250}, ReadCase{"12,5 m3/h", 12.5},
                    ReadCase{"1,234.5", std::nullopt}, ReadCase{"1.234,5", std::nullopt},
                    ReadCase{"1,2,3", std::nullopt}, ReadCase{"1.234.567,5", std::nullopt},
                    ReadCase{",", std::nullopt}, ReadCase{",e5", std::nullopt},
                    // A separator before no digit is trailing text, as after any number.
                    ReadCase{"2.5, 3", 2.5}, ReadCase{"1,5.", 1.5}, ReadCase{"12,5, 13", 12.5},
                    // Points alone keep the "%lf" reading: the second ends the number.
                    ReadCase{"1.2.3", 1.2}));

// The plain reader of sound paths takes the comma by the same rule: where a text is one plain
// number, both read the same.
TEST(ReadPlainNumber, TakesTheCommaAsReadNumberDoes) {
    for (const char* text : {"812,5", "-0,5", ",5", "5,", "007,250", "1,234.5", "1.234,5",
                             "1,2,3", ","}) {
        EXPECT_EQ(ReadPlainNumber(text), ReadNumber(text)) << '"' << text << '"';
    }
}

TEST(ReadNumber, AValueTooSmallForADoubleIsANumber) {
    EXPECT_EQ(ReadNumber("1e-400"), 0.0);
    const std::optional<double> negative = ReadNumber("-2.5e-999 Pa");
    ASSERT_TRUE(negative);
    EXPECT_EQ(*negative, 0.0);
    EXPECT_TRUE(std::signbit(*negative));
    EXPECT_EQ(ReadNumber("0.5e-323"), 4.9406564584124654e-324);
    EXPECT_EQ(ReadNumber("1e-99999999999999999999"), 0.0);
}

TEST(ReadNumber, ReadsOnlyTheFirst99Characters) {
    // A one and 99 zeros: the hundredth character is cut off.
    EXPECT_DOUBLE_EQ(*ReadNumber("1" + std::string(99, '0')), 1e98);
    // Blanks count: a number that starts past the 99th character is not seen.
    EXPECT_FALSE(ReadNumber(std::string(99, ' ') + "5").has_value());
    EXPECT_DOUBLE_EQ(*ReadNumber(std::string(98, ' ') + "56"), 5);
}

class ReadPlainNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadPlainNumberTest, ReadsOnlyATextThatIsOnePlainNumber) {
    const ReadCase& c = GetParam();
    const std::optional<double> value = ReadPlainNumber(c.text);
    ASSERT_EQ(value.has_value(), c.expected.has_value()) << '"' << c.text << '"';
    if (c.expected) {
        EXPECT_EQ(*value, *c.expected) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadPlainNumberTest,
    testing::Values(ReadCase{"812.5", 812.5}, ReadCase{"812,5", 812.5}, ReadCase{"250", 250},
                    ReadCase{"-0,3", -0.3}, ReadCase{"+7", 7}, ReadCase{".5", 0.5},
                    ReadCase{",5", 0.5}, ReadCase{"5.", 5}, ReadCase{"007", 7},
                    ReadCase{"0.1", 0.1},  // the nearest double, as from the point form
                    ReadCase{"1,234.5", std::nullopt}, ReadCase{"1.2.3", std::nullopt},
                    ReadCase{"12a", std::nullopt}, ReadCase{"1e3", std::nullopt},
                    ReadCase{" 5", std::nullopt}, ReadCase{"5 ", std::nullopt},
                    ReadCase{"", std::nullopt}, ReadCase{"-", std::nullopt},
                    ReadCase{",", std::nullopt}, ReadCase{"--5", std::nullopt},
                    ReadCase{"inf", std::nullopt}, ReadCase{"nan", std::nullopt},
                    ReadCase{"0x10", std::nullopt}, ReadCase{"5\n", std::nullopt}));

TEST(ReadPlainNumber, ReadsTheWholeTextHoweverLong) {
    // Unlike ReadNumber, no limit of 99 characters: 120 digits are one number.
    EXPECT_EQ(ReadPlainNumber("1" + std::string(119, '0')), 1e119);
    EXPECT_EQ(ReadPlainNumber("0," + std::string(150, '0') + "25"), 2.5e-151);
    // Too large for a double: no number. Too small: 0 with its sign, as ReadNumber has it.
    EXPECT_FALSE(ReadPlainNumber("1" + std::string(400, '0')).has_value());
    const std::optional<double> tiny = ReadPlainNumber("-0," + std::string(400, '0') + "1");
    ASSERT_TRUE(tiny.has_value());
    EXPECT_EQ(*tiny, 0.0);
    EXPECT_TRUE(std::signbit(*tiny));
}

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.format << ' ' << c.value;
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, RoundsHalvesAwayFromZeroOnTheExactValue) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.format, c.value), c.expected) << c.format << " of " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatNumberTest,
    testing::Values(FormatCase{"%.0lf", 7.5, "8"}, FormatCase{"%.0lf", 42.5, "43"},
                    FormatCase{"%.0lf", 0.5, "1"}, FormatCase{"%.0lf", -2.5, "-3"},
                    FormatCase{"%4.0lf", -0.3, "  -0"}, FormatCase{"%4.0lf", -0.0, "  -0"},
                    FormatCase{"%.2lf", 0.125, "0.13"}, FormatCase{"%.2lf", 2.675, "2.67"},
                    FormatCase{"%5.1lf", 3.5368, "  3.5"}, FormatCase{"%5.1lf", 0.05, "  0.1"},
                    FormatCase{"%5.0lf", 9.5, "   10"}, FormatCase{"%4.0lf", 99.5, " 100"},
                    FormatCase{"%5.0lf", 999999.5, "1000000"},
                    FormatCase{"%.0lf", 1e20, "100000000000000000000"},
                    FormatCase{"%.1lf", 1e300 / 1e300, "1.0"}, FormatCase{"%lf", 1.5, "1.500000"},
                    FormatCase{"%f", 2.0, "2.000000"}, FormatCase{"%-6.1f", 1.25, "1.3   "},
                    FormatCase{"%.3lf", 5e-324, "0.000"}, FormatCase{"%4.0lf", 51.49999, "  51"}));

TEST(FormatNumber, LargeValuesAreExact) {
    EXPECT_EQ(FormatNumber("%.0lf", 1e23), "99999999999999991611392");
    EXPECT_EQ(FormatNumber("%.0lf", 9007199254740993.0), "9007199254740992");
}

TEST(FormatNumber, RefusesFormatsItDoesNotKnow) {
    EXPECT_THROW(FormatNumber("%d", 1), std::invalid_argument);
    EXPECT_THROW(FormatNumber("5.0lf", 1), std::invalid_argument);
    EXPECT_THROW(FormatNumber("%5.0lf mm", 1), std::invalid_argument);
}

TEST(NumberText, IgnoresTheProcessLocale) {
    // scripts/install-deps.sh makes the locale: a machine without it fails here instead of
    // testing nothing.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is not installed (scripts/install-deps.sh makes it)";
    const std::optional<double> read = ReadNumber("2.5");
    const std::optional<double> comma = ReadNumber("2,5 Pa");
    const std::optional<double> plain = ReadPlainNumber("2.5");
    const std::string shown = FormatNumber("%5.1lf", 2.25);
    std::setlocale(LC_ALL, "C");
    EXPECT_DOUBLE_EQ(*read, 2.5);
    EXPECT_EQ(comma, 2.5);
    EXPECT_EQ(plain, 2.5);
    EXPECT_EQ(shown, "  2.3");
}

TEST(RoundWhole, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(RoundWhole(35.5), 36);
    EXPECT_EQ(RoundWhole(35.49), 35);
    EXPECT_EQ(RoundWhole(-0.5), -1);
    EXPECT_EQ(RoundWhole(48.504), 49);
}

}  // namespace
}  // namespace lorvane
