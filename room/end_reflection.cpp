#include "room/end_reflection.h"

#include <cmath>
#include <numbers>

namespace lorvane::room {
namespace {

inline constexpr double kSpeedOfSound = 343;  // m/s

// The factor a1 of ERL = 10 lg(1 + (a1 c0 / (pi f D))^2).
double EndFactor(OutletMount mount) {
    return mount == OutletMount::Flush ? 0.7 : 1.0;
}

}  // namespace

double OutletDiameter(const Section& section) {
    if (section.round) {
        return section.width;
    }
    return std::sqrt(4 * section.width * section.height / std::numbers::pi);
}

Octaves EndReflectionLoss(double diameter, OutletMount mount) {
    const double metres = diameter / 1000;
    Octaves loss{};
    for (int k = 0; k < kOctaveCount; ++k) {
        const double ratio =
            EndFactor(mount) * kSpeedOfSound / (std::numbers::pi * OctaveBands[k] * metres);
        loss[k] = 10 * std::log10(1 + ratio * ratio);
    }
    return loss;
}

}  // namespace lorvane::room
