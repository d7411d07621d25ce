#pragma once

#include "core/bands.h"
#include "room/section.h"

namespace lorvane::room {

// Where an outlet opens into the room: flush with a wall or the ceiling, or free in the room.
enum class OutletMount { Flush, Free };

// The diameter in mm an outlet counts with: a round one's own, a rectangular one's equivalent
// sqrt(4 W H / pi).
double OutletDiameter(const Section& section);

// End reflection loss in dB of an outlet of the given diameter in mm (ASHRAE): the share of the
// sound power measured in the duct that the open end sends back up it.
Octaves EndReflectionLoss(double diameter, OutletMount mount);

}  // namespace lorvane::room
