#pragma once

#include "core/bands.h"
#include "room/room_size.h"

namespace lorvane::room {

// The largest room Schultz's model was made for, in m3: furnished rooms up to about this size.
inline constexpr double kSchultzLargestRoom = 420;

// Per band, the sound pressure level at the listener less the sound power put into the room, in
// dB, by Schultz's model of furnished rooms (ASHRAE): Lp - Lw = -10 lg r - 5 lg V - 3 lg f + 12
// with the distance r in m, the room's volume V in m3 and the band's centre f in Hz.
Octaves SchultzGain(const RoomSize& size, double distance);

}  // namespace lorvane::room
