#include "products/louvres/louvre_evaluation.h"

#include "core/number_text.h"

namespace lorvane::louvres {
namespace {

constexpr double kMinimumWidth = 300;       // mm
constexpr double kMinimumHeight = 345;      // mm
constexpr double kMaximumSide = 2000;       // mm, of width and height
constexpr double kMinimumFaceVelocity = 1;  // m/s
constexpr double kMaximumFaceVelocity = 6;  // m/s

bool InRange(double value, double low, double high) {
    return low <= value && value <= high;
}

LouvreOutcome Refuse(LouvreInput input) {
    return {.refused = input,
            .emptied = {LouvreFieldGroup::Flow, LouvreFieldGroup::SoundPower, LouvreFieldGroup::Nc},
            .result = std::nullopt};
}

}  // namespace

std::optional<LouvreSite> SiteAt(int index) {
    if (index < 0 || index >= kLouvreSiteCount) {
        return std::nullopt;
    }
    return static_cast<LouvreSite>(index);
}

std::optional<LouvreModel> ModelAt(int index) {
    if (index < 0 || index >= kLouvreModelCount) {
        return std::nullopt;
    }
    return static_cast<LouvreModel>(index);
}

LouvreEntry OpeningEntry(SharedState& state) {
    const LouvreSelection& selection = state.Of<LouvreSelection>();
    return {.width = "300",
            .height = "345",
            .volumeFlow = "373",
            .site = selection.site,
            .model = selection.model};
}

LouvreOutcome EvaluateLouvre(SharedState& state, const LouvreEntry& texts) {
    const std::optional<double> width = ReadNumber(texts.width);
    if (!width || !InRange(*width, kMinimumWidth, kMaximumSide)) {
        return Refuse(LouvreInput::Width);
    }
    const std::optional<double> height = ReadNumber(texts.height);
    if (!height || !InRange(*height, kMinimumHeight, kMaximumSide)) {
        return Refuse(LouvreInput::Height);
    }
    // The face velocity is checked with width and height as typed, before they are cut.
    const std::optional<double> volumeFlow = ReadNumber(texts.volumeFlow);
    if (!volumeFlow || !InRange(*volumeFlow / (*width * *height / 1000 / 1000) / 3600,
                                kMinimumFaceVelocity, kMaximumFaceVelocity)) {
        return Refuse(LouvreInput::VolumeFlow);
    }

    LouvreSelection& selection = state.Of<LouvreSelection>();
    selection.site = texts.site;
    selection.model = texts.model;

    LouvreOutcome outcome;
    outcome.result = CalculateLouvre({.width = *width,
                                      .height = *height,
                                      .volumeFlow = *volumeFlow,
                                      .site = texts.site,
                                      .model = texts.model});
    return outcome;
}

std::string_view OutcomeMessage(const LouvreOutcome& outcome) {
    if (!outcome.refused) {
        return {};
    }
    switch (*outcome.refused) {
        case LouvreInput::Width:
            return "Bitte Breite korrigieren";
        case LouvreInput::Height:
            return "Bitte Höhe korrigieren";
        case LouvreInput::VolumeFlow:
            return "Bitte Volumenstrom korrigieren";
    }
    return {};
}

}  // namespace lorvane::louvres
