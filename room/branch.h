#pragma once

#include "core/bands.h"

namespace lorvane::room {

// Attenuation in dB of a branch that carries on the given share (0 < share <= 1) of the sound
// power reaching its junction: the branch's cross-section over the sum of those leaving it.
Octaves BranchAttenuation(double share);

}  // namespace lorvane::room
