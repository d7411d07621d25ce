#include "products/dampers/damper_evaluation.h"

#include <cmath>

#include "core/number_text.h"

namespace lorvane::dampers {
namespace {

constexpr double kMinimumSize = 100;           // mm, width, height and blade length
constexpr double kMaximumSize = 2000;          // mm
constexpr double kMinimumVolumeFlow = 0.1;     // m3/h
constexpr double kMaximumVolumeFlow = 175000;  // m3/h
constexpr double kMinimumPressure = 0.1;       // Pa

// Reads one input and stores it when it lies in its range; otherwise notes the refusal.
template <typename Result>
bool Accept(std::string_view text, DamperInput input, double low, double high, double& stored,
            DamperOutcome<Result>& outcome) {
    const std::optional<double> value = ReadNumber(text);
    if (!value || *value < low || *value > high) {
        outcome.refused = DamperRefusal{input, low, high};
        return false;
    }
    stored = *value;
    return true;
}

// The three inputs of the leakage and torque forms, into ProductInputs.
template <typename Result>
bool AcceptSize(ProductInputs& inputs, const DamperSizeEntry& texts,
                DamperOutcome<Result>& outcome) {
    return Accept(texts.width, DamperInput::Width, kMinimumSize, kMaximumSize, inputs.width,
                  outcome) &&
           Accept(texts.height, DamperInput::Height, kMinimumSize, kMaximumSize, inputs.height,
                  outcome) &&
           Accept(texts.differentialPressure, DamperInput::DifferentialPressure, kMinimumPressure,
                  inputs.maxDifferentialPressure, inputs.differentialPressure, outcome);
}

std::string_view InputName(DamperInput input) {
    switch (input) {
        case DamperInput::Width:
            return "width";
        case DamperInput::Height:
            return "height";
        case DamperInput::VolumeFlow:
            return "volume flow";
        case DamperInput::DifferentialPressure:
            return "differential pressure";
        case DamperInput::BladeLength:
            return "blade length";
    }
    return "input";
}

std::string_view InputUnit(DamperInput input) {
    switch (input) {
        case DamperInput::VolumeFlow:
            return "m3/h";
        case DamperInput::DifferentialPressure:
            return "Pa";
        default:
            return "mm";
    }
}

std::string Bound(double value) {
    return FormatNumber(value == std::trunc(value) ? "%.0lf" : "%.1lf", value);
}

std::string StartText(double value) {
    return FormatNumber("%.0lf", value);
}

// A note for each blade size whose torques are absent because no blade of it fits the height.
void AddNoBladeNotes(std::vector<std::string>& notes, double height) {
    for (int pitch : BladePitches) {
        if (!BladeCount(pitch, height)) {
            notes.push_back(NoBladeNote(pitch));
        }
    }
}

}  // namespace

std::string RefusalMessage(const DamperRefusal& refusal) {
    std::string message = "Please correct the ";
    message += InputName(refusal.input);
    message += " (" + Bound(refusal.low) + " to " + Bound(refusal.high) + " ";
    message += InputUnit(refusal.input);
    message += ")";
    return message;
}

std::string NoBladeNote(int pitch) {
    // A remainder of at most 20 mm short of a full blade still counts as a blade.
    return "No " + std::to_string(pitch) + " mm blade fits a height below " +
           std::to_string(pitch - 20) + " mm";
}

bool SelectDamperLinkage(SharedState& state, int entry) {
    if (entry < 0 || entry >= static_cast<int>(LinkageEntries.size())) {
        return false;
    }
    state.Of<DamperInputs>().linkageSelection = entry;
    return true;
}

bool SelectDamperSealing(SharedState& state, int entry) {
    if (entry < 0 || entry >= static_cast<int>(SealingEntries.size())) {
        return false;
    }
    state.Of<DamperInputs>().sealingSelection = entry;
    return true;
}

DamperAcousticsEntry DamperAcousticsStartEntry(SharedState& state) {
    const DamperInputs& inputs = state.Of<DamperInputs>();
    return {StartText(inputs.width), StartText(inputs.height), StartText(inputs.volumeFlow),
            StartText(inputs.differentialPressure)};
}

DamperAcousticsOutcome EvaluateDamperAcoustics(SharedState& state,
                                               const DamperAcousticsEntry& texts) {
    DamperAcousticsOutcome outcome;
    DamperInputs& inputs = state.Of<DamperInputs>();
    if (!Accept(texts.width, DamperInput::Width, kMinimumSize, kMaximumSize, inputs.width,
                outcome) ||
        !Accept(texts.height, DamperInput::Height, kMinimumSize, kMaximumSize, inputs.height,
                outcome) ||
        !Accept(texts.volumeFlow, DamperInput::VolumeFlow, kMinimumVolumeFlow, kMaximumVolumeFlow,
                inputs.volumeFlow, outcome) ||
        !Accept(texts.differentialPressure, DamperInput::DifferentialPressure, kMinimumPressure,
                DamperInputs::maxDifferentialPressure, inputs.differentialPressure, outcome)) {
        return outcome;
    }

    // The first linkage entry is "opposite direction", code 2; the sealing type counts from 1.
    const BladeLinkage linkage = inputs.linkageSelection == 0 ? BladeLinkage::OppositeDirection
                                                              : BladeLinkage::SameDirection;
    const int sealingType = inputs.sealingSelection + 1;
    outcome.result = CalculateDamperAcoustics(inputs.width, inputs.height, inputs.volumeFlow,
                                              linkage, sealingType, inputs.differentialPressure);
    if (outcome.result->negativeBladeAngle) {
        // The angle polynomial turns negative at both ends of its range.
        outcome.notes.emplace_back(outcome.result->zeta > outcome.result->maxZeta
                                       ? kAboveClosedResistanceNote
                                       : kBelowOpenResistanceNote);
    }
    if (outcome.result->outsideSoundModel) {
        outcome.notes.emplace_back(kOutsideSoundModelNote);
    }
    AddNoBladeNotes(outcome.notes, inputs.height);
    return outcome;
}

BladeBendingEntry BladeBendingStartEntry(SharedState& state) {
    return {StartText(state.Of<DamperInputs>().bendingLength),
            StartText(state.productInputs.differentialPressure)};
}

BladeBendingOutcome EvaluateBladeBending(SharedState& state, const BladeBendingEntry& texts) {
    BladeBendingOutcome outcome;
    DamperInputs& dampers = state.Of<DamperInputs>();
    ProductInputs& products = state.productInputs;
    if (!Accept(texts.length, DamperInput::BladeLength, kMinimumSize, kMaximumSize,
                dampers.bendingLength, outcome) ||
        !Accept(texts.differentialPressure, DamperInput::DifferentialPressure, kMinimumPressure,
                products.maxDifferentialPressure, products.differentialPressure, outcome)) {
        return outcome;
    }
    dampers.differentialPressure = products.differentialPressure;
    dampers.width = dampers.bendingLength;
    outcome.result = CalculateBladeBending(dampers.bendingLength, products.differentialPressure);
    return outcome;
}

DamperSizeEntry DamperSizeStartEntry(const SharedState& state) {
    const ProductInputs& inputs = state.productInputs;
    return {StartText(inputs.width), StartText(inputs.height),
            StartText(inputs.differentialPressure)};
}

DamperLeakageOutcome EvaluateDamperLeakage(SharedState& state, const DamperLeakageEntry& texts) {
    DamperLeakageOutcome outcome;
    ProductInputs& inputs = state.productInputs;
    if (!AcceptSize(inputs, texts, outcome)) {
        return outcome;
    }
    // The width is the blade length of the maximum pressures.
    state.Of<DamperInputs>().width = inputs.width;
    outcome.result =
        CalculateDamperLeakage(inputs.width, inputs.height, inputs.differentialPressure);
    return outcome;
}

DamperTorqueOutcome EvaluateDamperTorque(SharedState& state, const DamperTorqueEntry& texts) {
    DamperTorqueOutcome outcome;
    ProductInputs& inputs = state.productInputs;
    if (!AcceptSize(inputs, texts, outcome)) {
        return outcome;
    }
    outcome.result =
        CalculateDamperTorque(inputs.width, inputs.height, inputs.differentialPressure);
    AddNoBladeNotes(outcome.notes, inputs.height);
    return outcome;
}

}  // namespace lorvane::dampers
