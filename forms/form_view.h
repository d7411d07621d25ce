#pragma once

#include <span>
#include <string>
#include <string_view>

#include "forms/form_description.h"

namespace lorvane::forms {

// What a form's logic sees of an open form: the texts of its controls and the two modal
// boxes. The Qt dialog implements it on real widgets; tests and lorvane-calc on plain texts.
class FormView {
  public:
    virtual ~FormView() = default;

    // The text of a field, or the text of a drop-down list's selected or typed entry.
    virtual std::string Text(ControlId id) const = 0;
    // Replaces a field's text. For a drop-down list, selects the first entry that begins with
    // the text.
    virtual void SetText(ControlId id, std::string_view text) = 0;
    // The modal message box with the form's error caption and one OK button.
    virtual void ShowError(std::string_view message) = 0;
    // The YES/NO correction box; true for YES, false for NO, Escape and the close box.
    virtual bool ShowCorrectionBox(std::string_view question) = 0;
    // What to bear in mind about a result field's value ("estimated values"); an empty text
    // takes the remark away. A view that cannot show it ignores it.
    virtual void SetCaveat(ControlId id, std::string_view caveat);
};

// The field's text becomes the value in the printf-style format.
void ShowNumber(FormView& view, ControlId id, std::string_view format, double value);

// Each listed field's text becomes empty.
void ClearFields(FormView& view, std::span<const ControlId> ids);

// Every field from first to last, both inclusive.
void ClearFieldRange(FormView& view, ControlId first, ControlId last);

}  // namespace lorvane::forms
