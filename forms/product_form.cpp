#include "forms/product_form.h"

#include <algorithm>
#include <ostream>

#include "forms/record_fields.h"

namespace lorvane::forms {
FormDescription ProductFormDescription(const FormSpec& spec) {
    FormDescription description = spec.description;
    int lastRow = 0;
    int columns = 1;
    for (const Control& control : description.controls) {
        lastRow = std::max(lastRow, control.cell.row);
        columns = std::max(columns, control.cell.column + control.cell.columnSpan);
    }
    description.Add(
        {.id = kNotesField, .kind = ControlKind::Note, .cell = {lastRow + 2, 0, columns}});
    return description;
}

bool AnswerOf(const std::vector<Option>& options, const std::set<std::string>& flags,
              std::string_view question) {
    for (const Option& option : options) {
        if (option.IsFlag() && option.question == question) {
            return flags.contains(option.name) ? option.answerWhenGiven : !option.answerWhenGiven;
        }
    }
    return false;
}

std::optional<std::string> Option::ItemOf(std::string_view word) const {
    for (const Choice& choice : choices) {
        if (choice.word == word) {
            return choice.item;
        }
    }
    return std::nullopt;
}

std::string Option::ChoiceWords() const {
    std::string words;
    for (const Choice& choice : choices) {
        words += (words.empty() ? "" : "|") + choice.word;
    }
    return words;
}

std::string TextOf(const InputTexts& texts, const std::string& name) {
    const auto it = texts.find(name);
    return it == texts.end() ? std::string() : it->second;
}

ProductForm::ProductForm(const FormSpec& spec, const FormContext& context)
    : spec_(spec), context_(context), description_(ProductFormDescription(spec)) {}

std::vector<FieldText> ProductForm::InitialTexts() const {
    return spec_.initialTexts(context_.state);
}

InputTexts ProductForm::ReadInputs(const FormView& view) const {
    InputTexts texts;
    for (const Option& option : spec_.options) {
        if (option.field != kNoId) {
            texts[option.name] = view.Text(option.field);
        }
    }
    return texts;
}

void ProductForm::OnButton(FormView& view, ControlId button) {
    if (button != description_.defaultButton) {
        return;
    }
    const Ask ask = [&](std::string_view question, const ResultRecord& soFar) {
        ShowRecord(view, soFar, kNotesField);
        return AskCorrection(view, context_.state, question);
    };
    lastRecord_ = spec_.evaluate(context_.state, ReadInputs(view), ask);
    ShowRecord(view, *lastRecord_, kNotesField);
    if (const std::string trace = lastRecord_->Diagnostics(); !trace.empty()) {
        context_.diagnostics << trace << std::flush;
    }
    const std::optional<Refusal>& refusal = lastRecord_->Refused();
    if (refusal && refusal->shownOnForm) {
        view.ShowError(refusal->message);
    }
}

void ProductForm::OnSelectionChange(FormView& view, ControlId list, int index) {
    if (spec_.onSelection) {
        spec_.onSelection(view, context_.state, list, index);
    }
}

const ResultRecord* ProductForm::LastRecord() const {
    return lastRecord_ ? &*lastRecord_ : nullptr;
}

}  // namespace lorvane::forms
