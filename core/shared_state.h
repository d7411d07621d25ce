#pragma once

#include <any>
#include <map>
#include <string>
#include <typeindex>

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

    // A record that a family of products keeps for the run (the dampers' inputs, for example),
    // defined in that family's folder. It is made with its own start values on first use.
    template <typename Record>
    Record& Of() {
        std::any& slot = records_[std::type_index(typeid(Record))];
        if (!slot.has_value()) {
            slot = Record{};
        }
        return std::any_cast<Record&>(slot);
    }

  private:
    std::map<std::type_index, std::any> records_;
};

}  // namespace lorvane
