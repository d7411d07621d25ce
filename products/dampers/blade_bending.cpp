#include "products/dampers/blade_bending.h"

namespace lorvane::dampers {

BladeBendingResult CalculateBladeBending(double length, double differentialPressure) {
    BladeBendingResult result;
    for (std::size_t b = 0; b < BladePitches.size(); ++b) {
        const int pitch = BladePitches[b];
        BendingColumn& column = result.blades[b];
        column.pitch = pitch;
        column.standard = BladeBending(pitch, length, differentialPressure);
        column.reinforced = column.standard / ReinforcementFactor(pitch);
    }
    return result;
}

}  // namespace lorvane::dampers
