#include "core/acoustics.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace lorvane {
namespace {

TEST(LevelSum, AddsEnergies) {
    const std::vector<double> three{60, 60, 60};
    EXPECT_NEAR(LevelSum(three), 60 + 10 * std::log10(3.0), 1e-12);
    const std::vector<double> pair{60, 50};
    EXPECT_NEAR(LevelSum(pair), 60.4139, 1e-4);
}

TEST(OctaveFromThirds, TakesThreeBandsPerOctaveIncludingTenKilohertz) {
    ThirdOctaves thirds{};
    thirds.fill(-200);  // practically silent
    thirds[21] = 50;    // 6300 Hz
    thirds[23] = 50;    // 10000 Hz belongs to the 8 kHz octave
    thirds[0] = 40;     // 50 Hz belongs to the 63 Hz octave
    const Octaves octaves = OctaveFromThirds(thirds);
    EXPECT_NEAR(octaves[7], 50 + 10 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(octaves[0], 40, 1e-9);
    EXPECT_LT(octaves[3], -150);
}

TEST(AWeighting, OctavesTakeTheirCentreBand) {
    const double expected[] = {-26.2, -16.1, -8.6, -3.2, 0.0, 1.2, 1.0, -1.1};
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_EQ(OctaveAWeighting(k), expected[k]) << "octave " << k;
    }
}

TEST(AWeightedSummationLevel, WeightsEachOctaveBeforeSumming) {
    // Worked out once to 40 digits with decimal arithmetic, apart from this code.
    struct {
        Octaves levels;
        double summation;
    } const cases[] = {
        {{60, 60, 60, 60, 60, 60, 60, 60}, 66.98713148119767},
        {{51, 51, 49, 48, 47, 48, 43, 42}, 53.32990051847137},  // the Selmon start values
        // One loud band: its own weight decides the sum.
        {{80, 40, 40, 40, 40, 40, 40, 40}, 54.62142948208870},  // 63 Hz: -26.2
        {{40, 40, 40, 40, 40, 40, 40, 80}, 78.90236080811141},  // 8 kHz: -1.1
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(AWeightedSummationLevel(c.levels), c.summation, 1e-11);
    }
}

TEST(DuctVelocity, UsesTheTwelveDecimalQuarterPi) {
    // With pi/4 itself the velocity would be 3.53677651315323 m/s.
    EXPECT_EQ(DuctVelocity(100, 100), 3.5367765131507456);
    EXPECT_EQ(DuctVelocity(1000, 250), 5.658842421041192);
}

}  // namespace
}  // namespace lorvane
