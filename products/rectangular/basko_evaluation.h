#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/shared_state.h"
#include "products/rectangular/basko.h"
#include "products/rectangular/rectangular_controller.h"

namespace lorvane::rectangular {

inline constexpr std::string_view kBaskoCorrectionQuestion =
    "Would you like to correct the volume flow?";

enum class BaskoInput { Width, Height, Dimensions, VolumeFlow, DifferentialPressure };

// The texts of the four inputs as the user typed them.
struct BaskoEntry {
    std::string width;
    std::string height;
    std::string volumeFlow;
    std::string differentialPressure;
};

// What one "calculate" came to. The inputs are checked in order and each one that passes is
// stored in the shared state before the next is read; the first refused input ends the press.
struct BaskoOutcome {
    std::optional<BaskoInput> refused;  // the first refused input
    std::string_view message;           // for the error box; empty when there is none
    bool correctionAsked = false;       // the volume flow was put to the correction question
    bool keptOutsideRange = false;      // NO to it: the press went on with that volume flow
    // The result groups to empty before anything the press shows is written. They add up: a flow
    // let through after the correction question leaves its groups empty when a later check
    // fails.
    ResultGroups emptied;
    std::optional<BaskoRanges> ranges;  // once the dimensions passed
    std::optional<BaskoResult> result;  // once every input passed
    bool pressureAccepted = false;      // the result's acoustic rows may be shown
};

// Whether the form takes a volume flow in m3/h for a size with this theoretical range without
// the correction question: inside the range with 1 m3/h of tolerance on each side, or in one of
// the size's existing scales.
bool TakesFlow(const VolumeFlowRange& theoretical, double width, double height, double volumeFlow);

// Puts the correction question (true for YES) with what the press has come to before it: the
// size's ranges, and the groups the question empties.
using BaskoAsk = std::function<bool(std::string_view question, const BaskoOutcome& soFar)>;

// The Basko form's "calculate": reads the texts, checks width, height, dimensions, volume flow
// and differential pressure in this order, stores what passes, and calculates. A volume flow
// outside the theoretical range (1 m3/h of tolerance on each side) and in no existing scale is
// put to `ask`: YES refuses it, NO goes on with it; a text that holds no number is refused
// whatever the answer.
BaskoOutcome EvaluateBasko(SharedState& state, const BaskoEntry& texts, const BaskoAsk& ask);

}  // namespace lorvane::rectangular
