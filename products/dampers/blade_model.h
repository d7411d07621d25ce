#pragma once

#include <array>
#include <optional>

namespace lorvane::dampers {

// Blade pitch in mm: the blade size, which is also the spacing of the blades over the height.
// The value 100 means the 100 mm blade; every other value takes the constants of the 165 mm
// blade, while BladeCount counts with the value itself.
inline constexpr int kBlade100 = 100;
inline constexpr int kBlade165 = 165;
inline constexpr std::array<int, 2> BladePitches{kBlade100, kBlade165};

// Sealing types of the torque model.
inline constexpr int kSealingStandard = 1;       // no seal
inline constexpr int kSealingHollowProfile = 2;  // hollow profile sealing
inline constexpr int kSealingAirtight = 3;

// The sealing code of the permissible bending: 1 for an unsealed damper (3 mm), any other value
// for a sealed one (1.5 mm).
inline constexpr int kSealingCodeUnsealed = 1;
inline constexpr int kSealingCodeSealed = 2;
constexpr int SealingCode(int sealingType) {
    return sealingType == kSealingStandard ? kSealingCodeUnsealed : kSealingCodeSealed;
}

// One row of the torque model: the torque of a whole damper of N blades is a + b N at the
// reference width of 200 mm and c + d N at the width Wref, in Nm, and grows with the
// differential pressure by the factor 1 + dp / P0.
struct TorqueRow {
    int sealingType;
    int pitch;
    double a, b;
    double c, d;
    double wref;  // mm
    double p0;    // Pa
};

// clang-format off
inline constexpr std::array<TorqueRow, 6> TorqueTable{{
    // sealing               blade       a         b         c         d          Wref    P0
    {kSealingStandard,      kBlade100,  0,        0.4,      0,        0.64,      1600,   2560},
    {kSealingStandard,      kBlade165,  0,        0.4,      0,        0.715,     2000,   1030},
    {kSealingHollowProfile, kBlade100,  0,        0.5,      0,        1.46,      1600,   2900},
    {kSealingHollowProfile, kBlade165,  0,        0.5,      0,        1.78,      2000,   2500},
    {kSealingAirtight,      kBlade100,  0.259467, 1.31486,  0.92566,  1.907433,  1000,   6666.6},
    {kSealingAirtight,      kBlade165,  0.140871, 1.3381,   0.98591,  2.4647,    1600,   4000},
}};
// clang-format on

// Second moment of area of one blade in cm4.
constexpr double BladeInertia(int pitch) {
    return pitch == kBlade100 ? 1.34 : 2.47;
}

// With BladeInertia, the divisor of the bending formula (dp in Pa, lengths in mm, I in cm4).
inline constexpr double kBendingStiffnessFactor = 1.617e11;

// A remainder of a frame's height that leaves at most this gap (mm) to the next full blade
// counts as one more blade.
inline constexpr double kCountedBladeGap = 20;

// The number of blades of the given pitch (mm) in a frame of the given height (mm). The height
// is cut to whole millimetres; a remainder that leaves a gap of at most 20 mm to the next full
// blade counts as one more blade (pitch 100: 279 mm holds 2, 280 mm holds 3). Absent when no
// blade fits (below 145 mm for the 165 mm blade, below 80 mm for the 100 mm blade), when the
// pitch is below 1, or when the height is not a finite number.
std::optional<int> BladeCount(int pitch, double height);

// The torque in Nm needed to operate a damper of width W and height H (mm) against a
// differential pressure dp (Pa), for a sealing type (kSealingStandard, kSealingHollowProfile or
// kSealingAirtight) and a blade pitch (kBlade100 or kBlade165). Widths outside the table's two
// reference widths extrapolate along the same line. Absent when the model has no answer: no
// blade of that pitch fits the height, more than 20 blades, a sealing type other than 1 to 3,
// or a result that is not finite.
std::optional<double> RequiredTorque(int sealingType, int pitch, double width, double height,
                                     double differentialPressure);

// How far one blade of the given pitch and length (mm) bends under dp (Pa), in mm.
double BladeBending(int pitch, double length, double differentialPressure);

// The differential pressure in Pa at which one blade of the given pitch and length (mm) bends
// by the permissible amount of its sealing code (3 mm unsealed, 1.5 mm sealed), never more than
// DamperInputs::maxDifferentialPressure (5000 Pa).
double MaxPressureDifference(int pitch, double length, int sealingCode);

}  // namespace lorvane::dampers
