#pragma once

#include "room/element_attenuation.h"

namespace lorvane::room {

// A lined duct attenuates at most this much per band: beyond it, sound flanks the lining through
// the duct wall.
inline constexpr double kLinedDuctCeiling = 40;  // dB

// Insertion loss in dB of a rectangular duct with sides in mm, a length in m and a lining
// thickness in mm; with a note outside 25 to 52 mm of lining or a P/A of 1.17 to 6 per ft.
ElementAttenuation LinedRectangularDuctAttenuation(double width, double height, double length,
                                                   double lining);

// Insertion loss in dB of a round duct with an inner diameter in mm, a length in m and a lining
// thickness in mm; with a note outside 150 to 1520 mm of diameter or 25 to 76 mm of lining.
ElementAttenuation LinedRoundDuctAttenuation(double diameter, double length, double lining);

}  // namespace lorvane::room
