#include <array>
#include <cmath>

#include "room/imperial_units.h"
#include "room/lined_duct.h"

namespace lorvane::room {
namespace {

// One coefficient of IL = B * (P/A)^C * t^D * L per octave band.
struct LinedRectangularCoefficients {
    char name;
    Octaves values;
};

// Reynolds' regression for lined rectangular sheet-metal ducts (NEBB eq. 5.16): IL in dB with
// P/A in 1/ft, the lining thickness t in inches and the length L in ft.
// clang-format off
inline constexpr std::array<LinedRectangularCoefficients, 3> LinedRectangularDuctRows{{
    //        63      125     250     500     1k     2k     4k     8k [Hz]
    {'B', {0.0133, 0.0574, 0.271, 1.0147, 1.770, 1.392, 1.518, 1.581}},
    {'C', {1.959,  1.410,  0.824, 0.500,  0.695, 0.802, 0.451, 0.219}},
    {'D', {0.917,  0.941,  1.079, 1.087,  0,     0,     0,     0    }},
}};
// clang-format on

// What the regression was fitted to.
inline constexpr double kThinnestLining = 25, kThickestLining = 52;                  // mm
inline constexpr double kLeastPerimeterOverArea = 1.17, kMostPerimeterOverArea = 6;  // 1/ft

}  // namespace

ElementAttenuation LinedRectangularDuctAttenuation(double width, double height, double length,
                                                   double lining) {
    const auto& [b, c, d] = LinedRectangularDuctRows;
    const double perimeterOverArea = PerimeterOverArea(width, height);
    const double inches = Inches(lining);
    const double feet = Feet(length);
    ElementAttenuation attenuation;
    for (int k = 0; k < kOctaveCount; ++k) {
        const double loss = b.values[k] * std::pow(perimeterOverArea, c.values[k]) *
                            std::pow(inches, d.values[k]) * feet;
        attenuation.decibels[k] = loss > kLinedDuctCeiling ? kLinedDuctCeiling : loss;
    }
    const bool fitted = lining >= kThinnestLining && lining <= kThickestLining &&
                        perimeterOverArea >= kLeastPerimeterOverArea &&
                        perimeterOverArea <= kMostPerimeterOverArea;
    if (!fitted) {
        attenuation.note =
            "lies outside the lined rectangular duct model's range (25 to 52 mm of lining, a P/A "
            "of 1.17 to 6 per ft): its attenuation is an extrapolation";
    }
    return attenuation;
}

}  // namespace lorvane::room
