#include "room/room_attenuator.h"

#include <array>

#include "core/acoustics.h"
#include "core/attenuator_table.h"
#include "core/number_text.h"

namespace lorvane::room {
namespace {

// The levels at the listener with an attenuator's insertion loss taken off the duct-borne path.
Octaves LevelsBehind(const Octaves& insertionLoss, const Octaves& ductBorneLevels,
                     const std::optional<Octaves>& casingLevels) {
    Octaves levels{};
    for (int k = 0; k < kOctaveCount; ++k) {
        levels[k] = ductBorneLevels[k] - insertionLoss[k];
        if (casingLevels) {
            levels[k] = LevelSum(std::array{levels[k], (*casingLevels)[k]});
        }
    }
    return levels;
}

// Whether an A-weighted level is sure to round above the target from its loudest band alone:
// a sum of bands is never below the loudest of them, so its summation level need not be formed.
// The margin, far above the rounding error of the sum, keeps every level the sum might let pass.
bool LoudestBandMissesTarget(const Octaves& levels, double target) {
    constexpr double kMargin = 1e-9;  // dB
    for (int k = 0; k < kOctaveCount; ++k) {
        if (RoundWhole(levels[k] + OctaveAWeighting(k) - kMargin) > target) {
            return true;
        }
    }
    return false;
}

bool Meets(const Octaves& levels, const RoomTarget& target) {
    if (target.rating == RatingKind::SummationLevel &&
        LoudestBandMissesTarget(levels, target.value)) {
        return false;
    }
    return MeetsTarget(Rate(levels, target.rating), target);
}

}  // namespace

std::optional<RoomAttenuator> FindRoomAttenuator(int diameter, const Octaves& ductBorneLevels,
                                                 const std::optional<Octaves>& casingLevels,
                                                 const RoomTarget& target) {
    for (int length = 0; length < kAttenuatorLengthCount; ++length) {
        for (int insulation = 0; insulation < kInsulationCount; ++insulation) {
            const Octaves& loss = InsertionLossTable[diameter][insulation][length];
            const Octaves levels = LevelsBehind(loss, ductBorneLevels, casingLevels);
            if (Meets(levels, target)) {
                return RoomAttenuator{InsulationTexts[insulation], AttenuatorLengths[length].text,
                                      levels, RateRoom(levels)};
            }
        }
    }
    return std::nullopt;
}

}  // namespace lorvane::room
