#pragma once

#include <string>

#include "forms/form_description.h"
#include "forms/form_view.h"

namespace lorvane::forms {

// The form as plain text, laid out like the dialog: its caption, then each row of the grid
// with labels and the current field texts in aligned columns. Buttons and hidden fields are
// left out, and so are rows left with nothing to show.
std::string RenderFormText(const FormDescription& form, const FormView& view);

}  // namespace lorvane::forms
