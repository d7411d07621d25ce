#include "room/diffuse_field.h"

#include <cmath>
#include <numbers>

#include "core/number_text.h"

namespace lorvane::room {

std::variant<Octaves, std::string> DiffuseFieldGain(const RoomSize& size,
                                                    const Reverberation& reverberation,
                                                    double distance, double directivity) {
    const double volume = size.Volume();
    const double surface = size.Surface();
    const double direct = directivity / (4 * std::numbers::pi * distance * distance);
    Octaves gain{};
    for (int k = 0; k < kOctaveCount; ++k) {
        if (k > 0 && reverberation.seconds[k] == reverberation.seconds[k - 1]) {
            gain[k] = gain[k - 1];  // the same time gives the same gain: one time for all bands
            continue;
        }
        const double absorptionArea = 0.161 * volume / reverberation.seconds[k];  // Sabine, m2
        const double meanAbsorption = absorptionArea / surface;
        if (!(meanAbsorption < 1)) {
            const std::string band =
                reverberation.perBand ? " at " + WholeNumber(OctaveBands[k]) + " Hz" : "";
            return "The reverberation time" + band +
                   " is too short for this room: its mean absorption would be 1 or more.";
        }
        const double roomConstant = surface * meanAbsorption / (1 - meanAbsorption);
        gain[k] = 10 * std::log10(direct + 4 / roomConstant);
    }
    return gain;
}

}  // namespace lorvane::room
