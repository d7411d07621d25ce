#include "products/dampers/damper_acoustics.h"

#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "tests/products/dampers/damper_test_values.h"

namespace lorvane::dampers {
namespace {

using Texts = std::vector<std::string>;

std::string Shown(std::string_view format, std::optional<double> value) {
    return value ? FormatNumber(format, *value) : "";
}

Texts ShownOctaves(const DamperAcousticsResult& r) {
    Texts texts;
    for (const std::optional<double>& level : r.octave) {
        texts.push_back(Shown("%.0lf", level));
    }
    return texts;
}

TEST(CalculateDamperAcoustics, StartValuesGiveTheCatalogueExample) {
    const DamperAcousticsResult r =
        CalculateDamperAcoustics(200, 200, 200, BladeLinkage::OppositeDirection, 2, 100);
    EXPECT_EQ(FormatNumber("%5.3lf", r.area), "0.040");
    EXPECT_EQ(FormatNumber("%5.1lf", r.velocity), "  1.4");
    EXPECT_EQ(FormatNumber("%5.1lf", r.zeta), " 86.4");
    EXPECT_EQ(FormatNumber("%5.1lf", r.bladeAngle), " 61.6");
    EXPECT_FALSE(r.negativeBladeAngle);
    EXPECT_EQ(FormatNumber("%5.1lf", r.maxZeta), "27000.0");
    EXPECT_EQ(FormatNumber("%5.1lf", r.aerodynamicTorque), "  0.8");
    EXPECT_EQ(ShownOctaves(r), (Texts{"48", "42", "40", "41", "43", "45", "45", "43"}));
    EXPECT_EQ(Shown("%.0lf", r.summationLevel), "51");
    EXPECT_FALSE(r.outsideSoundModel);

    const BladeColumn& b100 = r.blades[0];
    EXPECT_EQ(b100.pitch, 100);
    EXPECT_EQ(Shown("%5.1lf", b100.maxTorque), "  2.7");
    EXPECT_EQ(Shown("%5.1lf", b100.requiredTorque), "  1.0");
    EXPECT_EQ(FormatNumber("%5.1lf", b100.maxPressureDifference), "5000.0");
    EXPECT_EQ(FormatNumber("%5.1lf", b100.bending), "  0.0");
    const BladeColumn& b165 = r.blades[1];
    EXPECT_EQ(b165.pitch, 165);
    EXPECT_EQ(Shown("%5.1lf", b165.maxTorque), "  1.5");
    EXPECT_EQ(Shown("%5.1lf", b165.requiredTorque), "  0.5");
    EXPECT_EQ(FormatNumber("%5.1lf", b165.maxPressureDifference), "5000.0");
    EXPECT_EQ(FormatNumber("%5.1lf", b165.bending), "  0.0");
}

TEST(CalculateDamperAcoustics, BladesTurningInTheSameDirectionHaveNoAerodynamicTorque) {
    for (int sealing : {1, 2, 3}) {
        const DamperAcousticsResult r =
            CalculateDamperAcoustics(200, 200, 200, BladeLinkage::SameDirection, sealing, 100);
        EXPECT_EQ(r.aerodynamicTorque, 0) << sealing;
        EXPECT_GT(r.bladeAngle, 0) << sealing;
    }
}

TEST(CalculateDamperAcoustics, MaximumZetaDependsOnTheSealing) {
    const auto maxZeta = [](int sealing) {
        return CalculateDamperAcoustics(200, 200, 200, BladeLinkage::OppositeDirection, sealing,
                                        100)
            .maxZeta;
    };
    EXPECT_EQ(maxZeta(1), 2000);
    EXPECT_EQ(maxZeta(2), 27000);
    EXPECT_EQ(maxZeta(3), 27000);
}

struct RowCase {
    BladeLinkage linkage;
    double zeta;
    double s0;  // identifies the row
};

void PrintTo(const RowCase& c, std::ostream* out) {
    *out << "linkage " << static_cast<int>(c.linkage) << ", zeta " << c.zeta;
}

class DamperSpectrumRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(DamperSpectrumRowTest, EachUpperBoundBelongsToItsOwnRow) {
    const RowCase& c = GetParam();
    EXPECT_EQ(DamperSpectrumRowFor(c.linkage, c.zeta).s[0], c.s0);
}

constexpr BladeLinkage kSame = BladeLinkage::SameDirection;
constexpr BladeLinkage kOpposite = BladeLinkage::OppositeDirection;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Bounds, DamperSpectrumRowTest, testing::Values(
    RowCase{kSame,     0.01,                           81.59833},
    RowCase{kSame,     1.5,                            81.59833},
    RowCase{kSame,     std::nextafter(1.5, 2.0),      189.9275},
    RowCase{kSame,     800,                           143.69},
    RowCase{kSame,     std::nextafter(800.0, 900.0),  166.548},
    RowCase{kSame,     1e12,                          166.548},
    RowCase{kOpposite, 1.5,                            74.5596},
    RowCase{kOpposite, 2,                              74.5596},
    RowCase{kOpposite, 6000,                          310.557},
    RowCase{kOpposite, std::nextafter(6000.0, 7e3),   713.3083}));
// clang-format on

TEST(CalculateDamperAcoustics, ZetaOfExactly1Point5IsReachedByAFormInput) {
    // 36000 m3/h through 1 m2 is 10 m/s; 90 Pa / (0.6 * 10^2) = 1.5.
    const DamperAcousticsResult r =
        CalculateDamperAcoustics(1000, 1000, 36000, BladeLinkage::SameDirection, 1, 90);
    EXPECT_EQ(r.zeta, 1.5);
}

TEST(CalculateDamperAcoustics, ANegativeBladeAngleIsKeptAndFlagged) {
    // zeta = 6 / (0.6 * 10^2) = 0.1, so x = log10(1) = 0 and the angle is c0 of its row.
    const DamperAcousticsResult r =
        CalculateDamperAcoustics(1000, 1000, 36000, BladeLinkage::SameDirection, 2, 6);
    EXPECT_NEAR(r.bladeAngle, -17.91896, 1e-9);
    EXPECT_TRUE(r.negativeBladeAngle);
}

TEST(CalculateDamperAcoustics, TheBladeAngleIsCappedAt90) {
    const DamperAcousticsResult r =
        CalculateDamperAcoustics(2000, 2000, 0.1, BladeLinkage::OppositeDirection, 2, 100);
    EXPECT_EQ(r.bladeAngle, 90);
}

TEST(CalculateDamperAcoustics, LevelsBeyondTheSoundModelAreAbsentAndFiniteOnesStay) {
    // 0.1 m3/h through 2000 x 2000 mm: the upper bands lie thousands of dB below zero and their
    // energies underflow.
    const DamperAcousticsResult same =
        CalculateDamperAcoustics(2000, 2000, 0.1, BladeLinkage::SameDirection, 2, 100);
    EXPECT_TRUE(same.outsideSoundModel);
    EXPECT_EQ(same.octave[7], std::nullopt);
    ASSERT_TRUE(same.octave[0].has_value());
    EXPECT_LT(*same.octave[0], -1000);  // finite, however low, as computed
    ASSERT_TRUE(same.summationLevel.has_value());

    const DamperAcousticsResult opposite =
        CalculateDamperAcoustics(2000, 2000, 0.1, BladeLinkage::OppositeDirection, 2, 100);
    EXPECT_FALSE(opposite.outsideSoundModel);
    for (const std::optional<double>& level : opposite.octave) {
        ASSERT_TRUE(level.has_value());
        EXPECT_LT(*level, -400);
    }
}

TEST(CalculateDamperAcoustics, NoBladeOf165mmBelow145mmLeavesItsTorquesAbsent) {
    const DamperAcousticsResult r =
        CalculateDamperAcoustics(200, 144, 200, BladeLinkage::OppositeDirection, 2, 100);
    EXPECT_TRUE(r.blades[0].maxTorque.has_value());
    EXPECT_TRUE(r.blades[0].requiredTorque.has_value());
    const BladeColumn& b165 = r.blades[1];
    EXPECT_EQ(b165.maxTorque, std::nullopt);
    EXPECT_EQ(b165.requiredTorque, std::nullopt);
    EXPECT_EQ(b165.maxPressureDifference, 5000);
    EXPECT_GT(b165.bending, 0);
}

TEST(CalculateDamperAcoustics, OnlyTheThreeSealingTypesExist) {
    EXPECT_THROW(CalculateDamperAcoustics(200, 200, 200, kOpposite, 0, 100), std::invalid_argument);
    EXPECT_THROW(CalculateDamperAcoustics(200, 200, 200, kOpposite, 4, 100), std::invalid_argument);
}

struct RoundCase {
    double level;
    std::string shown;  // "%5.0lf", empty when absent
};

void PrintTo(const RoundCase& c, std::ostream* out) {
    *out << c.level;
}

class RoundLevelTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundLevelTest, AddsAHalfAndCutsTowardZero) {
    EXPECT_EQ(Shown("%5.0lf", RoundLevel(GetParam().level)), GetParam().shown);
}

using test::kInf;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, RoundLevelTest, testing::Values(
    RoundCase{47.5,    "   48"},
    RoundCase{47.49,   "   47"},
    RoundCase{-3.7,    "   -3"},
    RoundCase{-3.5,    "   -3"},
    RoundCase{-0.7,    "    0"},  // never "-0"
    RoundCase{-1234.6, "-1234"},
    RoundCase{kInf,    ""},
    RoundCase{-kInf,   ""},
    RoundCase{std::numeric_limits<double>::quiet_NaN(), ""}));
// clang-format on

}  // namespace
}  // namespace lorvane::dampers
