#pragma once

#include <optional>
#include <string_view>

#include "core/bands.h"
#include "room/room_rating.h"
#include "room/room_target.h"

namespace lorvane::room {

// An attenuator of the program's table right behind the product, and the room with it.
struct RoomAttenuator {
    std::string_view thickness;  // its insulation, "25mm"
    std::string_view length;     // "1.00m"
    Octaves levels{};            // dB at the listener, every path together
    RoomRating rating;
};

// The shortest attenuator of the table for the diameter at the given position of
// AttenuatorDiameters, and on equal length the one with the thinner insulation, whose insertion
// loss taken off the duct-borne levels makes the room meet the target; its table rows only, no
// interpolation. The levels are those at the listener without an attenuator: of the duct-borne
// path, and of the casing's path when it reaches the room. Nothing when no row meets the target.
std::optional<RoomAttenuator> FindRoomAttenuator(int diameter, const Octaves& ductBorneLevels,
                                                 const std::optional<Octaves>& casingLevels,
                                                 const RoomTarget& target);

}  // namespace lorvane::room
