#include "core/nc_rating.h"

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace lorvane {
namespace {

struct CurveCase {
    double nc;
    Octaves spectrum;  // 63 Hz, then the curve's limits from 125 Hz to 8 kHz
};

void PrintTo(const CurveCase& c, std::ostream* out) {
    *out << "NC " << c.nc;
}

class NcCurveTest : public testing::TestWithParam<CurveCase> {};

TEST_P(NcCurveTest, ASpectrumOnACurveRatesExactlyThatCurve) {
    const std::optional<double> rating = RateNc(GetParam().spectrum);
    ASSERT_TRUE(rating.has_value());
    EXPECT_DOUBLE_EQ(*rating, GetParam().nc);
}

// The printed curves, each taken as a spectrum. Where neighbouring curves are not 5 dB apart
// (125 Hz throughout, 4 and 8 kHz from NC 25 to 30, 2 kHz around NC 70) a rating that adds the
// excess over a lower curve to that curve's NC lands beside the curve the spectrum lies on.
// The 63 Hz band is set far above every curve: it takes no part.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    PrintedCurves, NcCurveTest,
    testing::Values(
        //        NC     63  125  250  500  1000  2000  4000  8000
        CurveCase{10, {  99,  32,  25,  18,   12,    9,    7,    6}},
        CurveCase{15, {  99,  36,  29,  22,   17,   14,   12,   11}},
        CurveCase{20, {  99,  40,  33,  26,   22,   19,   17,   16}},
        CurveCase{25, {  99,  44,  37,  31,   27,   24,   22,   21}},
        CurveCase{30, {  99,  48,  41,  35,   31,   29,   28,   27}},
        CurveCase{35, {  99,  52,  45,  40,   36,   34,   33,   32}},
        CurveCase{40, {  99,  56,  50,  45,   41,   39,   38,   37}},
        CurveCase{45, {  99,  60,  54,  49,   46,   44,   43,   42}},
        CurveCase{50, {  99,  64,  58,  54,   51,   49,   48,   47}},
        CurveCase{55, {  99,  67,  62,  58,   56,   54,   53,   52}},
        CurveCase{60, {  99,  71,  67,  63,   61,   59,   58,   57}},
        CurveCase{65, {  99,  75,  71,  68,   66,   64,   63,   62}},
        CurveCase{70, {  99,  80,  76,  72,   71,  69.9,   68,   67}},
        CurveCase{75, {  99,  85,  81,  77,   76,   74,   73,   72}}));
// clang-format on

struct BandCase {
    std::string name;
    int octave;    // the one band above silence, 1 (125 Hz) to 7 (8 kHz)
    double level;  // dB
    double nc;     // its rating
};

void PrintTo(const BandCase& c, std::ostream* out) {
    *out << c.name;
}

class NcBandTest : public testing::TestWithParam<BandCase> {};

TEST_P(NcBandTest, ABandBetweenTwoCurvesRatesBetweenTheirNc) {
    const BandCase& c = GetParam();
    Octaves spectrum{};  // 0 dB lies under the NC 10 curve in every band
    spectrum[static_cast<std::size_t>(c.octave)] = c.level;
    const std::optional<double> rating = RateNc(spectrum);
    ASSERT_TRUE(rating.has_value());
    EXPECT_NEAR(*rating, c.nc, 1e-9);
}

// One band just under the next curve rates just under that curve's NC.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    JustUnderTheNextCurve, NcBandTest,
    testing::Values(
        //       name            octave level  rating
        BandCase{"At125Hz",       1,    66.9,  50 + 5 * 2.9 / 3},  // NC 50 64, NC 55 67
        BandCase{"At250Hz",       2,    40.9,  25 + 5 * 3.9 / 4},  // NC 25 37, NC 30 41
        BandCase{"At500Hz",       3,    34.9,  25 + 5 * 3.9 / 4},  // NC 25 31, NC 30 35
        BandCase{"At1kHz",        4,    30.9,  25 + 5 * 3.9 / 4},  // NC 25 27, NC 30 31
        BandCase{"At2kHz",        5,    69.8,  65 + 5 * 5.8 / 5.9},  // NC 65 64, NC 70 69.9
        BandCase{"At4kHz",        6,    27.5,  25 + 5 * 5.5 / 6},  // NC 25 22, NC 30 28
        BandCase{"At8kHz",        7,    26.9,  25 + 5 * 5.9 / 6},  // NC 25 21, NC 30 27
        // At or above the NC 75 curve a band rates 75 plus its excess.
        BandCase{"AboveNc75",     4,    80,    79},
        BandCase{"OnNc10",        7,    6,     10}),
    [](const testing::TestParamInfo<BandCase>& c) { return c.param.name; });
// clang-format on

TEST(RateNc, TheHighestRatedBandGivesTheRating) {
    // 4 kHz on NC 35 outranks 125 Hz between NC 20 and NC 25 and 8 kHz on NC 10.
    EXPECT_NEAR(*RateNc({0, 42, 0, 0, 0, 0, 33, 6}), 35, 1e-9);
}

TEST(RateNc, NoRatingWhenNoBandReachesTheLowestCurve) {
    // Every band a tenth under NC 10; the 63 Hz band, however loud, does not count.
    EXPECT_FALSE(RateNc({90, 31.9, 24.9, 17.9, 11.9, 8.9, 6.9, 5.9}).has_value());
}

}  // namespace
}  // namespace lorvane
