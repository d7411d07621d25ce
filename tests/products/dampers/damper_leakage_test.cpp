#include "products/dampers/damper_leakage.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace lorvane::dampers {
namespace {

using C = LeakageConstruction;

struct LeakageCase {
    C construction;
    std::string leakage100, pmax100, leakage165, pmax165;  // "%5.1lf"
};

void PrintTo(const LeakageCase& c, std::ostream* out) {
    *out << "construction " << static_cast<int>(c.construction);
}

class DamperLeakageTest : public testing::TestWithParam<LeakageCase> {};

TEST_P(DamperLeakageTest, At1000By1000mmAnd1000Pa) {
    const LeakageCase& c = GetParam();
    const DamperLeakageResult r = CalculateDamperLeakage(1000, 1000, 1000);
    EXPECT_EQ(FormatNumber("%5.1lf", r.Cell(0, c.construction).leakage), c.leakage100);
    EXPECT_EQ(FormatNumber("%5.1lf", r.Cell(0, c.construction).maxPressureDifference), c.pmax100);
    EXPECT_EQ(FormatNumber("%5.1lf", r.Cell(1, c.construction).leakage), c.leakage165);
    EXPECT_EQ(FormatNumber("%5.1lf", r.Cell(1, c.construction).maxPressureDifference), c.pmax165);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, DamperLeakageTest, testing::Values(
    // construction                        100 mm              165 mm
    LeakageCase{C::Airtight,                         " 31.6", "3250.2", " 31.6", "3630.9"},
    // the unsealed standard damper may bend 3 mm, the others 1.5 mm
    LeakageCase{C::Standard,                         "3852.2", "5000.0", "2400.3", "5000.0"},
    LeakageCase{C::LipSealing,                       "1319.3", "3250.2", "1324.3", "3630.9"},
    LeakageCase{C::LipAndStopBeadSealing,            "452.0", "3250.2", "452.0", "3630.9"},
    LeakageCase{C::HollowProfileSealingAndStopAngle, "574.9", "3250.2", "597.9", "3630.9"}));
// clang-format on

TEST(CalculateDamperLeakage, ShortBladesTakeTheFullPressure) {
    const DamperLeakageResult r = CalculateDamperLeakage(200, 2000, 1000);
    for (const LeakageColumn& column : r.blades) {
        for (const LeakageCell& cell : column.rows) {
            EXPECT_EQ(cell.maxPressureDifference, 5000) << column.pitch;
        }
    }
}

TEST(CalculateDamperLeakage, LipAndStopBeadLeakageDoesNotDependOnTheWidth) {
    const auto leakage = [](double width, int blade) {
        return CalculateDamperLeakage(width, 1000, 1000)
            .Cell(blade, C::LipAndStopBeadSealing)
            .leakage;
    };
    EXPECT_EQ(FormatNumber("%5.1lf", leakage(200, 0)), "452.0");
    EXPECT_EQ(FormatNumber("%5.1lf", leakage(2000, 1)), "452.0");
}

}  // namespace
}  // namespace lorvane::dampers
