#pragma once

#include "core/bands.h"

namespace lorvane::room {

// Attenuation in dB of an unlined rectangular sheet-metal duct with sides in mm and a length
// in m.
Octaves UnlinedRectangularDuctAttenuation(double width, double height, double length);

// Attenuation in dB of an unlined round sheet-metal duct with a diameter in mm and a length
// in m.
Octaves UnlinedRoundDuctAttenuation(double diameter, double length);

}  // namespace lorvane::room
