#include "forms/form.h"

namespace lorvane::forms {

void Form::OnSelectionChange(FormView& /*view*/, ControlId /*list*/, int /*index*/) {}

const ResultRecord* Form::LastRecord() const {
    return nullptr;
}

void ShowInitialTexts(FormView& view, const Form& form) {
    for (const FieldText& field : form.InitialTexts()) {
        view.SetText(field.id, field.text);
    }
}

bool AskCorrection(FormView& view, SharedState& state, std::string_view question) {
    state.correctionText = question;
    return view.ShowCorrectionBox(state.correctionText);
}

}  // namespace lorvane::forms
