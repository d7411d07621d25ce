#include "products/circular/circular_controller.h"

#include <stdexcept>

#include "core/acoustics.h"
#include "core/number_text.h"

namespace lorvane::circular {
namespace {

constexpr double kMinimumPressureCap = 9999;

bool InRange(double value, double low, double high) {
    return low <= value && value <= high;
}

}  // namespace

double CapMinimumPressure(double minimumPressure) {
    return minimumPressure > kMinimumPressureCap ? kMinimumPressureCap : minimumPressure;
}

bool AcceptsPressure(double differentialPressure, double minimumPressure) {
    return !(differentialPressure + 1 < minimumPressure);
}

void CompleteSpectrum(CircularSpectrum& spectrum, const CasingLosses& casing) {
    spectrum.octaveA = AWeightedOctaves(spectrum.octave);
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        for (int k = 0; k < kOctaveCount; ++k) {
            spectrum.casing[variant][k] = spectrum.octave[k] - casing[variant][k];
        }
        spectrum.casingSum[variant] = AWeightedSummationLevel(spectrum.casing[variant]);
    }
}

std::optional<int> FindDiameter(std::span<const FlowRange> ranges, double diameter) {
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        if (ranges[i].diameter == diameter) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

int DiameterRow(std::span<const FlowRange> ranges, double diameter) {
    const std::optional<int> row = FindDiameter(ranges, diameter);
    if (!row) {
        throw std::invalid_argument("not a diameter of this controller");
    }
    return *row;
}

CircularOutcome EvaluateCircular(const CircularController& controller, SharedState& state,
                                 const CircularEntry& entry) {
    CircularOutcome outcome;
    ProductInputs& inputs = state.productInputs;

    const std::optional<double> diameter = ReadNumber(entry.diameter);
    const std::optional<int> row =
        diameter ? FindDiameter(controller.flowRanges, *diameter) : std::nullopt;
    if (!row) {
        outcome.refused = CircularInput::Diameter;
        return outcome;
    }
    inputs.diameter = *diameter;
    outcome.range = controller.flowRanges[*row];

    const std::optional<double> volumeFlow = ReadNumber(entry.volumeFlow);
    if (!volumeFlow || !InRange(*volumeFlow, outcome.range->vmin, outcome.range->vmax)) {
        outcome.refused = CircularInput::VolumeFlow;
        return outcome;
    }
    inputs.volumeFlow = *volumeFlow;

    const std::optional<double> pressure = ReadNumber(entry.differentialPressure);
    if (!pressure ||
        !InRange(*pressure, kMinimumDifferentialPressure, inputs.maxDifferentialPressure)) {
        outcome.refused = CircularInput::DifferentialPressure;
        return outcome;
    }
    inputs.differentialPressure = *pressure;

    const std::optional<double> target = ReadNumber(entry.targetLevel);
    if (!target || !InRange(*target, 0, kMaximumTargetLevel)) {
        outcome.refused = CircularInput::TargetLevel;
        return outcome;
    }
    state.targetLevel = *target;
    outcome.targetLevel = *target;

    outcome.result =
        controller.calculate(inputs.diameter, inputs.volumeFlow, inputs.differentialPressure);
    inputs.velocity = outcome.result->velocity;
    if (outcome.result->spectrum) {
        state.octaveLevels = outcome.result->spectrum->octave;
    }
    if (outcome.result->accepted) {
        outcome.selection =
            SelectAttenuatorLengths(inputs.diameter, state.octaveLevels, state.targetLevel);
    }
    return outcome;
}

std::string_view OutcomeMessage(const CircularController& controller,
                                const CircularOutcome& outcome) {
    if (outcome.refused) {
        switch (*outcome.refused) {
            case CircularInput::Diameter:
                return controller.diameterMessage;
            case CircularInput::VolumeFlow:
                return "Please correct volume flow";
            case CircularInput::DifferentialPressure:
                return "Please correct differential pressure";
            case CircularInput::TargetLevel:
                return "Please correct Sound level";
        }
    }
    if (outcome.result && !outcome.result->accepted) {
        return "Please increase differential pressure";
    }
    return {};
}

}  // namespace lorvane::circular
