#include "products/dampers/blade_model.h"

#include <cmath>
#include <limits>
#include <optional>

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "products/dampers/damper_inputs.h"
#include "tests/products/dampers/damper_test_values.h"

namespace lorvane::dampers {
namespace {

struct CountCase {
    int pitch;
    double height;
    std::optional<int> blades;
};

void PrintTo(const CountCase& c, std::ostream* out) {
    *out << "pitch " << c.pitch << ", H " << c.height;
}

class BladeCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(BladeCountTest, CountsTheBladesThatFitTheHeight) {
    const CountCase& c = GetParam();
    EXPECT_EQ(BladeCount(c.pitch, c.height), c.blades);
}

using test::kInf;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, BladeCountTest, testing::Values(
    CountCase{100,  200,    2},
    CountCase{100,  279,    2},
    CountCase{100,  279.9,  2},  // the height is cut to whole millimetres
    CountCase{100,  280,    3},  // a gap of 20 mm counts as one more blade
    CountCase{100,  290,    3},
    CountCase{100, 1980,   20},
    CountCase{100, 2000,   20},
    CountCase{100,   79,   std::nullopt},
    CountCase{165,  144,   std::nullopt},
    CountCase{165,  145,    1},
    CountCase{165, 2000,   12},
    CountCase{150,  130,    1},  // another pitch counts with its own value
    CountCase{150,  129,   std::nullopt},
    CountCase{  0,  500,   std::nullopt},
    CountCase{100,   -1,   std::nullopt},
    CountCase{100, kNaN,   std::nullopt},
    CountCase{100, kInf,   std::nullopt}));
// clang-format on

struct RequiredTorqueCase {
    int sealingType, pitch;
    double width, height, pressure;
    std::optional<double> torque;  // Nm
};

void PrintTo(const RequiredTorqueCase& c, std::ostream* out) {
    *out << "type " << c.sealingType << ", pitch " << c.pitch << ", " << c.width << " x "
         << c.height << " mm, " << c.pressure << " Pa";
}

class RequiredTorqueTest : public testing::TestWithParam<RequiredTorqueCase> {};

TEST_P(RequiredTorqueTest, GivesTheTorqueOrNothing) {
    const RequiredTorqueCase& c = GetParam();
    const std::optional<double> torque =
        RequiredTorque(c.sealingType, c.pitch, c.width, c.height, c.pressure);
    ASSERT_EQ(torque.has_value(), c.torque.has_value());
    if (c.torque) {
        EXPECT_NEAR(*torque, *c.torque, 1e-9);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, RequiredTorqueTest, testing::Values(
    // 2 blades at 0.4 Nm; P0 = 2560 Pa doubles it
    RequiredTorqueCase{1, 100,  200,  200,    0, 0.8},
    RequiredTorqueCase{1, 100,  200,  200, 2560, 1.6},
    // 12 blades of 165 mm at the reference width 2000 mm
    RequiredTorqueCase{1, 165, 2000, 2000,    0, 8.58},
    // airtight, 1 blade, halfway between 200 and Wref = 1000 mm
    RequiredTorqueCase{3, 100,  600,  100,    0, (0.259467 + 1.31486 + 0.92566 + 1.907433) / 2},
    // below 200 mm the line extrapolates: 2 blades, B = (1.28 - 0.8) / 1400
    RequiredTorqueCase{1, 100,  100,  200,    0, 0.8 - 0.48 / 14},
    // a pitch of 150 counts 2 blades but takes the 165 mm row
    RequiredTorqueCase{1, 150,  200,  300,    0, 0.8},
    // no 165 mm blade below 145 mm, for every sealing type
    RequiredTorqueCase{1, 165,  200,  144,    0, std::nullopt},
    RequiredTorqueCase{2, 165,  200,  144,    0, std::nullopt},
    RequiredTorqueCase{3, 165,  200,  144,    0, std::nullopt},
    // 21 blades are beyond the model
    RequiredTorqueCase{1, 100,  200, 2080,    0, std::nullopt},
    RequiredTorqueCase{1, 100,  200, 2000,    0, 8.0},
    // there are three sealing types only
    RequiredTorqueCase{0, 100,  200,  200,    0, std::nullopt},
    RequiredTorqueCase{4, 100,  200,  200,    0, std::nullopt}));
// clang-format on

TEST(BladeBending, GrowsWithTheFourthPowerOfTheLengthAndUsesTheBladeInertia) {
    EXPECT_NEAR(BladeBending(100, 1000, 100), 1e10 / (1.34 * 1.617e11), 1e-12);
    EXPECT_NEAR(BladeBending(100, 1000, 100), 0.0462, 5e-5);
    EXPECT_NEAR(BladeBending(165, 1000, 100), 1.65e10 / (2.47 * 1.617e11), 1e-12);
    EXPECT_NEAR(BladeBending(150, 1000, 100), 1.5e10 / (2.47 * 1.617e11), 1e-12);
}

TEST(MaxPressureDifference, IsCappedAt5000Pa) {
    // 3 * 1.34 * 1.617e11 / (0.1 * 1 * 1e9) = 6500.34 Pa
    EXPECT_EQ(MaxPressureDifference(100, 1000, 1), 5000);
    EXPECT_EQ(MaxPressureDifference(165, 200, 2), 5000);
    EXPECT_NEAR(MaxPressureDifference(100, 1000, 2), 3250.17, 0.005);
    EXPECT_NEAR(MaxPressureDifference(165, 1000, 3), 3630.9, 1e-9);
}

TEST(MaxPressureDifference, IsThePressureThatBendsTheBladeByThePermittedAmount) {
    EXPECT_NEAR(BladeBending(100, 2000, MaxPressureDifference(100, 2000, 1)), 3.0, 1e-12);
    EXPECT_NEAR(BladeBending(165, 2000, MaxPressureDifference(165, 2000, 2)), 1.5, 1e-12);
}

TEST(DamperInputs, StartsWithTheValuesOfANewRun) {
    SharedState state;
    const DamperInputs& inputs = state.Of<DamperInputs>();
    EXPECT_EQ(inputs.width, 200);
    EXPECT_EQ(inputs.height, 200);
    EXPECT_EQ(inputs.volumeFlow, 200);
    EXPECT_EQ(inputs.differentialPressure, 100);
    EXPECT_EQ(inputs.linkageSelection, 0);
    EXPECT_EQ(inputs.sealingSelection, 1);
    EXPECT_EQ(inputs.bendingLength, 200);
    EXPECT_EQ(DamperInputs::maxDifferentialPressure, 5000);
}

}  // namespace
}  // namespace lorvane::dampers
