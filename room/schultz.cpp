#include "room/schultz.h"

#include <cmath>

namespace lorvane::room {

Octaves SchultzGain(const RoomSize& size, double distance) {
    const double roomTerm = -10 * std::log10(distance) - 5 * std::log10(size.Volume()) + 12;
    Octaves gain{};
    for (int k = 0; k < kOctaveCount; ++k) {
        gain[k] = roomTerm - 3 * std::log10(OctaveBands[k]);
    }
    return gain;
}

}  // namespace lorvane::room
