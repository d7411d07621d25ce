#include "room/noise_rating.h"

#include <array>

namespace lorvane::room {
namespace {

// One row of the NR curves' coefficients, per octave band.
struct NrCoefficients {
    char name;
    Octaves values;
};

// The NR curves as Lp = a + b NR per band (ISO R 1996, AS 1469).
// clang-format off
inline constexpr std::array<NrCoefficients, 2> NrCurveRows{{
    //      63     125    250    500    1k     2k     4k     8k [Hz]
    {'a', {35.5,  22.0,  12.0,   4.8,   0,    -3.5,  -6.1,  -8.0  }},  // dB
    {'b', { 0.790, 0.870, 0.930, 0.974, 1.000, 1.015, 1.025, 1.030}},
}};
// clang-format on

}  // namespace

double RateNr(const Octaves& levels) {
    const auto& [a, b] = NrCurveRows;
    double rating = (levels[0] - a.values[0]) / b.values[0];
    for (int k = 1; k < kOctaveCount; ++k) {
        const double bandRating = (levels[k] - a.values[k]) / b.values[k];
        if (bandRating > rating) {
            rating = bandRating;
        }
    }
    return rating;
}

Octaves NrCurve(double rating) {
    const auto& [a, b] = NrCurveRows;
    Octaves levels{};
    for (int k = 0; k < kOctaveCount; ++k) {
        levels[k] = a.values[k] + b.values[k] * rating;
    }
    return levels;
}

}  // namespace lorvane::room
