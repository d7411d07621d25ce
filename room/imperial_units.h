#pragma once

// The duct models were fitted in feet and inches; Lorvane's inputs are in metres and millimetres.

namespace lorvane::room {

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kMillimetresPerFoot = 304.8;
inline constexpr double kMillimetresPerInch = 25.4;

constexpr double Feet(double metres) {
    return metres / kMetresPerFoot;
}

constexpr double Inches(double millimetres) {
    return millimetres / kMillimetresPerInch;
}

// Perimeter over area in 1/ft of a rectangular section with sides in mm.
constexpr double PerimeterOverArea(double width, double height) {
    return 2 * (width + height) / (width * height) * kMillimetresPerFoot;
}

}  // namespace lorvane::room
