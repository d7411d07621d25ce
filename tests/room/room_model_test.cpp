#include <cmath>
#include <numbers>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "room/diffuse_field.h"
#include "room/schultz.h"

namespace lorvane::room {
namespace {

const RoomSize kRoom{6, 5, 3};  // V = 90 m3, S = 2 (30 + 18 + 15) = 126 m2

TEST(DiffuseField, AddsTheDirectAndTheReverberantField) {
    // T = 0.6 s: A = 0.161 x 90 / 0.6 = 24.15 m2, a = 24.15 / 126, R = 126 a / (1 - a) = 29.876;
    // r = 1.5 m, Q = 2.
    const auto gain = DiffuseFieldGain(kRoom, Reverberation::Uniform(0.6), 1.5, 2);
    ASSERT_TRUE(std::holds_alternative<Octaves>(gain));
    const double a = 24.15 / 126;
    const double r = 126 * a / (1 - a);
    for (double g : std::get<Octaves>(gain)) {
        EXPECT_NEAR(g, 10 * std::log10(2 / (4 * std::numbers::pi * 1.5 * 1.5) + 4 / r), 1e-12);
        EXPECT_NEAR(g, -6.8905, 1e-4);
    }
}

TEST(DiffuseField, TakesTheReverberationTimeOfEachBand) {
    const Octaves seconds{1.2, 1.0, 0.8, 0.6, 0.6, 0.5, 0.5, 0.4};
    const auto gain = DiffuseFieldGain(kRoom, Reverberation::PerBand(seconds), 3, 4);
    ASSERT_TRUE(std::holds_alternative<Octaves>(gain));
    for (int k = 0; k < kOctaveCount; ++k) {
        const double a = 0.161 * 90 / seconds[k] / 126;
        const double r = 126 * a / (1 - a);
        EXPECT_NEAR(std::get<Octaves>(gain)[k],
                    10 * std::log10(4 / (4 * std::numbers::pi * 9) + 4 / r), 1e-12);
    }
}

TEST(DiffuseField, RefusesAMeanAbsorptionOf1OrMore) {
    // a reaches 1 at T = 0.161 x 90 / 126 = 0.115 s.
    EXPECT_TRUE(std::holds_alternative<Octaves>(
        DiffuseFieldGain(kRoom, Reverberation::Uniform(0.116), 1.5, 2)));
    EXPECT_EQ(std::get<std::string>(DiffuseFieldGain(kRoom, Reverberation::Uniform(0.1), 1.5, 2)),
              "The reverberation time is too short for this room: its mean absorption would be 1 "
              "or more.");
    // A 10 m cube with T = 0.161 x 1000 / 600 s: a comes to 1 exactly.
    EXPECT_TRUE(std::holds_alternative<std::string>(
        DiffuseFieldGain({10, 10, 10}, Reverberation::Uniform(0.161 * 1000 / 600), 1.5, 2)));
}

TEST(DiffuseField, NamesTheFirstBandFrom63HzWhoseTimeIsTooShort) {
    const Octaves seconds{0.6, 0.6, 0.1, 0.6, 0.05, 0.6, 0.6, 0.6};
    EXPECT_EQ(
        std::get<std::string>(DiffuseFieldGain(kRoom, Reverberation::PerBand(seconds), 1.5, 2)),
        "The reverberation time at 250 Hz is too short for this room: its mean absorption "
        "would be 1 or more.");
}

TEST(Schultz, FallsWithDistanceVolumeAndFrequency) {
    // -10 lg 1.5 - 5 lg 90 - 3 lg f + 12; worked out separately.
    const Octaves expected{-4.93015, -5.82286, -6.72595,  -7.62904,
                           -8.53213, -9.43522, -10.33831, -11.24140};
    const Octaves gain = SchultzGain(kRoom, 1.5);
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_NEAR(gain[k], expected[k], 1e-5) << OctaveBands[k] << " Hz";
    }
}

}  // namespace
}  // namespace lorvane::room
