#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "room/room_rating.h"

namespace lorvane::room {

// The most a room may rate: "35" (dB(A)), "NR 30" or "NC 30".
struct RoomTarget {
    RatingKind rating = RatingKind::SummationLevel;
    double value = 0;  // 0 or more
    bool operator==(const RoomTarget&) const = default;
};

// Reads a room target: a number for dB(A), or "NR" or "NC" in any case followed by a number,
// with or without a blank between ("nr30"); the number is read as the forms read numbers
// (ReadNumber). A text that is none of these, or a negative target, is refused with a sentence.
std::variant<RoomTarget, std::string> ReadRoomTarget(std::string_view text);

// The target as a sentence names it: "35 dB(A)", "NR 30", "NC 30".
std::string TargetText(const RoomTarget& target);

// Whether a rating of the target's kind, shown as a whole number (halves away from zero), is at
// most the target. A room below the lowest NC curve rates NC 0 and so meets every NC target.
bool MeetsTarget(double rating, const RoomTarget& target);

}  // namespace lorvane::room
