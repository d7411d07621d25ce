#include "cli/circular_json.h"

#include <string_view>

#include "core/number_text.h"

namespace lorvane::cli {
namespace {

using circular::CircularController;
using circular::CircularOutcome;
using circular::CircularSpectrum;

constexpr const char* kCasingKeys[circular::kCasingVariants] = {"none", "25mm", "50mm"};

Json Levels(const Octaves& levels) {
    return Json(levels);
}

Json LevelRow(const Octaves& levels, double summationLevel) {
    return {{"levels", Levels(levels)}, {"summationLevel", summationLevel}};
}

std::string InsulationKey(int thickness) {
    return FormatNumber("%.0lf", InsulationThicknesses[thickness]) + "mm";
}

void AddSpectrum(Json& object, const CircularSpectrum& spectrum) {
    object["octave"] = Levels(spectrum.octave);
    object["octaveA"] = Levels(spectrum.octaveA);
    object["summationLevel"] = spectrum.summationLevel;
    Json casing = Json::object();
    for (int variant = 0; variant < circular::kCasingVariants; ++variant) {
        casing[kCasingKeys[variant]] =
            LevelRow(spectrum.casing[variant], spectrum.casingSum[variant]);
    }
    object["casing"] = std::move(casing);
}

Json AttenuatorObject(const AttenuatorSelection& selection) {
    switch (selection.outcome) {
        case SelectionOutcome::Cleared:
            return {{"outcome", "cleared"}};
        case SelectionOutcome::NoValues:
            return {{"outcome", "noValues"}};
        case SelectionOutcome::Selected:
            break;
    }
    Json rows = Json::object();
    for (int t = 0; t < kInsulationCount; ++t) {
        const AttenuatorRow& row = selection.rows[t];
        rows[InsulationKey(t)] = {{"length", std::string(AttenuatorLengths[row.length].text)},
                                  {"levels", Levels(row.levels)},
                                  {"summationLevel", row.summationLevel}};
    }
    return {{"outcome", "selected"}, {"rows", std::move(rows)}};
}

Json OutcomeObject(const CircularController& controller, const CircularOutcome& outcome) {
    Json object = Json::object();
    if (outcome.range) {
        object["flowRange"] = {{"vmin", outcome.range->vmin}, {"vmax", outcome.range->vmax}};
    }
    if (outcome.result) {
        const circular::CircularResult& result = *outcome.result;
        object["velocity"] = result.velocity;
        if (result.zeta) {
            object["zeta"] = *result.zeta;
        }
        object["minimumPressure"] = result.minimumPressure;
        object["accepted"] = result.accepted;
        if (result.accepted && result.spectrum) {
            AddSpectrum(object, *result.spectrum);
            object["attenuator"] = AttenuatorObject(outcome.selection);
        }
    }
    const std::string_view message = OutcomeMessage(controller, outcome);
    if (!message.empty()) {
        object["error"] = std::string(message);
    }
    return object;
}

}  // namespace

JsonRunner CircularJson(const CircularController& controller) {
    return [&controller](const OptionTexts& texts) {
        SharedState state;
        const circular::CircularEntry entry{texts.at("diameter"), texts.at("flow"), texts.at("dp"),
                                            texts.at("target")};
        return OutcomeObject(controller, EvaluateCircular(controller, state, entry));
    };
}

}  // namespace lorvane::cli
