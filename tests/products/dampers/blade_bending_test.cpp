#include "products/dampers/blade_bending.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace lorvane::dampers {
namespace {

using Texts = std::vector<std::string>;

struct BendingCase {
    double length, pressure;
    Texts shown;  // "%5.1lf": standard 100, 165 mm, reinforced 100, 165 mm
};

void PrintTo(const BendingCase& c, std::ostream* out) {
    *out << c.length << " mm, " << c.pressure << " Pa";
}

class BladeBendingTest : public testing::TestWithParam<BendingCase> {};

TEST_P(BladeBendingTest, GivesTheCatalogueValues) {
    const BendingCase& c = GetParam();
    const BladeBendingResult r = CalculateBladeBending(c.length, c.pressure);
    EXPECT_EQ(r.blades[0].pitch, 100);
    EXPECT_EQ(r.blades[1].pitch, 165);
    const Texts shown{FormatNumber("%5.1lf", r.blades[0].standard),
                      FormatNumber("%5.1lf", r.blades[1].standard),
                      FormatNumber("%5.1lf", r.blades[0].reinforced),
                      FormatNumber("%5.1lf", r.blades[1].reinforced)};
    EXPECT_EQ(shown, c.shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, BladeBendingTest, testing::Values(
    // the reinforced 165 mm blade bends more than the reinforced 100 mm one
    BendingCase{2000, 10000, {" 73.8", " 66.1", " 31.8", " 38.7"}},
    BendingCase{1500,  1000, {"  2.3", "  2.1", "  1.0", "  1.2"}},
    BendingCase{ 200,   250, {"  0.0", "  0.0", "  0.0", "  0.0"}}));
// clang-format on

}  // namespace
}  // namespace lorvane::dampers
