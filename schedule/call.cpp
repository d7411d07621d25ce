#include "schedule/call.h"

#include <algorithm>

#include "core/number_text.h"
#include "core/words.h"
#include "forms/form_text.h"
#include "forms/record_fields.h"
#include "schedule/room_call.h"
#include "schedule/room_text.h"

namespace lorvane::schedule {
namespace {

// A word that a shell takes as it stands.
bool IsPlainWord(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '_' || c == '+' || c == '-';
    });
}

std::string ShellWord(std::string_view text) {
    if (IsPlainWord(text)) {
        return std::string(text);
    }
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
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

Evaluation EvaluateCall(const Call& call) {
    const forms::FormSpec& spec = call.product->spec();
    Evaluation evaluation{.inputs = StartItemTexts(*call.product)};
    for (const forms::Option& option : spec.options) {
        const auto text = call.given.find(option.name);
        if (!option.IsFlag() && text != call.given.end()) {
            evaluation.inputs[option.name] = option.ItemOf(text->second).value_or(text->second);
        }
    }
    const forms::Ask ask = [&](std::string_view question, const forms::ResultRecord& /*soFar*/) {
        const bool yes = forms::AnswerOf(spec.options, call.flags, question);
        evaluation.answers[std::string(question)] = yes;
        return yes;
    };
    SharedState state;
    evaluation.record = spec.evaluate(state, evaluation.inputs, ask);
    AddRoom(evaluation.record, *call.product, evaluation.inputs, call.given);
    return evaluation;
}

CalculatedCall::CalculatedCall(const Call& call)
    : call_(call),
      evaluation_(EvaluateCall(call_)),
      description_(forms::ProductFormDescription(call_.product->spec())),
      view_(description_) {
    const forms::FormSpec& spec = call_.product->spec();
    SharedState start;
    for (const forms::FieldText& field : spec.initialTexts(start)) {
        view_.SetText(field.id, field.text);
    }
    for (const forms::Option& option : spec.options) {
        if (option.field != forms::kNoId) {
            view_.Type(option.field, forms::TextOf(evaluation_.inputs, option.name));
        }
    }
    forms::ShowRecord(view_, evaluation_.record, forms::kNotesField);
}

std::string CalculatedCall::FormText() const {
    return forms::RenderFormText(description_, view_) + RoomText(Record());
}

Json CalculatedCall::Inputs() const {
    return InputsJson(call_, evaluation_.inputs);
}

Json CalculatedCall::ToJson() const {
    Json object{{"product", call_.product->word}, {"inputs", Inputs()}};
    object.update(RecordJson(Record()));
    return object;
}

std::string CalculatedCall::Command() const {
    forms::InputTexts shown;
    for (const forms::Option& option : call_.product->spec().options) {
        if (option.field != forms::kNoId) {
            shown[option.name] = view_.Text(option.field);
        }
    }
    std::string command = ReproducingCommand(*call_.product, shown, evaluation_.answers);
    for (const RoomOption& option : RoomOptions()) {
        const auto given = call_.given.find(std::string(option.name));
        if (given != call_.given.end()) {
            command += " --" + given->first + " " + ShellWord(given->second);
        }
    }
    return command;
}

std::string ReproducingCommand(const Product& product, const forms::InputTexts& texts,
                               const forms::Answers& answers) {
    std::string command = "lorvane-calc " + std::string(product.word);
    for (const forms::Option& option : product.spec().options) {
        const std::string name = " --" + option.name;
        if (option.IsFlag()) {
            const auto answer = answers.find(option.question);
            if (answer != answers.end() && answer->second == option.answerWhenGiven) {
                command += name;
            }
            continue;
        }
        command += name + " " + ShellWord(WordOf(option, forms::TextOf(texts, option.name)));
    }
    return command;
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
    for (const auto& [name, text] : call.given) {
        if (IsRoomOption(name)) {
            inputs[name] = text;  // as typed: the room's own reading says what it means
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
    return IsRoomOption(name) ||
           std::any_of(Catalogue().begin(), Catalogue().end(), [&](const Product& product) {
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
        if (call.product->room.SendsSound() && IsRoomOption(name)) {
            call.given[name] = cell;
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
            const std::string_view typed = cell;
            const auto choice =
                std::find_if(option->choices.begin(), option->choices.end(),
                             [typed](const forms::Choice& c) { return SameWord(c.word, typed); });
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
