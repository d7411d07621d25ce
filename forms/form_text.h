#pragma once

#include <functional>
#include <string>
#include <vector>

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

// One text of a form's grid: a label, an input's or a result's text.
struct GridText {
    Cell cell;
    std::string text;    // blanks trimmed
    bool isResult = false;  // a result field's text, aligned right
};

// The rows of the form's grid that have something to show, top to bottom, each with its texts
// left to right; the heading, buttons and hidden fields are left out, and so is every field
// for which `leaveOut` is true.
std::vector<std::vector<GridText>> FormGrid(const FormDescription& form, const FormView& view,
                                            const std::function<bool(ControlId)>& leaveOut);

// The form as tab-separated text for a spreadsheet: the caption and the heading, then one line
// per row of the grid, each text in the column where its cell starts, blanks trimmed (a number
// as the form shows it, with its decimal point). A field for which `leaveOut` is true is left
// empty; rows with nothing to show are left out.
std::string RenderFormTabSeparated(const FormDescription& form, const FormView& view,
                                   const std::function<bool(ControlId)>& leaveOut);

}  // namespace lorvane::forms
