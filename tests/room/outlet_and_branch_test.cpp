#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "room/branch.h"
#include "room/end_reflection.h"

namespace lorvane::room {
namespace {

TEST(Branch, TakesOffTheShareThatGoesElsewhere) {
    const Octaves half = BranchAttenuation(0.5);
    for (double decibels : half) {
        EXPECT_NEAR(decibels, 3.0103, 1e-4);  // 10 lg 2
    }
    EXPECT_NEAR(BranchAttenuation(0.1)[7], 10, 1e-12);
}

TEST(Branch, AShareOf1TakesNothingOff) {
    for (double decibels : BranchAttenuation(1)) {
        EXPECT_EQ(decibels, 0);
        EXPECT_FALSE(std::signbit(decibels));  // 0, not -0
    }
}

TEST(EndReflectionLoss, FollowsTheAshraeFormWithTheNominalCentre) {
    // d200 flush: ERL = 10 lg(1 + (0.7 x 343 / (pi f 0.2))^2); worked out separately.
    const Octaves flush = EndReflectionLoss(200, OutletMount::Flush);
    const Octaves expected{15.77390, 10.14753, 5.23276, 1.99782,
                           0.59194,  0.15572,  0.03946, 0.00990};
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_NEAR(flush[k], expected[k], 1e-5) << OctaveBands[k] << " Hz";
    }
    // Free in the room: a1 = 1.0.
    const double ratio = 1.0 * 343 / (std::numbers::pi * 63 * 0.2);
    EXPECT_NEAR(EndReflectionLoss(200, OutletMount::Free)[0], 10 * std::log10(1 + ratio * ratio),
                1e-12);
}

TEST(OutletDiameter, ARectangularOutletCountsWithItsEquivalentDiameter) {
    EXPECT_EQ(OutletDiameter(Section::Round(250)), 250);
    // sqrt(4 x 400 x 200 / pi) = 319.15 mm
    EXPECT_NEAR(OutletDiameter(Section::Rectangular(400, 200)), 319.1538, 1e-4);
}

}  // namespace
}  // namespace lorvane::room
