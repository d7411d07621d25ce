#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "room/lined_duct.h"
#include "room/unlined_duct.h"

namespace lorvane::room {
namespace {

constexpr double kFeetPerMetre = 1 / 0.3048;

TEST(UnlinedRectangularDuct, ReproducesTheAshraeTableAt305mm) {
    // 305 x 305 mm at 63 Hz: 0.355 dB/ft, 1.166 dB/m (the printed table rounds it to 0.35 dB/ft).
    const Octaves perMetre = UnlinedRectangularDuctAttenuation(305, 305, 1);
    EXPECT_NEAR(perMetre[0], 1.166, 0.0005);
    EXPECT_NEAR(UnlinedRectangularDuctAttenuation(305, 305, 0.3048)[0], 0.355, 0.0005);
}

TEST(UnlinedRectangularDuct, TakesTheWallFormulaUpTo250HzAndTheAbsorptionAbove) {
    // 400 x 200 mm: P/A = 2 (400 + 200) / (400 x 200) x 304.8 = 4.572 per ft; 5 m in ft.
    const Octaves a = UnlinedRectangularDuctAttenuation(400, 200, 5);
    const double feet = 5 * kFeetPerMetre;
    EXPECT_NEAR(a[0], 17.0 * std::pow(4.572, -0.25) * std::pow(63, -0.85) * feet, 1e-9);
    EXPECT_NEAR(a[2], 17.0 * std::pow(4.572, -0.25) * std::pow(250, -0.85) * feet, 1e-9);
    EXPECT_NEAR(a[3], 0.02 * std::pow(4.572, 0.8) * feet, 1e-9);
    EXPECT_EQ(a[3], a[7]);  // above 250 Hz the same in every band
}

TEST(UnlinedRectangularDuct, APerimeterOverAreaOfExactly3TakesTheLargeSectionFormula) {
    // 254 x 1016 mm: P/A = 2 x 1270 / 258064 x 304.8 = 3 per ft exactly.
    EXPECT_NEAR(UnlinedRectangularDuctAttenuation(254, 1016, 1)[0],
                17.0 * std::pow(3, -0.25) * std::pow(63, -0.85) * kFeetPerMetre, 1e-12);
    // 1 mm more and P/A lies below 3: the small-section formula.
    const double below = 2.0 * (254 + 1017) / (254 * 1017) * 304.8;
    EXPECT_LT(below, 3);
    EXPECT_NEAR(UnlinedRectangularDuctAttenuation(254, 1017, 1)[0],
                1.64 * std::pow(below, 0.73) * std::pow(63, -0.58) * kFeetPerMetre, 1e-12);
}

struct RoundCase {
    double diameter;   // mm
    Octaves perMetre;  // dB/m
};

void PrintTo(const RoundCase& c, std::ostream* out) {
    *out << "d" << c.diameter;
}

class UnlinedRoundDuctTest : public testing::TestWithParam<RoundCase> {};

TEST_P(UnlinedRoundDuctTest, TakesItsRowWithTheUpperDiameterInclusive) {
    const Octaves a = UnlinedRoundDuctAttenuation(GetParam().diameter, 2.5);
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_DOUBLE_EQ(a[k], GetParam().perMetre[k] * 2.5) << OctaveBands[k] << " Hz";
    }
}

// 8 kHz takes the 4 kHz value.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    RowEdges, UnlinedRoundDuctTest,
    testing::Values(
        //          D      63    125   250   500   1k    2k    4k    8k [Hz]
        RoundCase{180,   {0.10, 0.10, 0.16, 0.16, 0.33, 0.33, 0.33, 0.33}},
        RoundCase{180.5, {0.10, 0.10, 0.10, 0.16, 0.23, 0.23, 0.23, 0.23}},
        RoundCase{380,   {0.10, 0.10, 0.10, 0.16, 0.23, 0.23, 0.23, 0.23}},
        RoundCase{760,   {0.07, 0.07, 0.07, 0.10, 0.16, 0.16, 0.16, 0.16}},
        RoundCase{761,   {0.03, 0.03, 0.03, 0.07, 0.07, 0.07, 0.07, 0.07}}));
// clang-format on

TEST(LinedRectangularDuct, FollowsReynoldsRegression) {
    // 400 x 200 mm (P/A 4.572 per ft), 3 m, 25 mm of lining (0.984 in); worked out separately.
    const ElementAttenuation a = LinedRectangularDuctAttenuation(400, 200, 3, 25);
    const Octaves expected{2.53387, 4.74549, 9.17413, 20.98957, 40, 40, 29.65418, 21.70708};
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_NEAR(a.decibels[k], expected[k], 1e-5) << OctaveBands[k] << " Hz";
    }
    EXPECT_NEAR(a.decibels[0],
                0.0133 * std::pow(4.572, 1.959) * std::pow(25 / 25.4, 0.917) * 3 * kFeetPerMetre,
                1e-12);
    EXPECT_TRUE(a.note.empty());
}

TEST(LinedRectangularDuct, StopsAt40dBPerBand) {
    // 1 kHz, 2 kHz: 1.770 x 4.572^0.695 x 9.84 ft = 50.1 dB and 1.392 x 4.572^0.802 x 9.84 ft
    // = 46.4 dB, both held at 40 dB.
    const ElementAttenuation a = LinedRectangularDuctAttenuation(400, 200, 3, 25);
    EXPECT_EQ(a.decibels[4], 40);
    EXPECT_EQ(a.decibels[5], 40);
    EXPECT_EQ(LinedRectangularDuctAttenuation(400, 200, 100, 50).decibels,
              Octaves({40, 40, 40, 40, 40, 40, 40, 40}));
}

struct ValidityCase {
    std::string name;
    double width, height, lining;  // mm
    bool noted;
};

void PrintTo(const ValidityCase& c, std::ostream* out) {
    *out << c.name;
}

class LinedRectangularValidityTest : public testing::TestWithParam<ValidityCase> {};

TEST_P(LinedRectangularValidityTest, NotesALiningOrSectionOutsideTheFit) {
    const ValidityCase& c = GetParam();
    const ElementAttenuation a = LinedRectangularDuctAttenuation(c.width, c.height, 2, c.lining);
    EXPECT_EQ(!a.note.empty(), c.noted) << a.note;
    EXPECT_GT(a.decibels[3], 0);  // given all the same
}

// 203.2 x 203.2 mm has a P/A of 6 per ft exactly.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Edges, LinedRectangularValidityTest,
    testing::Values(
        //            name              W      H      lining noted
        ValidityCase{"Thinnest",       400,   200,    25,   false},
        ValidityCase{"Thickest",       400,   200,    52,   false},
        ValidityCase{"TooThin",        400,   200,    24.9, true},
        ValidityCase{"TooThick",       400,   200,    52.1, true},
        ValidityCase{"SmallestSection", 203.2, 203.2, 25,   false},
        ValidityCase{"TooSmall",       203.2, 203.1,  25,   true},
        ValidityCase{"TooLarge",       1200,  1100,   25,   true}),
    [](const auto& c) { return c.param.name; });
// clang-format on

TEST(LinedRoundDuct, FollowsReynoldsRegression) {
    // d250 (9.843 in), 3 m, 25 mm of lining (0.984 in); worked out separately.
    const ElementAttenuation a = LinedRoundDuctAttenuation(250, 3, 25);
    const Octaves expected{2.69491,  4.93140,  8.27743,  14.40701,
                           21.62803, 20.19012, 16.32560, 11.03138};
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_NEAR(a.decibels[k], expected[k], 1e-5) << OctaveBands[k] << " Hz";
    }
    // 1 kHz by hand: (1.933 + 0.06135 D - 0.003891 D^2 + 0.00003934 D^3) per ft, D in inches.
    const double d = 250 / 25.4;
    EXPECT_NEAR(
        a.decibels[4],
        (1.933 + 6.135e-2 * d - 3.891e-3 * d * d + 3.934e-5 * d * d * d) * 3 * kFeetPerMetre,
        1e-12);
    EXPECT_TRUE(a.note.empty());
}

TEST(LinedRoundDuct, ANegativeLossPerFootCountsAsNone) {
    // d1520 with 25 mm at 63 Hz: 0.2825 + 0.3392 - 0.0509 - 2.2961 + 3.2700 - 1.7772 < 0.
    const double t = 25 / 25.4;
    const double d = 1520 / 25.4;
    ASSERT_LT(0.2825 + 0.3447 * t - 5.251e-2 * t * t - 3.837e-2 * d + 9.132e-4 * d * d -
                  8.294e-6 * d * d * d,
              0);
    const ElementAttenuation a = LinedRoundDuctAttenuation(1520, 3, 25);
    EXPECT_EQ(a.decibels[0], 0);
    EXPECT_GT(a.decibels[2], 0);
}

TEST(LinedRoundDuct, StopsAt40dBPerBand) {
    // 1 kHz: 21.6 dB over 3 m, so 43.3 dB over 6 m.
    EXPECT_EQ(LinedRoundDuctAttenuation(250, 6, 25).decibels[4], 40);
}

TEST(LinedRoundDuct, NotesADiameterOrLiningOutsideTheFit) {
    EXPECT_TRUE(LinedRoundDuctAttenuation(150, 2, 25).note.empty());
    EXPECT_TRUE(LinedRoundDuctAttenuation(1520, 2, 76).note.empty());
    EXPECT_FALSE(LinedRoundDuctAttenuation(149, 2, 25).note.empty());
    EXPECT_FALSE(LinedRoundDuctAttenuation(1521, 2, 25).note.empty());
    EXPECT_FALSE(LinedRoundDuctAttenuation(250, 2, 24).note.empty());
    EXPECT_FALSE(LinedRoundDuctAttenuation(250, 2, 77).note.empty());
}

}  // namespace
}  // namespace lorvane::room
