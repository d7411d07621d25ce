#include "schedule/call.h"

#include <algorithm>

#include "core/number_text.h"
#include "core/words.h"
#include "forms/form_text.h"

namespace lorvane::schedule {
namespace {

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

bool IsOneOf(std::string_view cell, std::initializer_list<std::string_view> words) {
    return std::any_of(words.begin(), words.end(),
                       [&](std::string_view word) { return SameWord(cell, word); });
}

const forms::Option* OptionNamed(const forms::FormSpec& spec, std::string_view name) {
    for (const forms::Option& option : spec.options) {
        if (option.name == name) {
            return &option;
        }
    }
    return nullptr;
}

std::string Words(const forms::Option& option) {
    std::string words;
    for (std::size_t i = 0; i < option.choices.size(); ++i) {
        words += (i == 0                           ? ""
                  : i + 1 == option.choices.size() ? " or "
                                                   : ", ") +
                 option.choices[i].word;
    }
    return words;
}

}  // namespace

CalculatedCall::CalculatedCall(const Call& call)
    : call_(call), form_(*call.product), view_(form_.Get().Description()) {
    forms::Form& form = form_.Get();
    forms::ShowInitialTexts(view_, form);
    EnterOptions(call_, form_.Spec(), view_);
    form.OnButton(view_, form.Description().defaultButton);
}

std::string CalculatedCall::FormText() const {
    return forms::RenderFormText(form_.Get().Description(), view_);
}

Json CalculatedCall::Inputs() const {
    forms::InputTexts texts;
    for (const forms::Option& option : form_.Spec().options) {
        texts[option.name] = view_.Text(option.field);
    }
    return InputsJson(call_, texts);
}

Json CalculatedCall::ToJson() const {
    Json object{{"product", call_.product->word}, {"inputs", Inputs()}};
    object.update(RecordJson(Record()));
    return object;
}

forms::ResultRecord EvaluateCall(const Call& call, forms::InputTexts* texts) {
    const forms::FormSpec& spec = call.product->spec();
    forms::InputTexts inputs = StartItemTexts(*call.product);
    std::map<std::string_view, bool> answers;
    for (const forms::Option& option : spec.options) {
        if (option.IsFlag()) {
            const bool given = call.flags.contains(option.name);
            answers[option.question] = given ? option.answerWhenGiven : !option.answerWhenGiven;
            continue;
        }
        const auto text = call.given.find(option.name);
        if (text != call.given.end()) {
            inputs[option.name] = option.ItemOf(text->second).value_or(text->second);
        }
    }
    // As the text view answers: the standing answer to a question, else NO.
    const forms::Ask ask = [&](std::string_view question) {
        const auto answer = answers.find(question);
        return answer != answers.end() && answer->second;
    };
    SharedState state;
    forms::ResultRecord record = spec.evaluate(state, inputs, ask);
    if (texts != nullptr) {
        *texts = std::move(inputs);
    }
    return record;
}

Json InputsJson(const Call& call, const forms::InputTexts& texts) {
    // In the order of their names, as lorvane-calc has always printed them.
    std::map<std::string, Json> inputs;
    for (const forms::Option& option : call.product->spec().options) {
        const std::string text = forms::TextOf(texts, option.name);
        if (option.IsFlag()) {
            inputs[option.name] = call.flags.contains(option.name);
        } else if (!option.choices.empty()) {
            inputs[option.name] = WordOf(option, text);
        } else {
            const std::optional<double> value = ReadNumber(text);
            inputs[option.name] = value ? Json(*value) : Json(nullptr);
        }
    }
    Json object = Json::object();
    for (auto& [name, value] : inputs) {
        object[name] = std::move(value);
    }
    return object;
}

bool IsYes(std::string_view cell) {
    return IsOneOf(cell, {"yes", "y", "true", "1", "x"});
}
bool IsNo(std::string_view cell) {
    return IsOneOf(cell, {"no", "n", "false", "0"});
}

bool IsOptionName(std::string_view name) {
    return std::any_of(Catalogue().begin(), Catalogue().end(), [&](const Product& product) {
        return OptionNamed(product.spec(), name) != nullptr;
    });
}

std::variant<Call, std::string> CallOfCells(std::string_view word,
                                            const std::map<std::string, std::string>& cells) {
    if (TrimBlanks(word).empty()) {
        return std::string("no product given");
    }
    Call call;
    call.product = FindProductByWord(word);
    if (call.product == nullptr) {
        return "unknown product '" + std::string(TrimBlanks(word)) + "'";
    }
    const forms::FormSpec& spec = call.product->spec();
    for (const auto& [name, cell] : cells) {
        if (cell.empty()) {
            continue;
        }
        const forms::Option* option = OptionNamed(spec, name);
        if (option == nullptr) {
            return std::string(call.product->word) + " has no option " + name;
        }
        if (option->IsFlag()) {
            if (IsYes(cell)) {
                call.flags.insert(name);
            } else if (!IsNo(cell)) {
                return name + " must be yes or no, not '" + cell + "'";
            }
        } else if (!option->choices.empty()) {
            const auto choice =
                std::find_if(option->choices.begin(), option->choices.end(),
                             [&cell](const forms::Choice& c) { return SameWord(c.word, cell); });
            if (choice == option->choices.end()) {
                return name + " must be " + Words(*option) + ", not '" + cell + "'";
            }
            call.given[name] = choice->word;
        } else {
            call.given[name] = cell;
        }
    }
    return call;
}

}  // namespace lorvane::schedule
