#include <array>

#include "room/imperial_units.h"
#include "room/lined_duct.h"

namespace lorvane::room {
namespace {

// IL per ft = a + b t + c t^2 + d D + e D^2 + g D^3 in one octave band.
struct LinedRoundDuctRow {
    double hertz;
    double a, b, c, d, e, g;
};

// Reynolds' regression for lined round sheet-metal ducts (NEBB table 5.8): IL in dB/ft with the
// lining thickness t and the inner diameter D in inches.
// clang-format off
inline constexpr std::array<LinedRoundDuctRow, kOctaveCount> LinedRoundDuctRows{{
    //  Hz     a       b       c           d           e           g
    {  63, 0.2825, 0.3447, -5.251e-2, -3.837e-2,  9.132e-4, -8.294e-6},
    { 125, 0.5237, 0.2234, -4.936e-3, -2.724e-2,  3.377e-4, -2.490e-6},
    { 250, 0.3652, 0.7900, -0.1157,   -1.834e-2, -1.211e-4,  2.681e-6},
    { 500, 0.1333, 1.845,  -0.3735,   -1.293e-2,  8.624e-5, -4.986e-6},
    {1000, 1.933,  0,       0,         6.135e-2, -3.891e-3,  3.934e-5},
    {2000, 2.730,  0,       0,        -7.341e-2,  4.428e-4,  1.006e-6},
    {4000, 2.800,  0,       0,        -0.1467,    3.404e-3, -2.851e-5},
    {8000, 1.545,  0,       0,        -5.452e-2,  1.290e-3, -1.318e-5},
}};
// clang-format on

// What the regression was fitted to.
inline constexpr double kSmallestLinedDiameter = 150, kLargestLinedDiameter = 1520;  // mm
inline constexpr double kThinnestRoundLining = 25, kThickestRoundLining = 76;        // mm

}  // namespace

ElementAttenuation LinedRoundDuctAttenuation(double diameter, double length, double lining) {
    const double t = Inches(lining);
    const double inner = Inches(diameter);
    const double feet = Feet(length);
    ElementAttenuation attenuation;
    for (int k = 0; k < kOctaveCount; ++k) {
        const LinedRoundDuctRow& r = LinedRoundDuctRows[k];
        double perFoot = r.a + r.b * t + r.c * t * t + r.d * inner + r.e * inner * inner +
                         r.g * inner * inner * inner;
        if (perFoot < 0) {
            perFoot = 0;  // the regression falls below 0 where a lining adds nothing
        }
        const double loss = perFoot * feet;
        attenuation.decibels[k] = loss > kLinedDuctCeiling ? kLinedDuctCeiling : loss;
    }
    const bool fitted = diameter >= kSmallestLinedDiameter && diameter <= kLargestLinedDiameter &&
                        lining >= kThinnestRoundLining && lining <= kThickestRoundLining;
    if (!fitted) {
        attenuation.note =
            "lies outside the lined round duct model's range (150 to 1520 mm in diameter, 25 to "
            "76 mm of lining): its attenuation is an extrapolation";
    }
    return attenuation;
}

}  // namespace lorvane::room
