#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/shared_state.h"
#include "products/rectangular/quenta.h"
#include "products/rectangular/rectangular_controller.h"

namespace lorvane::rectangular {

enum class QuentaInput { Width, Height, VolumeFlow, DifferentialPressure };

// The texts of the four inputs as the user typed them.
struct QuentaEntry {
    std::string width;
    std::string height;
    std::string volumeFlow;
    std::string differentialPressure;
};

// What one "calculate" came to. The inputs are checked in order and each one that passes is
// stored in the shared state before the next is read; the first refused input ends the press.
struct QuentaOutcome {
    std::optional<QuentaInput> refused;      // the first refused input
    std::string_view message;                // for the error box; empty when there is none
    ResultGroups emptied;                    // to empty before anything the press shows is written
    std::optional<NozzleSelection> nozzles;  // once width and height passed, found or not
    std::optional<QuentaResult> result;      // once every input passed
    bool pressureAccepted = false;           // the result's acoustic rows may be shown
};

// The Quenta form's "calculate": reads the texts, checks width, height, volume flow and
// differential pressure in this order, stores what passes, selects the nozzles once the size
// passed and calculates. A volume flow is held to the range of the nozzles; when no
// arrangement fits this size any number passes. Every refusal names its input and empties the
// results that no longer belong to the inputs, the torques among them.
QuentaOutcome EvaluateQuenta(SharedState& state, const QuentaEntry& texts);

}  // namespace lorvane::rectangular
