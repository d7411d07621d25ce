#include "products/circular/zeta_sound_model.h"

#include <cmath>

#include "core/acoustics.h"

namespace lorvane::circular {
namespace {

constexpr double kAirDensity = 1.2;          // kg/m3
constexpr double kRelativeBandwidth = 0.23;  // of a third-octave band
constexpr double kDiameterFactor = 30;
constexpr double kVelocityFactor = 50;
constexpr double kZetaFactor = 22;

struct BandCorrection {
    int band;  // index into ThirdOctaveBands
    double dB;
};

// clang-format off
constexpr std::array<BandCorrection, 6> kBandCorrections{{
    { 8, -4}, { 9, -4},   // 315 and 400 Hz
    {16, +4}, {17, +4},   // 2000 and 2500 Hz
    {21, +3}, {22, +3},   // 6300 and 8000 Hz
}};
// clang-format on

}  // namespace

const PolynomialCoefficients& CoefficientsForZeta(double zeta) {
    for (const PolynomialCoefficients& set : SpectrumCoefficients) {
        if (zeta <= set.zetaUpTo) {
            return set;
        }
    }
    return SpectrumCoefficients.back();
}

CircularResult CalculateZetaController(double diameter, double volumeFlow,
                                       double differentialPressure,
                                       double (*minimumPressure)(double velocity),
                                       const CasingLosses& casing) {
    CircularResult result;
    const double v = DuctVelocity(volumeFlow, diameter);
    const double zeta = 2 * differentialPressure / kAirDensity / v / v;
    result.velocity = v;
    result.zeta = zeta;

    const PolynomialCoefficients& c = CoefficientsForZeta(zeta);
    const double d = diameter / 1000;
    // The terms that do not depend on the band, added in the catalogue's order below.
    const double diameterTerm = kDiameterFactor * std::log10(d);
    const double zetaTerm = kZetaFactor * std::log10(zeta);
    const double velocityTerm = kVelocityFactor * std::log10(v);
    CircularSpectrum spectrum;
    for (int i = 0; i < kThirdOctaveCount; ++i) {
        const double f = ThirdOctaveBands[i];
        const double x = std::log10(10 * f * d / v);
        spectrum.thirdOctave[i] = 10 * std::log10(kRelativeBandwidth * f) + diameterTerm +
                                  (c.c2 * x * x + c.c1 * x + c.c0) + zetaTerm + velocityTerm;
    }
    for (const BandCorrection& correction : kBandCorrections) {
        spectrum.thirdOctave[correction.band] += correction.dB;
    }
    spectrum.octave = OctaveFromThirds(spectrum.thirdOctave);
    spectrum.summationLevel = AWeightedSummationLevel(spectrum.octave);
    CompleteSpectrum(spectrum, casing);

    result.minimumPressure = CapMinimumPressure(minimumPressure(v));
    result.accepted = AcceptsPressure(differentialPressure, result.minimumPressure);
    result.spectrum = spectrum;
    return result;
}

}  // namespace lorvane::circular
