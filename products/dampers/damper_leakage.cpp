#include "products/dampers/damper_leakage.h"

#include <cmath>

namespace lorvane::dampers {

DamperLeakageResult CalculateDamperLeakage(double width, double height,
                                           double differentialPressure) {
    const double area = (width / 1000) * (height / 1000);
    const double s1 = std::sqrt(differentialPressure / 100);
    const double s2 = std::sqrt(differentialPressure / 1000);

    DamperLeakageResult result;
    for (std::size_t b = 0; b < BladePitches.size(); ++b) {
        LeakageColumn& column = result.blades[b];
        column.pitch = BladePitches[b];
        column.rows[static_cast<std::size_t>(LeakageConstruction::Airtight)] = {
            kAirtightLeakageFactor * area * s1,
            MaxPressureDifference(column.pitch, width, kAirtightSealingCode)};
        for (const LeakageRow& row : LeakageTable) {
            if (row.pitch != column.pitch) {
                continue;
            }
            column.rows[static_cast<std::size_t>(row.construction)] = {
                ((row.k1 * width + row.k2) * height + row.k3 * width + row.k4) * s2,
                MaxPressureDifference(column.pitch, width, row.sealingCode)};
        }
    }
    return result;
}

}  // namespace lorvane::dampers
