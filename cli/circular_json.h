#pragma once

#include "cli/commands.h"
#include "products/circular/circular_controller.h"

namespace lorvane::cli {

// The JSON runner of a circular controller: the flow range, velocity, zeta where the model has
// one, minimum pressure and acceptance, the octave spectrum with its casing rows and the
// attenuator selection. Reads the options "diameter", "flow", "dp" and "target".
JsonRunner CircularJson(const circular::CircularController& controller);

}  // namespace lorvane::cli
