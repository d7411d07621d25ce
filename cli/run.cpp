#include "cli/run.h"

#include <algorithm>

#include "core/number_text.h"
#include "forms/form_text.h"
#include "forms/text_view.h"

namespace lorvane::cli {
namespace {

// Prints a refusal's message on its own line; the exit status.
int Report(std::string_view message, std::ostream& err) {
    if (message.empty()) {
        return 0;
    }
    err << message << '\n';
    return 1;
}

// The option texts of the call: the given ones, the others as the form shows them on opening.
OptionTexts AllTexts(const Call& call) {
    OptionTexts texts = StartTexts(*call.command);
    for (const auto& [name, text] : call.given) {
        texts[name] = text;
    }
    return texts;
}

forms::ControlId FieldOf(const Command& command, const std::string& name) {
    const auto option = std::find_if(command.options.begin(), command.options.end(),
                                     [&](const Option& o) { return o.name == name; });
    return option->field;
}

// Types the given options into a fresh form, presses its default button and prints the form.
// A form that refuses an input without a message (as the attenuator and damper forms do)
// leaves the message to the product's JSON runner, so that both modes end alike.
int RunText(const Call& call, std::ostream& out, std::ostream& err) {
    FreshForm fresh(call.command->makeForm);
    forms::Form& form = fresh.Get();
    const forms::FormDescription& description = form.Description();
    forms::TextView view;
    forms::ShowInitialTexts(view, form);
    for (const auto& [name, text] : call.given) {
        view.SetText(FieldOf(*call.command, name), text);
    }
    form.OnButton(view, description.defaultButton);
    out << forms::RenderFormText(description, view);
    if (!view.Errors().empty()) {
        return Report(view.Errors().front(), err);
    }
    return Report(call.command->runJson(AllTexts(call)).value("error", ""), err);
}

Json Inputs(const OptionTexts& texts) {
    Json inputs = Json::object();
    for (const auto& [name, text] : texts) {
        const std::optional<double> value = ReadNumber(text);
        inputs[name] = value ? Json(*value) : Json(nullptr);
    }
    return inputs;
}

int RunJson(const Call& call, std::ostream& out, std::ostream& err) {
    const OptionTexts texts = AllTexts(call);
    Json object{{"product", call.command->product}, {"inputs", Inputs(texts)}};
    object.update(call.command->runJson(texts));
    out << object.dump() << '\n';
    return Report(object.value("error", ""), err);
}

}  // namespace

int RunCall(const Call& call, std::ostream& out, std::ostream& err) {
    return call.json ? RunJson(call, out, err) : RunText(call, out, err);
}

}  // namespace lorvane::cli
