#include "cli/commands.h"

#include <algorithm>

#include "cli/attenuator_json.h"
#include "cli/circular_json.h"
#include "products/attenuators/attenuator_form.h"
#include "products/circular/circular_form.h"
#include "products/circular/daxel.h"
#include "products/circular/daxel_form.h"
#include "products/circular/mirolt.h"
#include "products/circular/mirolt_form.h"
#include "products/circular/selmon.h"
#include "products/circular/selmon_form.h"
#include "products/circular/tolmar.h"
#include "products/circular/tolmar_form.h"

namespace lorvane::cli {
namespace {

std::vector<Option> CircularOptions(const circular::CircularController& controller) {
    namespace ids = circular::ids;
    return {
        {"diameter", controller.diameterListId, "nominal diameter [mm]"},
        {"flow", ids::kVolumeFlow, "volume flow [m3/h]"},
        {"dp", ids::kDifferentialPressure, "differential pressure [Pa]"},
        {"target", ids::kTargetLevel,
         "summation level wanted behind an attenuator [dB(A)]; 0: no attenuator wanted"},
    };
}

std::vector<Option> AttenuatorOptions() {
    namespace ids = attenuators::ids;
    return {
        {"diameter", ids::kDiameterList, "duct diameter [mm]"},
        {"length", ids::kLength, "attenuator length [mm], 500 to 2000"},
    };
}

}  // namespace

std::span<const Command> Commands() {
    using namespace circular;
    // clang-format off
    static const std::vector<Command> commands{
        {"selmon", "Selmon constant volume flow controller", CircularOptions(SelmonController()), MakeSelmonForm, CircularJson(SelmonController())},
        {"tolmar", "Tolmar constant volume flow controller", CircularOptions(TolmarController()), MakeTolmarForm, CircularJson(TolmarController())},
        {"daxel", "Daxel electronically regulated volume flow controller", CircularOptions(DaxelController()), MakeDaxelForm, CircularJson(DaxelController())},
        {"mirolt", "Mirolt electronically regulated volume flow controller", CircularOptions(MiroltController()), MakeMiroltForm, CircularJson(MiroltController())},
        {"attenuator", "Nerva circular sound attenuator: insertion loss", AttenuatorOptions(), attenuators::MakeAttenuatorForm, AttenuatorJson},
    };
    // clang-format on
    return commands;
}

FreshForm::FreshForm(forms::FormFactory makeForm)
    : form_(makeForm(forms::FormContext{state_, discard_})) {}

OptionTexts StartTexts(const Command& command) {
    FreshForm fresh(command.makeForm);
    const std::vector<forms::FieldText> initial = fresh.Get().InitialTexts();
    OptionTexts texts;
    for (const Option& option : command.options) {
        const auto field =
            std::find_if(initial.begin(), initial.end(),
                         [&](const forms::FieldText& f) { return f.id == option.field; });
        texts[option.name] = field == initial.end() ? std::string() : field->text;
    }
    return texts;
}

}  // namespace lorvane::cli
