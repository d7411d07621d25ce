#include "cli/run.h"

#include "cli/fresh_form.h"
#include "cli/record_json.h"
#include "core/number_text.h"
#include "forms/form_text.h"
#include "forms/text_view.h"

namespace lorvane::cli {
namespace {

// The values used, by option name: numbers as the form reads them (null where the text holds
// none), list entries by their words, flags as given or not.
Json Inputs(const Call& call, const forms::FormSpec& spec, const forms::TextView& view) {
    std::map<std::string, Json> inputs;
    for (const forms::Option& option : spec.options) {
        if (option.IsFlag()) {
            inputs[option.name] = call.flags.contains(option.name);
        } else if (!option.choices.empty()) {
            inputs[option.name] = WordOf(option, view.Text(option.field));
        } else {
            const std::optional<double> value = ReadNumber(view.Text(option.field));
            inputs[option.name] = value ? Json(*value) : Json(nullptr);
        }
    }
    Json object = Json::object();
    for (auto& [name, value] : inputs) {
        object[name] = std::move(value);
    }
    return object;
}

void EnterOptions(const Call& call, const forms::FormSpec& spec, forms::TextView& view) {
    for (const forms::Option& option : spec.options) {
        if (option.IsFlag()) {
            const bool given = call.flags.contains(option.name);
            view.AnswerAlways(option.question,
                              given ? option.answerWhenGiven : !option.answerWhenGiven);
            continue;
        }
        const auto text = call.given.find(option.name);
        if (text != call.given.end()) {
            view.Type(option.field, option.ItemOf(text->second).value_or(text->second));
        }
    }
}

}  // namespace

int RunCall(const Call& call, std::ostream& out, std::ostream& err) {
    FreshForm fresh(*call.product);
    forms::Form& form = fresh.Get();
    const forms::FormDescription& description = form.Description();
    forms::TextView view(description);
    forms::ShowInitialTexts(view, form);
    EnterOptions(call, fresh.Spec(), view);
    form.OnButton(view, description.defaultButton);

    const forms::ResultRecord& record = *form.LastRecord();
    if (call.json) {
        Json object{{"product", call.product->word}, {"inputs", Inputs(call, fresh.Spec(), view)}};
        object.update(RecordJson(record));
        out << object.dump() << '\n';
    } else {
        out << forms::RenderFormText(description, view);
    }
    if (record.Refused()) {
        err << record.Refused()->message << '\n';
        return 1;
    }
    return 0;
}

}  // namespace lorvane::cli
