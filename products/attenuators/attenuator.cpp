#include "products/attenuators/attenuator.h"

#include <cmath>

namespace lorvane::attenuators {

std::optional<InsertionLoss> InterpolateInsertionLoss(int diameterPosition, double length) {
    if (diameterPosition < 0 || diameterPosition >= kAttenuatorDiameterCount) {
        return std::nullopt;
    }
    const double truncated = std::trunc(length);
    int upper = 0;
    while (upper < kAttenuatorLengthCount && !(truncated <= AttenuatorLengths[upper].millimetres)) {
        ++upper;
    }
    if (upper == kAttenuatorLengthCount) {
        return std::nullopt;
    }
    const auto& table = InsertionLossTable[diameterPosition];
    InsertionLoss loss{};
    for (int t = 0; t < kInsulationCount; ++t) {
        if (upper == 0) {
            loss[t] = table[t][0];
            continue;
        }
        const double shorter = AttenuatorLengths[upper - 1].millimetres;
        const double longer = AttenuatorLengths[upper].millimetres;
        for (int k = 0; k < kOctaveCount; ++k) {
            const double lo = table[t][upper - 1][k];
            const double hi = table[t][upper][k];
            loss[t][k] = lo + (hi - lo) * (length - shorter) / (longer - shorter);
        }
    }
    return loss;
}

}  // namespace lorvane::attenuators
