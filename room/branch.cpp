#include "room/branch.h"

#include <cmath>

namespace lorvane::room {

Octaves BranchAttenuation(double share) {
    // Adding 0 turns the -0 of a share of 1 into 0.
    const double loss = -10 * std::log10(share) + 0.0;
    Octaves attenuation{};
    attenuation.fill(loss);
    return attenuation;
}

}  // namespace lorvane::room
