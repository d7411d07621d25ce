#include "products/dampers/damper_torque.h"

#include <cmath>

namespace lorvane::dampers {
namespace {

// The developed width of a profile: its segments less a bend allowance of 2 t per bend.
double DevelopedWidth(const FrameProfile& profile, double thickness) {
    double sum = 0;
    for (double segment : profile.segments) {
        sum += segment;
    }
    return sum - 2 * (profile.n - 1) * thickness;
}

}  // namespace

std::optional<double> DamperWeight(const DamperModelRecord& record, double width, double height) {
    const double e = record.bladePitch;
    if (!(e >= 1) || !std::isfinite(height) || height < 0) {
        return std::nullopt;
    }
    // The blades over the height, counted as BladeCount does, and the part of the height they
    // leave uncovered (or overhang) in total.
    const double h = std::trunc(height);
    const double r = std::fmod(h, std::trunc(e));
    const double q = (h - r) / std::trunc(e);
    double blades = q;
    double uncovered = r;
    if (e - r <= kCountedBladeGap) {
        blades = q + 1;
        uncovered = blades * e - height;
    }
    const double halfUncovered = uncovered / 2;
    if (blades < 1 || !(halfUncovered < (e - kCountedBladeGap) / 2)) {
        return std::nullopt;
    }

    const double t = record.frameThickness;
    const FrameProfile& top = record.profiles[0];
    const FrameProfile& side = record.profiles[1];
    double d1 = DevelopedWidth(top, t);
    const double d3 = DevelopedWidth(record.profiles[2], t);
    const double d4 = DevelopedWidth(record.profiles[3], t);
    if (halfUncovered > 1) {
        // The top and bottom profiles slant across half the uncovered height each.
        const double c = (record.depth - top.furtherLength) / 2;
        d1 += 2 * std::sqrt(c * c + halfUncovered * halfUncovered) - 2 * c;
    }
    const double sideLength = height + top.segments[3] + side.segments[3];
    const double sheetArea = 2 * d1 * width + (d3 + d4) * sideLength;  // mm2
    const double volume =
        t * sheetArea + record.bladeThickness * record.bladeWidth * blades * width;  // mm3
    const double weight = volume / 1e6 * kSteelDensity;
    if (!std::isfinite(weight)) {
        return std::nullopt;
    }
    return weight;
}

DamperTorqueResult CalculateDamperTorque(double width, double height, double differentialPressure) {
    DamperTorqueResult result;
    for (std::size_t b = 0; b < BladePitches.size(); ++b) {
        TorqueColumn& column = result.blades[b];
        column.pitch = BladePitches[b];
        column.standard =
            RequiredTorque(kSealingStandard, column.pitch, width, height, differentialPressure);
        column.hollowProfile = RequiredTorque(kSealingHollowProfile, column.pitch, width, height,
                                              differentialPressure);
        column.airtight =
            RequiredTorque(kSealingAirtight, column.pitch, width, height, differentialPressure);
        if (column.hollowProfile && column.airtight) {
            column.classTwo = (*column.hollowProfile + *column.airtight) / 2;
        }
        column.weight = DamperWeight(column.pitch == kBlade100 ? Ostra1 : Ostra2, width, height);
    }
    return result;
}

}  // namespace lorvane::dampers
