#pragma once

#include <array>

#include "products/dampers/blade_model.h"

namespace lorvane::dampers {

// The reinforced blade bends less than the standard one by this factor.
constexpr double ReinforcementFactor(int pitch) {
    return pitch == kBlade100 ? 2.32 : 1.71;
}

// How far one blade bends, in mm.
struct BendingColumn {
    int pitch = kBlade100;  // mm
    double standard = 0;
    double reinforced = 0;
};

struct BladeBendingResult {
    std::array<BendingColumn, 2> blades{};  // 100 mm, 165 mm
};

// The bending of the 100 mm and 165 mm blades, standard and reinforced, for a blade length in mm
// and a differential pressure in Pa.
BladeBendingResult CalculateBladeBending(double length, double differentialPressure);

}  // namespace lorvane::dampers
