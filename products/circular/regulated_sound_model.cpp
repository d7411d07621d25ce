#include "products/circular/regulated_sound_model.h"

#include <cmath>

#include "core/acoustics.h"

namespace lorvane::circular {
namespace {

constexpr double kFrequencySlope = 8.5;
constexpr double kFrequencyOffset = 3;

double BaseLevel(double d, double v, double differentialPressure) {
    constexpr double kDiameterFactor = 35;
    constexpr double kVelocityFactor = 4;
    constexpr double kLevelOffset = 72;
    constexpr double kPressureFactor = 14;
    return kDiameterFactor * std::log10(d) + kVelocityFactor * std::log10(v) + kLevelOffset +
           kPressureFactor * std::log10(differentialPressure);
}

}  // namespace

CircularResult CalculateRegulatedController(double diameter, double volumeFlow,
                                            double differentialPressure,
                                            const RegulatedModel& model,
                                            const CasingLosses& casing) {
    CircularResult result;
    const double v = DuctVelocity(volumeFlow, diameter);
    result.velocity = v;
    result.minimumPressure = CapMinimumPressure(model.minimumPressure(v));
    result.accepted = AcceptsPressure(differentialPressure, result.minimumPressure);
    if (!result.accepted) {
        return result;
    }

    const double d = diameter / 1000;
    const double base = BaseLevel(d, v, differentialPressure);
    CircularSpectrum spectrum;
    std::array<double, kRegulatedBandCount> weighted{};
    for (int i = 0; i < kRegulatedBandCount; ++i) {
        const double f = model.frequencies[i];
        // A factor of exactly 1 leaves the level bit for bit as it is.
        spectrum.thirdOctave[i] =
            model.levelFactor * (base - (kFrequencySlope * std::log(f * d / v) + kFrequencyOffset));
        weighted[i] = spectrum.thirdOctave[i] + AWeighting[i];
    }
    spectrum.thirdOctave[kRegulatedBandCount] = 0;  // the 10 kHz band, not modelled
    spectrum.modelledThirdOctaves = kRegulatedBandCount;
    spectrum.octave = OctaveFromThirds(spectrum.thirdOctave);
    CompleteSpectrum(spectrum, casing);
    // The summation level weights the third-octave bands, not the octaves.
    spectrum.summationLevel = LevelSum(weighted);
    result.spectrum = spectrum;
    return result;
}

}  // namespace lorvane::circular
