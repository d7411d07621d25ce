#include "products/rectangular/rectangular_controller.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "core/acoustics.h"
#include "products/rectangular/casing_classes.h"

namespace lorvane::rectangular {
namespace {

constexpr double kMinimumPressureCap = 9999;

bool AllFinite(std::span<const double> levels) {
    return std::all_of(levels.begin(), levels.end(), [](double l) { return std::isfinite(l); });
}

CaseRadiated Radiated(const Octaves& octave, const Octaves& loss) {
    CaseRadiated radiated;
    for (int k = 0; k < kOctaveCount; ++k) {
        radiated.levels[k] = octave[k] - loss[k];
    }
    radiated.summationLevel = AWeightedSummationLevel(radiated.levels);
    return radiated;
}

}  // namespace

double CapMinimumPressure(double minimumPressure) {
    return minimumPressure > kMinimumPressureCap ? kMinimumPressureCap : minimumPressure;
}

bool AcceptsPressure(double differentialPressure, double minimumPressure) {
    return !(differentialPressure + 1 < minimumPressure);
}

std::optional<RectSpectrum> SpectrumFromThirds(const ThirdOctaves& thirds, double width,
                                               double height) {
    RectSpectrum spectrum;
    spectrum.thirdOctave = thirds;
    spectrum.octave = OctaveFromThirds(thirds);
    spectrum.summationLevel = AWeightedSummationLevel(spectrum.octave);
    if (!AllFinite(thirds) || !AllFinite(spectrum.octave) ||
        !std::isfinite(spectrum.summationLevel)) {
        return std::nullopt;
    }
    if (const std::optional<int> q = FindCasingSizeClass(width, height)) {
        spectrum.casing = CasingNoise{
            .sizeClass = *q,
            .bare = Radiated(spectrum.octave, CasingLossOf(CasingLossBare, *q)),
            .insulated30 = Radiated(spectrum.octave, CasingLossOf(CasingLoss30, *q)),
        };
    }
    return spectrum;
}

bool InRange(const std::optional<double>& value, double low, double high) {
    return value && low <= *value && *value <= high;
}

}  // namespace lorvane::rectangular
