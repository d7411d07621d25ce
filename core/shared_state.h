#pragma once

#include <string>

#include "core/bands.h"

namespace lorvane {

// The last accepted operating point; start values as a new run of the program shows them.
struct ProductInputs {
    double diameter = 100;                   // mm
    double velocity = 5;                     // m/s, written by the controller calculations
    double differentialPressure = 250;       // Pa
    double volumeFlow = 100;                 // m3/h
    double width = 200;                      // mm
    double height = 100;                     // mm
    double maxDifferentialPressure = 10000;  // Pa, a constant upper bound of every pressure check
};

// The one state every form of a run shares. A value lands here as soon as it passes its check,
// so a form opened later starts from what an earlier one accepted. Nothing here is saved.
struct SharedState {
    ProductInputs productInputs;
    double targetLevel = 0;          // dB(A) wanted behind an attenuator; 0 or less: none wanted
    Octaves octaveLevels{};          // octave spectrum of the latest controller calculation
    double attenuatorLength = 1000;  // mm, last valid length of the attenuator form
    std::string correctionText;      // the last question put to the user
};

}  // namespace lorvane
