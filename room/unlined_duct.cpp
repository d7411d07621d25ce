#include "room/unlined_duct.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "room/imperial_units.h"

namespace lorvane::room {

// Reynolds' regression (NEBB), which reproduces the ASHRAE table of unlined rectangular ducts,
// in dB/ft with P/A in 1/ft: below 250 Hz the wall vibrates and a small section loses less,
// above it only the wall's absorption remains.
Octaves UnlinedRectangularDuctAttenuation(double width, double height, double length) {
    const double perimeterOverArea = PerimeterOverArea(width, height);
    const double feet = Feet(length);
    Octaves attenuation{};
    for (int k = 0; k < kOctaveCount; ++k) {
        const double f = OctaveBands[k];
        double perFoot = 0;
        if (f > 250) {
            perFoot = 0.02 * std::pow(perimeterOverArea, 0.8);
        } else if (perimeterOverArea >= 3) {
            perFoot = 17.0 * std::pow(perimeterOverArea, -0.25) * std::pow(f, -0.85);
        } else {
            perFoot = 1.64 * std::pow(perimeterOverArea, 0.73) * std::pow(f, -0.58);
        }
        attenuation[k] = perFoot * feet;
    }
    return attenuation;
}

namespace {

inline constexpr int kUnlinedRoundBands = 7;  // 63 Hz to 4 kHz; 8 kHz takes the 4 kHz value

struct UnlinedRoundDuctRow {
    double upToDiameter;                              // mm, this row's largest diameter
    std::array<double, kUnlinedRoundBands> perMetre;  // dB/m
};

inline constexpr double kAnyDiameter = std::numeric_limits<double>::infinity();

// Attenuation of unlined round sheet-metal ducts (ASHRAE).
// clang-format off
inline constexpr std::array<UnlinedRoundDuctRow, 4> UnlinedRoundDuctRows{{
    //  D up to [mm]    63    125   250   500   1k    2k    4k [Hz], dB/m
    {180,          {0.10, 0.10, 0.16, 0.16, 0.33, 0.33, 0.33}},
    {380,          {0.10, 0.10, 0.10, 0.16, 0.23, 0.23, 0.23}},
    {760,          {0.07, 0.07, 0.07, 0.10, 0.16, 0.16, 0.16}},
    {kAnyDiameter, {0.03, 0.03, 0.03, 0.07, 0.07, 0.07, 0.07}},
}};
// clang-format on

const UnlinedRoundDuctRow& UnlinedRoundDuctRowFor(double diameter) {
    for (const UnlinedRoundDuctRow& row : UnlinedRoundDuctRows) {
        if (diameter <= row.upToDiameter) {
            return row;
        }
    }
    return UnlinedRoundDuctRows.back();
}

}  // namespace

Octaves UnlinedRoundDuctAttenuation(double diameter, double length) {
    const UnlinedRoundDuctRow& row = UnlinedRoundDuctRowFor(diameter);
    Octaves attenuation{};
    for (int k = 0; k < kOctaveCount; ++k) {
        attenuation[k] = row.perMetre[std::min(k, kUnlinedRoundBands - 1)] * length;
    }
    return attenuation;
}

}  // namespace lorvane::room
