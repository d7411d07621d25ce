#include "app/position_form.h"

#include "app/option_arguments.h"
#include "core/words.h"
#include "forms/qt/form_dialog.h"
#include "schedule/call.h"
#include "schedule/fresh_form.h"

namespace lorvane::app {
namespace {

// The text a list shows for a word, taken as schedules take it: whatever its case and
// surrounding blanks. Other texts stay as they are.
std::string ItemText(const forms::Option& option, const std::string& text) {
    for (const forms::Choice& choice : option.choices) {
        if (SameWord(choice.word, text)) {
            return choice.item;
        }
    }
    return text;
}

}  // namespace

std::map<std::string, std::string> FormInputs(const forms::qt::FormDialog& dialog,
                                              const Product& product,
                                              const std::map<std::string, std::string>& before) {
    std::map<std::string, std::string> inputs;
    for (const forms::Option& option : product.spec().options) {
        if (option.IsFlag()) {
            const auto answer = dialog.LastAnswers().find(option.question);
            const auto kept = before.find(option.name);
            if (answer != dialog.LastAnswers().end()) {
                if (answer->second == option.answerWhenGiven) {
                    inputs[option.name] = "yes";
                }
            } else if (kept != before.end() && schedule::IsYes(kept->second)) {
                inputs[option.name] = "yes";
            }
        } else if (option.field != forms::kNoId) {
            const std::string text = schedule::WordOf(option, dialog.Text(option.field));
            if (!text.empty()) {
                inputs[option.name] = text;
            }
        }
    }
    return inputs;
}

void EnterPosition(forms::qt::FormDialog& dialog, const Product& product,
                   const schedule::Position& position) {
    const forms::InputTexts start = schedule::StartTexts(product);
    for (const forms::Option& option : product.spec().options) {
        if (option.IsFlag() || option.field == forms::kNoId) {
            continue;
        }
        const auto given = position.inputs.find(option.name);
        const std::string text = given != position.inputs.end() && !given->second.empty()
                                     ? given->second
                                     : forms::TextOf(start, option.name);
        dialog.Enter(option.field, QString::fromStdString(ItemText(option, text)));
    }
}

PositionPrompts::PositionPrompts(forms::qt::Prompts& prompts, const Product& product,
                                 const schedule::Position& position)
    : prompts_(prompts), product_(product) {
    for (const forms::Option& option : product.spec().options) {
        const auto given = position.inputs.find(option.name);
        if (option.IsFlag() && given != position.inputs.end() && schedule::IsYes(given->second)) {
            flags_.insert(option.name);
        }
    }
}

void PositionPrompts::ShowError(QWidget* parent, const QString& caption, const QString& text) {
    prompts_.ShowError(parent, caption, text);
}

bool PositionPrompts::AskCorrection(QWidget* parent, const QString& question) {
    if (!scripted_) {
        return prompts_.AskCorrection(parent, question);
    }
    OptionValues options;
    options.flags = flags_;
    return AnswerFromFlags(product_, options, question);
}

void CalculateAsPosition(forms::qt::FormDialog& dialog, PositionPrompts& prompts,
                         const Product& product, const schedule::Position& position) {
    EnterPosition(dialog, product, position);
    dialog.Calculate();
    prompts.Release();
}

}  // namespace lorvane::app
