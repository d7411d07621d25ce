#pragma once

#include <array>

#include "products/dampers/blade_model.h"

namespace lorvane::dampers {

// The constructions of the leakage form, top to bottom.
enum class LeakageConstruction {
    Airtight,
    Standard,
    LipSealing,
    LipAndStopBeadSealing,
    HollowProfileSealingAndStopAngle,
};
inline constexpr int kLeakageConstructionCount = 5;

// The leakage of a closed standard damper, ((k1 W + k2) H + k3 W + k4) sqrt(dp / 1000) in m3/h
// with W and H in mm and dp in Pa, and the sealing code of its maximum pressure difference.
struct LeakageRow {
    LeakageConstruction construction;
    int pitch;
    double k1, k2, k3, k4;
    int sealingCode;
};

// clang-format off
inline constexpr std::array<LeakageRow, 8> LeakageTable{{
    // construction                                          blade      k1        k2       k3       k4       code
    {LeakageConstruction::Standard,                         kBlade100, 0.00276,  0.4942,  0.6104,  -12.4,   1},
    {LeakageConstruction::Standard,                         kBlade165, 0.001327, 0.444,   0.61069,  18.59,  1},
    {LeakageConstruction::LipSealing,                       kBlade100, 0,        0.4495,  0.86625,   3.58,  2},
    {LeakageConstruction::LipSealing,                       kBlade165, 0,        0.453,   0.8739,   -2.57,  2},
    // one row of the catalogue for both blades
    {LeakageConstruction::LipAndStopBeadSealing,            kBlade100, 0,        0.452,   0,         0,     2},
    {LeakageConstruction::LipAndStopBeadSealing,            kBlade165, 0,        0.452,   0,         0,     2},
    {LeakageConstruction::HollowProfileSealingAndStopAngle, kBlade100, 0,        0.3454,  0.11125, 118.25,  2},
    {LeakageConstruction::HollowProfileSealingAndStopAngle, kBlade165, 0,        0.449,   0.15277,  -3.912, 2},
}};
// clang-format on

// The airtight damper leaks 10 A sqrt(dp / 100) m3/h with A in m2, with either blade; its blades
// may bend as far as those of a sealed damper.
inline constexpr double kAirtightLeakageFactor = 10;
inline constexpr int kAirtightSealingCode = 3;

struct LeakageCell {
    double leakage = 0;                // m3/h
    double maxPressureDifference = 0;  // Pa
};

struct LeakageColumn {
    int pitch = kBlade100;                                      // mm
    std::array<LeakageCell, kLeakageConstructionCount> rows{};  // by LeakageConstruction
};

struct DamperLeakageResult {
    std::array<LeakageColumn, 2> blades{};  // 100 mm, 165 mm

    const LeakageCell& Cell(int blade, LeakageConstruction construction) const {
        return blades[blade].rows[static_cast<std::size_t>(construction)];
    }
};

// The leakage of the closed damper of width W and height H in mm at a differential pressure dp
// in Pa, for each construction and blade size, with the largest pressure its blades take.
DamperLeakageResult CalculateDamperLeakage(double width, double height,
                                           double differentialPressure);

}  // namespace lorvane::dampers
