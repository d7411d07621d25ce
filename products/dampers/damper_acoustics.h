#pragma once

#include <array>
#include <limits>
#include <optional>

#include "core/bands.h"
#include "products/dampers/blade_model.h"

namespace lorvane::dampers {

// How the blades turn against each other; the values are the linkage codes of the model.
enum class BladeLinkage { SameDirection = 1, OppositeDirection = 2 };

// The blade angle in degrees as a polynomial in x = log10(10 zeta), c0 + c1 x + c2 x^2 + ...,
// per linkage and sealing code.
struct BladeAngleRow {
    BladeLinkage linkage;
    int sealingCode;
    std::array<double, 7> c;
};

// The shape of the third-octave spectrum as a polynomial in the Strouhal term, per linkage and
// range of zeta. A row applies up to and including its upper bound.
struct DamperSpectrumRow {
    BladeLinkage linkage;
    double zetaUpTo;
    std::array<double, 5> s;
};

inline constexpr double kNoBound = std::numeric_limits<double>::infinity();

// clang-format off
inline constexpr std::array<BladeAngleRow, 4> BladeAngleCoefficients{{
    // linkage                         code  c0          c1         c2          c3          c4         c5          c6
    {BladeLinkage::SameDirection,      1, {-14.03004,  41.0168,   -2.31407,  -0.3787815,  0,         0,          0}},
    {BladeLinkage::SameDirection,      2, {-17.91896,  46.53044,  -5.300002,  0.06975215, 0,         0,          0}},
    {BladeLinkage::OppositeDirection,  1, {-27.6873,   95.18294, -49.53372,   1.786141,   8.690309, -2.870536,   0.2745536}},
    {BladeLinkage::OppositeDirection,  2, {-22.4064,   67.02888, -23.58581,  -1.271037,   3.937671, -1.003856,   0.07658306}},
}};

inline constexpr std::array<DamperSpectrumRow, 10> DamperSpectrumCoefficients{{
    // linkage                         zeta <=    s0          s1          s2          s3          s4
    {BladeLinkage::SameDirection,         1.5,  { 81.59833,  -71.90318,   23.87214,  -3.418715,   0}},
    {BladeLinkage::SameDirection,        10,    {189.9275,  -193.9554,    64.63253,  -7.7,        0}},
    {BladeLinkage::SameDirection,        60,    {301.34,    -296.5026,    95.7895,  -10.69105,    0}},
    {BladeLinkage::SameDirection,       800,    {143.69,    -105.34,      24.345,    -2.078299,   0}},
    {BladeLinkage::SameDirection,     kNoBound, {166.548,     79.93505, -113.05,     30.3019,    -2.468294}},
    {BladeLinkage::OppositeDirection,     2,    { 74.5596,   -63.247,     20.74822,  -3.078732,   0}},
    {BladeLinkage::OppositeDirection,    30,    {117.2536,  -112.8249,    34.6205,   -3.994262,   0}},
    {BladeLinkage::OppositeDirection,   200,    {243.1028,  -242.9721,    76.61785,  -8.132428,   0}},
    {BladeLinkage::OppositeDirection,  6000,    {310.557,   -255.0871,    66.30355,  -5.76347,    0}},
    {BladeLinkage::OppositeDirection, kNoBound, {713.3083,  -504.2347,   116.3186,   -8.954128,   0}},
}};

// The aerodynamic torque as a polynomial in the blade angle in degrees, e0 + e1 a + ... + e6 a^6.
inline constexpr std::array<double, 7> AeroTorqueCoefficients{
    2.181185, 0.02154805, -0.003873904, 9.697131e-05, -1.038606e-06, 4.379005e-09, -2.223661e-12};
// clang-format on

// The resistance coefficient of the closed damper.
constexpr double MaxZeta(int sealingType) {
    return sealingType == kSealingStandard ? 2000 : 27000;
}

// The spectrum row of a linkage for a resistance coefficient.
const DamperSpectrumRow& DamperSpectrumRowFor(BladeLinkage linkage, double zeta);

// A level rounded to whole decibels as the damper forms show it: the whole part, toward zero, of
// the level plus 0.5 (47.5 is 48, -3.7 is -3, -0.7 is 0). Absent when the level is not finite.
std::optional<double> RoundLevel(double level);

// One column of the blade table.
struct BladeColumn {
    int pitch = kBlade100;                 // mm
    double maxPressureDifference = 0;      // Pa, at the permitted bending of the sealing
    std::optional<double> maxTorque;       // Nm, at maxPressureDifference; absent without a blade
    std::optional<double> requiredTorque;  // Nm, at the differential pressure; likewise
    double bending = 0;                    // mm, at the differential pressure
};

struct DamperAcousticsResult {
    double area = 0;        // m2
    double velocity = 0;    // m/s
    double zeta = 0;        // resistance coefficient
    double bladeAngle = 0;  // degrees, at most 90
    // The angle polynomial gives less than 0 degrees: below the resistance of the open damper,
    // or far above that of the closed one, where the polynomial no longer holds.
    bool negativeBladeAngle = false;
    double aerodynamicTorque = 0;  // Ncm, 0 when the blades turn in the same direction
    double maxZeta = 0;
    // Octave levels 63 Hz to 8 kHz (dB) and the A-weighted summation level (dB(A)), rounded to
    // whole decibels. A level is absent where the model gives no finite value.
    std::array<std::optional<double>, kOctaveCount> octave{};
    std::optional<double> summationLevel;
    bool outsideSoundModel = false;       // some level is absent
    std::array<BladeColumn, 2> blades{};  // 100 mm, 165 mm
};

// The flow and sound of a multi-leaf damper in a duct: width W and height H in mm, volume flow
// in m3/h, the blade linkage, the sealing type (1 to 3) and the differential pressure in Pa.
// Throws std::invalid_argument for another sealing type: the form only offers these three.
DamperAcousticsResult CalculateDamperAcoustics(double width, double height, double volumeFlow,
                                               BladeLinkage linkage, int sealingType,
                                               double differentialPressure);

}  // namespace lorvane::dampers
