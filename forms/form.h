#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/shared_state.h"
#include "forms/form_description.h"
#include "forms/form_view.h"

namespace lorvane::forms {

// What every form is given when it is created: the run's shared state and the channel for
// diagnostic text, which never reaches a dialog.
struct FormContext {
    SharedState& state;
    std::ostream& diagnostics;
};

class ResultRecord;

struct FieldText {
    ControlId id;
    std::string text;
};

// The logic of one product form, free of any toolkit. A form object lives while its dialog is
// open; a form opened again is a new object that starts from the shared state.
class Form {
  public:
    virtual ~Form() = default;

    virtual const FormDescription& Description() const = 0;
    // The texts the fields show when the form opens, pre-filled from the shared state.
    virtual std::vector<FieldText> InitialTexts() const = 0;
    // A push button was pressed (Enter presses the default button).
    virtual void OnButton(FormView& view, ControlId button) = 0;
    // The user picked entry `index` of a drop-down list.
    virtual void OnSelectionChange(FormView& view, ControlId list, int index);
    // What the latest "calculate" came to; null before the first.
    virtual const ResultRecord* LastRecord() const;
};

using FormFactory = std::unique_ptr<Form> (*)(const FormContext& context);

// Writes a form's initial texts into a freshly built view.
void ShowInitialTexts(FormView& view, const Form& form);

// Asks a YES/NO question through the correction box; the question stays in the shared state
// until the next one.
bool AskCorrection(FormView& view, SharedState& state, std::string_view question);

}  // namespace lorvane::forms
