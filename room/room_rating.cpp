#include "room/room_rating.h"

#include <optional>

#include "core/acoustics.h"
#include "core/nc_rating.h"
#include "room/noise_rating.h"

namespace lorvane::room {

RoomRating RateRoom(const Octaves& levels) {
    RoomRating rating;
    rating.summationLevel = AWeightedSummationLevel(levels);
    const std::optional<double> nc = RateNc(levels);
    rating.nc = nc.value_or(0);
    rating.ncBelowLowestCurve = !nc;
    rating.nr = RateNr(levels);
    return rating;
}

double Rate(const Octaves& levels, RatingKind kind) {
    switch (kind) {
        case RatingKind::Nc:
            return RateNc(levels).value_or(0);
        case RatingKind::Nr:
            return RateNr(levels);
        case RatingKind::SummationLevel:
            break;
    }
    return AWeightedSummationLevel(levels);
}

double RatingOf(const RoomRating& rating, RatingKind kind) {
    switch (kind) {
        case RatingKind::Nc:
            return rating.nc;
        case RatingKind::Nr:
            return rating.nr;
        case RatingKind::SummationLevel:
            break;
    }
    return rating.summationLevel;
}

}  // namespace lorvane::room
