#pragma once

#include <string>

#include "forms/form_description.h"
#include "forms/form_view.h"

namespace lorvane::forms {

// The form as plain text, laid out like the dialog: its caption and heading, then each row of
// the grid with labels and the current field texts in aligned columns. Rows with cells that
// span several columns (inputs beside their results) and rows of single cells (a table of
// bands) are aligned each among their own kind, so that neither widens the other's columns.
// Labels over or beside columns of results are aligned right, as the numbers are; a label that
// ends its row may run past its column. Buttons and hidden fields are left out, and so are
// rows left with nothing to show; a row of the grid with nothing in it is an empty line.
std::string RenderFormText(const FormDescription& form, const FormView& view);

}  // namespace lorvane::forms
