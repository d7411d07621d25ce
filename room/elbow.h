#pragma once

#include "core/bands.h"

namespace lorvane::room {

// The shape of a 90° bend: square (mitred), with or without turning vanes, or round (radiused).
enum class Bend { Square, Round };

// Attenuation in dB of a 90° elbow in a duct whose width in the plane of the bend is given in
// mm. A round bend has one row of values: vanes and lining change nothing there.
Octaves ElbowAttenuation(double width, Bend bend, bool vanes, bool lined);

}  // namespace lorvane::room
