#pragma once

#include <array>

#include "core/bands.h"
#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// The spectrum model of the mechanical controllers (Selmon, Tolmar): a normalised polynomial
// over the Strouhal-like frequency, chosen by the resistance coefficient zeta.
struct PolynomialCoefficients {
    double zetaUpTo;  // the set applies up to and including this zeta
    double c0;
    double c1;
    double c2;
};

// clang-format off
inline constexpr std::array<PolynomialCoefficients, 3> SpectrumCoefficients{{
    //  zeta <=      c0          c1          c2
    {     20,   26.9551,   -12.3183,   -1.65237},
    {     50,   12.6168,   -3.62227,    -2.6089},
    {1.0e308,   -14.206,    14.5837,   -5.17604},
}};
// clang-format on

const PolynomialCoefficients& CoefficientsForZeta(double zeta);

// The controller's result for diameter D in mm, volume flow Q in m3/h and differential
// pressure dp in Pa, given its minimum pressure formula (before the cap) and its casing
// losses at D.
CircularResult CalculateZetaController(double diameter, double volumeFlow,
                                       double differentialPressure,
                                       double (*minimumPressure)(double velocity),
                                       const CasingLosses& casing);

}  // namespace lorvane::circular
