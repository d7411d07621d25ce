#include "room/room_attenuator.h"

#include <algorithm>
#include <array>

#include "core/acoustics.h"
#include "core/attenuator_table.h"

namespace lorvane::room {
namespace {

// What the room hears with an attenuator: its duct-borne path less the insertion loss and, when
// it reaches the room, the casing's path as it is.
struct PathsBehind {
    const Octaves& ductBorne;
    const std::optional<Octaves>& casing;

    // Per band the louder of the two paths: their energy sum is never below it.
    Octaves Louder(const Octaves& insertionLoss) const {
        Octaves levels{};
        for (int k = 0; k < kOctaveCount; ++k) {
            levels[k] = ductBorne[k] - insertionLoss[k];
            if (casing) {
                levels[k] = std::max(levels[k], (*casing)[k]);
            }
        }
        return levels;
    }

    Octaves Together(const Octaves& insertionLoss) const {
        Octaves levels{};
        for (int k = 0; k < kOctaveCount; ++k) {
            levels[k] = ductBorne[k] - insertionLoss[k];
            if (casing) {
                levels[k] = LevelSum(std::array{levels[k], (*casing)[k]});
            }
        }
        return levels;
    }
};

// A rating that levels at least as loud as these are sure to reach, cheaper to form than the
// ratings themselves: NR and NC grow with every band, and an A-weighted sum is never below its
// loudest weighted band.
double RatingFloor(const Octaves& levels, RatingKind kind) {
    if (kind != RatingKind::SummationLevel) {
        return Rate(levels, kind);
    }
    double loudest = levels[0] + OctaveAWeighting(0);
    for (int k = 1; k < kOctaveCount; ++k) {
        loudest = std::max(loudest, levels[k] + OctaveAWeighting(k));
    }
    return loudest;
}

}  // namespace

std::optional<RoomAttenuator> FindRoomAttenuator(int diameter, const Octaves& ductBorneLevels,
                                                 const std::optional<Octaves>& casingLevels,
                                                 const RoomTarget& target) {
    // Far above the rounding error of the ratings' arithmetic, so that the floor passes every
    // attenuator the rating itself might let pass.
    constexpr double kMargin = 1e-9;
    const PathsBehind paths{ductBorneLevels, casingLevels};
    for (int length = 0; length < kAttenuatorLengthCount; ++length) {
        for (int insulation = 0; insulation < kInsulationCount; ++insulation) {
            const Octaves& loss = InsertionLossTable[diameter][insulation][length];
            if (!MeetsTarget(RatingFloor(paths.Louder(loss), target.rating) - kMargin, target)) {
                continue;  // too loud whatever the sum of the paths
            }
            const Octaves levels = paths.Together(loss);
            if (MeetsTarget(Rate(levels, target.rating), target)) {
                return RoomAttenuator{InsulationTexts[insulation], AttenuatorLengths[length].text,
                                      levels, RateRoom(levels)};
            }
        }
    }
    return std::nullopt;
}

}  // namespace lorvane::room
