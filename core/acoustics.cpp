#include "core/acoustics.h"

#include <cmath>

namespace lorvane {

double LevelSum(std::span<const double> levels) {
    double energy = 0.0;
    for (double level : levels) {
        energy += std::pow(10.0, 0.1 * level);
    }
    return 10.0 * std::log10(energy);
}

Octaves OctaveFromThirds(const ThirdOctaves& thirds) {
    Octaves octaves{};
    for (int k = 0; k < kOctaveCount; ++k) {
        octaves[k] = LevelSum(std::span(thirds).subspan(3 * k, 3));
    }
    return octaves;
}

Octaves AWeightedOctaves(const Octaves& octaves) {
    Octaves weighted{};
    for (int k = 0; k < kOctaveCount; ++k) {
        weighted[k] = octaves[k] + OctaveAWeighting(k);
    }
    return weighted;
}

double AWeightedSummationLevel(const Octaves& octaves) {
    return LevelSum(AWeightedOctaves(octaves));
}

double DuctVelocity(double volumeFlow, double diameter) {
    // pi/4 is written out to twelve decimals, as the catalogue formulas use it.
    return volumeFlow / diameter / diameter * 1000 * 1000 / 0.785398163398 / 3600;
}

}  // namespace lorvane
