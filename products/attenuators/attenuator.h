#pragma once

#include <array>
#include <optional>

#include "core/attenuator_table.h"
#include "core/bands.h"

namespace lorvane::attenuators {

// Insertion loss in dB per insulation thickness (25, 50, 75 mm) and octave band.
using InsertionLoss = std::array<Octaves, kInsulationCount>;

// The insertion loss of a Nerva attenuator: diameter by its position in AttenuatorDiameters,
// length in mm, linear between the tabulated lengths. The bracket is chosen with the length
// truncated to whole millimetres, the interpolation uses the exact length: from 500 up to
// below 501 mm it gives the 500 mm values, and 750.6 mm is extended by 0.6 mm from the 500 to
// 750 mm bracket. Nothing when the truncated length is above 2000 mm or the position is not in
// the table.
std::optional<InsertionLoss> InterpolateInsertionLoss(int diameterPosition, double length);

}  // namespace lorvane::attenuators
