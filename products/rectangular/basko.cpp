#include "products/rectangular/basko.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "products/rectangular/basko_tables.h"

namespace lorvane::rectangular {
namespace {

bool Holds(double from, double to, double value) {
    return from <= value && value <= to;
}

bool SameSize(const Scale& scale, double width, double height) {
    return scale.width == width && scale.height == height;
}

// The volume flow in m3/h of a velocity in m/s through W x H mm.
double FlowAt(double velocity, double width, double height) {
    return velocity * width * height * 3600 / 1000 / 1000;
}

double MinimumPressure(double v) {
    return 2.14 * v * v - 8.28 * v + 67.88;
}

}  // namespace

std::optional<VolumeFlowRange> TheoreticalRange(double width, double height) {
    if (width < height) {
        return std::nullopt;
    }
    for (const SizeRange& row : SizeRangeTable) {
        if (Holds(row.widthFrom, row.widthTo, width) &&
            Holds(row.heightFrom, row.heightTo, height)) {
            return VolumeFlowRange{FlowAt(kRangeMinVelocity, width, height),
                                   FlowAt(kRangeMaxVelocity, width, height)};
        }
    }
    for (const SpecialSize& row : SpecialSizeTable) {
        if (row.width == width && row.height == height) {
            return VolumeFlowRange{FlowAt(row.minVelocity, width, height),
                                   FlowAt(row.maxVelocity, width, height)};
        }
    }
    return std::nullopt;
}

std::optional<VolumeFlowRange> ExistingScaleRange(double width, double height) {
    if (width < height) {
        return std::nullopt;
    }
    std::optional<VolumeFlowRange> range;
    for (const Scale& scale : ScaleTable) {
        if (!SameSize(scale, width, height)) {
            continue;
        }
        if (range) {
            range->vmax = scale.vmax;
        } else {
            range = VolumeFlowRange{scale.vmin, scale.vmax};
        }
    }
    return range;
}

bool FitsExistingScale(double width, double height, double volumeFlow) {
    if (width < height) {
        return false;
    }
    for (const Scale& scale : ScaleTable) {
        if (SameSize(scale, width, height) && Holds(scale.vmin, scale.vmax, volumeFlow)) {
            return true;
        }
    }
    return false;
}

BaskoRanges RangesOf(double width, double height) {
    return {TheoreticalRange(width, height), ExistingScaleRange(width, height)};
}

std::span<const BaskoSize> BaskoSizes() {
    static const std::vector<BaskoSize> sizes = [] {
        std::vector<BaskoSize> all;
        const auto add = [&all](double width, double height) {
            const bool known = std::any_of(all.begin(), all.end(), [&](const BaskoSize& s) {
                return s.width == width && s.height == height;
            });
            if (!known) {
                all.push_back({width, height});
            }
        };
        for (const Scale& scale : ScaleTable) {
            add(scale.width, scale.height);
        }
        for (const SpecialSize& special : SpecialSizeTable) {
            add(special.width, special.height);
        }
        return all;
    }();
    return sizes;
}

BaskoResult CalculateBasko(double width, double height, double volumeFlow,
                           double differentialPressure) {
    BaskoResult result;
    result.ranges = RangesOf(width, height);
    const double v = volumeFlow / width / height * 1000 * 1000 / 3600;
    const double dh = (2 * width * height / 1000 / 1000) / (width / 1000 + height / 1000);
    result.velocity = v;
    result.minimumPressure = CapMinimumPressure(MinimumPressure(v));
    result.accepted = AcceptsPressure(differentialPressure, result.minimumPressure);

    // The terms that do not depend on the band, each in the place the regression has it.
    const double lgDh = std::log10(dh);
    const double lgV = std::log10(v);
    const double lgDp = std::log10(differentialPressure);
    ThirdOctaves thirds{};
    for (int i = 0; i < kThirdOctaveCount; ++i) {
        const double lgF = std::log10(RectThirdOctaveBands[i]);
        const double x = lgF + lgDh - lgV - 0.36;
        thirds[i] = 16 - 2.5 * lgF + 17.5 * lgDh + 16 * lgV + 20 * lgDp - 1.7 * x * x;
    }
    result.spectrum = SpectrumFromThirds(thirds, width, height);
    return result;
}

}  // namespace lorvane::rectangular
