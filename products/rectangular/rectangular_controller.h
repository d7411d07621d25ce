#pragma once

#include <optional>
#include <set>

#include "core/bands.h"

namespace lorvane::rectangular {

// clang-format off
// The third-octave centre frequencies in Hz at which the rectangular controllers' spectra are
// evaluated. Bands 3k, 3k+1 and 3k+2 form octave k of OctaveBands; the top band is 8980 Hz,
// not 10 kHz.
inline constexpr ThirdOctaves RectThirdOctaveBands{
    50, 63, 80, 100, 125, 160, 200, 250, 315, 400, 500, 630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 8980};
// clang-format on

// The lowest differential pressure any rectangular controller form accepts, in Pa; the highest
// is ProductInputs::maxDifferentialPressure.
inline constexpr double kMinimumDifferentialPressure = 0.1;

// Caps a minimum pressure formula at 9999 Pa.
double CapMinimumPressure(double minimumPressure);

// Whether dp is enough: a pressure up to 1 Pa below the minimum is still accepted.
bool AcceptsPressure(double differentialPressure, double minimumPressure);

// Whether an input read as a number lies within [low, high].
bool InRange(const std::optional<double>& value, double low, double high);

// The noise one casing variant radiates: the air-regenerated octave levels less its losses.
struct CaseRadiated {
    Octaves levels{};           // dB
    double summationLevel = 0;  // dB(A)
};

struct CasingNoise {
    int sizeClass = 0;  // 1 to 16
    CaseRadiated bare;
    CaseRadiated insulated30;  // with 30 mm insulation
};

// The sound a rectangular controller makes at its operating point.
struct RectSpectrum {
    ThirdOctaves thirdOctave{};         // dB, at RectThirdOctaveBands
    Octaves octave{};                   // air-regenerated octave levels, dB
    double summationLevel = 0;          // dB(A)
    std::optional<CasingNoise> casing;  // absent for a width beyond every casing size class
};

// Octave levels, summation level and case-radiated rows of a controller of width W and
// height H in mm from its third-octave levels. Absent when a level is not finite, as a volume
// flow of 0 makes it.
std::optional<RectSpectrum> SpectrumFromThirds(const ThirdOctaves& thirds, double width,
                                               double height);

// The groups of result fields a form empties when it refuses an input.
enum class ResultGroup {
    Acoustic,  // air-regenerated and case-radiated rows with their summation levels
    Flow,      // velocity and minimum pressure
    Range,     // the Basko's theoretical and existing-scale ranges
    Nozzles,   // the Quenta's nozzle size, count, C-factor and their range
    Torque,    // the Quenta's three required torques
};
using ResultGroups = std::set<ResultGroup>;

}  // namespace lorvane::rectangular
