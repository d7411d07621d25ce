#include "products/rectangular/quenta_evaluation.h"

#include <cmath>

#include "core/number_text.h"

namespace lorvane::rectangular {
namespace {

constexpr double kSmallestQuentaSide = 100;  // mm
constexpr double kLargestQuentaSide = 1200;  // mm

QuentaOutcome Refuse(QuentaOutcome outcome, QuentaInput input, std::string_view message,
                     const ResultGroups& emptied) {
    outcome.refused = input;
    outcome.message = message;
    outcome.emptied.insert(emptied.begin(), emptied.end());
    return outcome;
}

}  // namespace

QuentaOutcome EvaluateQuenta(SharedState& state, const QuentaEntry& texts) {
    using enum ResultGroup;
    QuentaOutcome outcome;
    ProductInputs& inputs = state.productInputs;
    const ResultGroups everything{Acoustic, Flow, Nozzles, Torque};

    const std::optional<double> width = ReadNumber(texts.width);
    if (!InRange(width, kSmallestQuentaSide, kLargestQuentaSide)) {
        return Refuse(outcome, QuentaInput::Width, "Please correct the width", everything);
    }
    inputs.width = *width;

    const std::optional<double> height = ReadNumber(texts.height);
    if (!InRange(height, kSmallestQuentaSide, kLargestQuentaSide)) {
        return Refuse(outcome, QuentaInput::Height, "Please correct the height", everything);
    }
    if (*height > inputs.width) {
        return Refuse(outcome, QuentaInput::Height,
                      "Please correct the height: it may not exceed the width", everything);
    }
    inputs.height = *height;

    outcome.nozzles = SelectNozzles(inputs.width, inputs.height);
    const NozzleSelection& nozzles = *outcome.nozzles;

    const std::optional<double> flow = ReadNumber(texts.volumeFlow);
    if (!flow || (nozzles.found && !(nozzles.vmin <= *flow && *flow <= nozzles.vmax))) {
        return Refuse(outcome, QuentaInput::VolumeFlow, "Please correct volume flow",
                      {Acoustic, Flow, Torque});
    }
    // A flow the model then refuses is not kept: the state goes back to these.
    const double keptFlow = inputs.volumeFlow;
    const double keptVelocity = inputs.velocity;
    inputs.volumeFlow = *flow;

    const std::optional<double> pressure = ReadNumber(texts.differentialPressure);
    if (!InRange(pressure, kMinimumDifferentialPressure, inputs.maxDifferentialPressure)) {
        return Refuse(outcome, QuentaInput::DifferentialPressure,
                      "Please correct differential pressure", {Acoustic, Flow, Torque});
    }
    inputs.differentialPressure = *pressure;

    outcome.result = CalculateQuenta(inputs.width, inputs.height, inputs.volumeFlow,
                                     inputs.differentialPressure);
    const QuentaResult& result = *outcome.result;
    // A flow so large that the velocity overflows says nothing about the pressure.
    if (!std::isfinite(result.velocity)) {
        inputs.volumeFlow = keptFlow;
        return Refuse(outcome, QuentaInput::VolumeFlow, "Please correct volume flow",
                      {Acoustic, Flow, Torque});
    }
    inputs.velocity = result.velocity;
    if (!result.accepted) {
        outcome.message = "Please increase differential pressure";
        outcome.emptied.insert({Acoustic, Torque});
        return outcome;
    }
    // Where no nozzles fit, any flow passed, also one the model cannot take.
    if (!result.spectrum) {
        inputs.volumeFlow = keptFlow;
        inputs.velocity = keptVelocity;
        return Refuse(outcome, QuentaInput::VolumeFlow, "Please correct volume flow",
                      {Acoustic, Flow, Torque});
    }
    state.octaveLevels = result.spectrum->octave;
    outcome.pressureAccepted = true;
    return outcome;
}

}  // namespace lorvane::rectangular
