#pragma once

#include <array>
#include <optional>

#include "products/dampers/blade_model.h"

namespace lorvane::dampers {

// A bent sheet-metal profile of the frame: its developed cross-section as up to five segments
// in mm (unused slots hold 0) with n segments in use, and one further length in mm.
struct FrameProfile {
    int n;
    std::array<double, 5> segments;
    double furtherLength;
};

// The construction data of one damper model, from which its weight follows. Lengths in mm.
struct DamperModelRecord {
    int modelKey;
    std::array<double, 4> sizes;  // the model's size limits; the weight does not read them
    double depth;                 // d
    double bladePitch;            // e
    double bladeInertia;          // cm4; the weight does not read it
    double bladeWidth;            // b, developed
    double bladeThickness;        // s
    double frameThickness;        // t
    std::array<FrameProfile, 4> profiles;
};

// clang-format off
// The airtight damper Ostra 1, with 100 mm blades.
inline constexpr DamperModelRecord Ostra1{
    .modelKey = 1,
    .sizes = {200, 1300, 200, 1200},
    .depth = 120, .bladePitch = 100, .bladeInertia = 1.34,
    .bladeWidth = 245, .bladeThickness = 0.75, .frameThickness = 1.25,
    .profiles = {{
        // n   segments                  further length
        {3,  {0, 30, 120,  30, 0},  58},
        {3,  {0, 30, 120,  30, 0},  58},
        {3,  {0, 12, 120, 118, 0},   0},
        {3,  {0, 38, 120,  12, 0},   0},
    }},
};

// The airtight damper Ostra 2, with 165 mm blades.
inline constexpr DamperModelRecord Ostra2{
    .modelKey = 2,
    .sizes = {200, 1600, 200, 1650},
    .depth = 175, .bladePitch = 165, .bladeInertia = 2.47,
    .bladeWidth = 368.5, .bladeThickness = 0.9, .frameThickness = 1.25,
    .profiles = {{
        {3,  {0, 30, 175,  30, 0},  58},
        {3,  {0, 30, 175,  30, 0},  58},
        {3,  {0, 12, 175, 118, 0},   0},
        {3,  {0, 38, 175,  12, 0},   0},
    }},
};
// clang-format on

// kg/dm3, galvanised steel: every damper model is made of it.
inline constexpr double kSteelDensity = 7.85;

// The weight in kg of a damper model of width W and height H in mm: its frame sheet and its
// blades. Absent when no blade of the model fits the height, or the size gives no finite weight.
std::optional<double> DamperWeight(const DamperModelRecord& record, double width, double height);

// The torques in Nm to operate a damper with blades of one size, and its weight. A value is
// absent when no blade of that size fits the height.
struct TorqueColumn {
    int pitch = kBlade100;                // mm
    std::optional<double> standard;       // no seal
    std::optional<double> hollowProfile;  // hollow profile sealing
    std::optional<double> classTwo;  // EN 1751 class 2: halfway from hollow profile to airtight
    std::optional<double> airtight;
    std::optional<double> weight;  // kg, of Ostra 1 or Ostra 2
};

struct DamperTorqueResult {
    std::array<TorqueColumn, 2> blades{};  // 100 mm, 165 mm
};

// The torques and weights of a damper of width W and height H in mm at a differential pressure
// dp in Pa, for both blade sizes.
DamperTorqueResult CalculateDamperTorque(double width, double height, double differentialPressure);

}  // namespace lorvane::dampers
