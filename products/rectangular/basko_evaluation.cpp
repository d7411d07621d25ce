#include "products/rectangular/basko_evaluation.h"

#include <cmath>

#include "core/number_text.h"

namespace lorvane::rectangular {
namespace {

constexpr double kSmallestBaskoSide = 100;  // mm
constexpr double kLargestBaskoSide = 600;   // mm
constexpr double kFlowTolerance = 1;        // m3/h on each side of the theoretical range

BaskoOutcome Refuse(BaskoOutcome outcome, BaskoInput input, std::string_view message,
                    const ResultGroups& emptied) {
    outcome.refused = input;
    outcome.message = message;
    outcome.emptied.insert(emptied.begin(), emptied.end());
    return outcome;
}

}  // namespace

bool TakesFlow(const VolumeFlowRange& theoretical, double width, double height, double volumeFlow) {
    return (volumeFlow + kFlowTolerance >= theoretical.vmin &&
            volumeFlow - kFlowTolerance <= theoretical.vmax) ||
           FitsExistingScale(width, height, volumeFlow);
}

BaskoOutcome EvaluateBasko(SharedState& state, const BaskoEntry& texts, const BaskoAsk& ask) {
    using enum ResultGroup;
    BaskoOutcome outcome;
    ProductInputs& inputs = state.productInputs;

    const std::optional<double> width = ReadNumber(texts.width);
    if (!InRange(width, kSmallestBaskoSide, kLargestBaskoSide)) {
        return Refuse(outcome, BaskoInput::Width, "Please correct the width",
                      {Acoustic, Flow, Range});
    }
    inputs.width = *width;

    const std::optional<double> height = ReadNumber(texts.height);
    if (!InRange(height, kSmallestBaskoSide, kLargestBaskoSide)) {
        return Refuse(outcome, BaskoInput::Height, "Please correct the height",
                      {Acoustic, Flow, Range});
    }
    inputs.height = *height;

    const BaskoRanges ranges = RangesOf(inputs.width, inputs.height);
    if (!ranges.theoretical) {
        return Refuse(outcome, BaskoInput::Dimensions, "Please correct dimensions",
                      {Acoustic, Flow, Range});
    }
    outcome.ranges = ranges;

    const std::optional<double> flow = ReadNumber(texts.volumeFlow);
    if (!flow || !TakesFlow(*ranges.theoretical, inputs.width, inputs.height, *flow)) {
        outcome.emptied.insert({Acoustic, Flow});
        outcome.correctionAsked = true;
        const bool correct = ask(kBaskoCorrectionQuestion, outcome);
        // Without a number there is no flow to go on with, whatever the answer.
        if (correct || !flow) {
            outcome.refused = BaskoInput::VolumeFlow;
            return outcome;
        }
        outcome.keptOutsideRange = true;
    }
    // A flow the model then refuses is not kept: the state goes back to these.
    const double keptFlow = inputs.volumeFlow;
    const double keptVelocity = inputs.velocity;
    inputs.volumeFlow = *flow;

    const std::optional<double> pressure = ReadNumber(texts.differentialPressure);
    if (!InRange(pressure, kMinimumDifferentialPressure, inputs.maxDifferentialPressure)) {
        return Refuse(outcome, BaskoInput::DifferentialPressure,
                      "Please correct differential pressure", {Acoustic});
    }
    inputs.differentialPressure = *pressure;

    outcome.result =
        CalculateBasko(inputs.width, inputs.height, inputs.volumeFlow, inputs.differentialPressure);
    const BaskoResult& result = *outcome.result;
    // A flow so large that the velocity overflows says nothing about the pressure.
    if (!std::isfinite(result.velocity)) {
        inputs.volumeFlow = keptFlow;
        return Refuse(outcome, BaskoInput::VolumeFlow, "Please correct volume flow",
                      {Acoustic, Flow});
    }
    inputs.velocity = result.velocity;
    if (result.spectrum) {
        state.octaveLevels = result.spectrum->octave;
    }
    if (!result.accepted) {
        outcome.message = "Please increase differential pressure";
        outcome.emptied.insert(Acoustic);
        return outcome;
    }
    // A flow let through after the correction question may be one the model cannot take.
    if (!result.spectrum) {
        inputs.volumeFlow = keptFlow;
        inputs.velocity = keptVelocity;
        return Refuse(outcome, BaskoInput::VolumeFlow, "Please correct volume flow",
                      {Acoustic, Flow});
    }
    outcome.pressureAccepted = true;
    return outcome;
}

}  // namespace lorvane::rectangular
