#include "cli/attenuator_json.h"

#include "core/number_text.h"
#include "products/attenuators/attenuator_form.h"

namespace lorvane::cli {
namespace {

std::string DiameterRefusal() {
    std::string sentence = "The diameter must be one of ";
    for (std::size_t i = 0; i < AttenuatorDiameters.size(); ++i) {
        sentence += (i ? ", " : "") + FormatNumber("%.0lf", AttenuatorDiameters[i]);
    }
    return sentence + " mm";
}

std::string Refusal(attenuators::AttenuatorInput input) {
    switch (input) {
        case attenuators::AttenuatorInput::Diameter:
            return DiameterRefusal();
        case attenuators::AttenuatorInput::Length:
            return "The length must be from 500 to 2000 mm";
    }
    return {};
}

}  // namespace

Json AttenuatorJson(const OptionTexts& texts) {
    SharedState state;
    const attenuators::AttenuatorOutcome outcome =
        attenuators::EvaluateAttenuator(state, {texts.at("diameter"), texts.at("length")});
    Json object = Json::object();
    if (outcome.insertionLoss) {
        Json loss = Json::object();
        for (int t = 0; t < kInsulationCount; ++t) {
            loss[FormatNumber("%.0lf", InsulationThicknesses[t]) + "mm"] =
                (*outcome.insertionLoss)[t];
        }
        object["insertionLoss"] = std::move(loss);
    }
    if (outcome.refused) {
        object["error"] = Refusal(*outcome.refused);
    }
    return object;
}

}  // namespace lorvane::cli
