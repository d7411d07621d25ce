#pragma once

#include <array>

namespace lorvane {

inline constexpr int kThirdOctaveCount = 24;
inline constexpr int kOctaveCount = 8;

// Levels per third-octave band (50 Hz to 10 kHz) and per octave band (63 Hz to 8 kHz).
using ThirdOctaves = std::array<double, kThirdOctaveCount>;
using Octaves = std::array<double, kOctaveCount>;

// clang-format off
// Third-octave centre frequencies in Hz.
inline constexpr ThirdOctaves ThirdOctaveBands{
    50, 63, 80, 100, 125, 160, 200, 250, 315, 400, 500, 630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000};

// Octave centre frequencies in Hz; octave k is made of third-octave bands 3k, 3k+1, 3k+2.
inline constexpr Octaves OctaveBands{63, 125, 250, 500, 1000, 2000, 4000, 8000};

// A-weighting in dB per third-octave band (IEC 61672, rounded to 0.1 dB).
inline constexpr ThirdOctaves AWeighting{
    -30.2, -26.2, -22.5, -19.1, -16.1, -13.4, -10.9, -8.6, -6.6, -4.8, -3.2, -1.9,
     -0.8,   0.0,   0.6,   1.0,   1.2,   1.3,   1.2,  1.0,  0.5, -0.1, -1.1, -2.5};
// clang-format on

// The A-weighting of an octave is that of its centre band, not a combination of its three bands.
constexpr double OctaveAWeighting(int octave) {
    return AWeighting[3 * octave + 1];
}

}  // namespace lorvane
