#pragma once

#include "core/bands.h"

namespace lorvane::room {

// How loud a room is, from its octave levels at the listener.
struct RoomRating {
    double summationLevel = 0;        // dB(A), with the program's octave A-weighting
    double nc = 0;                    // the program's NC rating; 0 below the lowest curve
    bool ncBelowLowestCurve = false;  // every band lies below the NC 10 curve
    double nr = 0;
};

// One of the ratings.
enum class RatingKind { SummationLevel, Nc, Nr };

// The ratings of finite octave levels in dB.
RoomRating RateRoom(const Octaves& levels);

// One rating of finite octave levels in dB, the others left unformed.
double Rate(const Octaves& levels, RatingKind kind);

// One rating out of all of them.
double RatingOf(const RoomRating& rating, RatingKind kind);

}  // namespace lorvane::room
