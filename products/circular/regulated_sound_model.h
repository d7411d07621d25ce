#pragma once

#include "core/bands.h"
#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// The spectrum model of the electronically regulated controllers (Daxel, Mirolt): a base level
// from diameter, velocity and pressure, falling with the logarithm of the Strouhal-like
// frequency over the 23 third-octave bands 50 Hz to 8 kHz. The 10 kHz band is not modelled
// and counts as 0 dB in the 8 kHz octave.
inline constexpr int kRegulatedBandCount = 23;

struct RegulatedModel {
    // The frequency in Hz each band position puts into the regression; its A-weighting stays
    // that of the position.
    const ThirdOctaves& frequencies;
    // Multiplies the whole third-octave level.
    double levelFactor;
    // The minimum differential pressure in Pa at a velocity in m/s, before the cap.
    double (*minimumPressure)(double velocity);
};

// The controller's result for diameter D in mm, volume flow Q in m3/h and differential
// pressure dp in Pa, with its casing losses at D. A refused pressure ends the model before the
// spectrum: the result then has velocity and minimum pressure only.
CircularResult CalculateRegulatedController(double diameter, double volumeFlow,
                                            double differentialPressure,
                                            const RegulatedModel& model,
                                            const CasingLosses& casing);

}  // namespace lorvane::circular
