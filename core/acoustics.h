#pragma once

#include <span>

#include "core/bands.h"

namespace lorvane {

// Energetic sum of levels in dB: 10 log10(sum of 10^(L/10)), summed in the order given.
double LevelSum(std::span<const double> levels);

// Octave k is the level sum of third-octave bands 3k, 3k+1 and 3k+2.
Octaves OctaveFromThirds(const ThirdOctaves& thirds);

// Each octave plus its octave A-weighting, band by band.
Octaves AWeightedOctaves(const Octaves& octaves);

// The level sum of the A-weighted octaves, in dB(A).
double AWeightedSummationLevel(const Octaves& octaves);

// Mean velocity in m/s of a volume flow in m3/h through a round duct of the given diameter in mm.
double DuctVelocity(double volumeFlow, double diameter);

}  // namespace lorvane
