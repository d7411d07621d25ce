#include "products/dampers/damper_torque.h"

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace lorvane::dampers {
namespace {

using Texts = std::vector<std::string>;

// A column as the form shows it: four torques and the weight, "%5.1lf", empty where absent.
Texts Shown(const TorqueColumn& column) {
    Texts texts;
    for (const std::optional<double>& value :
         {column.standard, column.hollowProfile, column.classTwo, column.airtight, column.weight}) {
        texts.push_back(value ? FormatNumber("%5.1lf", *value) : "");
    }
    return texts;
}

struct DamperTorqueCase {
    double width, height, pressure;
    Texts blade100, blade165;
};

void PrintTo(const DamperTorqueCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height << " mm, " << c.pressure << " Pa";
}

class DamperTorqueTest : public testing::TestWithParam<DamperTorqueCase> {};

TEST_P(DamperTorqueTest, GivesTheCatalogueValues) {
    const DamperTorqueCase& c = GetParam();
    const DamperTorqueResult r = CalculateDamperTorque(c.width, c.height, c.pressure);
    EXPECT_EQ(Shown(r.blades[0]), c.blade100);
    EXPECT_EQ(Shown(r.blades[1]), c.blade165);
}

const Texts kNoBlade{"", "", "", "", ""};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, DamperTorqueTest, testing::Values(
    // the start values: a height of 100 mm holds no 165 mm blade
    DamperTorqueCase{200, 100, 250,
               {"  0.4", "  0.5", "  1.1", "  1.6", "  1.6"}, kNoBlade},
    // 6 blades of 165 mm leave 10 mm uncovered: the top and bottom profiles slant
    DamperTorqueCase{1000, 1000, 1000,
               {"  7.5", " 14.1", " 18.6", " 23.0", " 22.1"},
               {"  6.4", "  9.0", " 12.3", " 15.6", " 25.6"}}));
// clang-format on

TEST(CalculateDamperTorque, A145mmHeightHoldsOne165mmBlade) {
    const TorqueColumn column = CalculateDamperTorque(200, 145, 250).blades[1];
    for (const std::optional<double>& value :
         {column.standard, column.hollowProfile, column.classTwo, column.airtight, column.weight}) {
        ASSERT_TRUE(value.has_value());
        EXPECT_GT(*value, 0);
    }
}

TEST(DamperWeight, Ostra1At200By100mm) {
    // e = 100, N = 1, X2 = 0, D1 = 175, D3 = 245, D4 = 165, Lf = 160,
    // V = 1.25 * 135600 + 0.75 * 245 * 200 = 206250 mm3
    const std::optional<double> weight = DamperWeight(Ostra1, 200, 100);
    ASSERT_TRUE(weight.has_value());
    EXPECT_EQ(FormatNumber("%.3lf", *weight), "1.619");
}

TEST(DamperWeight, HalfTheUncoveredHeightIsARealHalf) {
    // 309 mm with 165 mm blades: 1 blade, 144 mm uncovered, X2 = 72 < (165 - 20) / 2 = 72.5.
    // c = (175 - 58) / 2 = 58.5, D1 = 230 + 2 sqrt(58.5^2 + 72^2) - 117 = 298.540,
    // F = 2 D1 1000 + 520 (309 + 60), V = 1.25 F + 0.9 * 368.5 * 1000 mm3.
    const std::optional<double> weight = DamperWeight(Ostra2, 1000, 309);
    ASSERT_TRUE(weight.has_value());
    EXPECT_NEAR(*weight, 10.345118, 5e-7);
}

TEST(DamperWeight, IsAbsentWithoutABlade) {
    EXPECT_EQ(DamperWeight(Ostra2, 1000, 144), std::nullopt);
    EXPECT_EQ(DamperWeight(Ostra1, 1000, 79), std::nullopt);
}

}  // namespace
}  // namespace lorvane::dampers
