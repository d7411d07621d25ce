#pragma once

#include <string>

#include "forms/form_description.h"
#include "forms/result_record.h"

namespace lorvane::forms {

// The upper part of a product form: each input labelled down the left, the results of the
// operating point labelled beside them on the right. Cells name a column and span; InRow puts
// them in a row.
inline constexpr Cell kInputFieldCell{0, 1, 2};
inline constexpr Cell kResultLabelCell{0, 6, 3};
inline constexpr Cell kResultFieldCell{0, 9, 2};

constexpr Cell InRow(Cell cell, int row) {
    cell.row = row;
    return cell;
}

// The input's label in the first column and its field in `field`'s columns.
void AddInputRow(FormDescription& form, int row, std::string label, ControlId id,
                 Cell field = kInputFieldCell);

// A labelled read-only field.
void AddResultField(FormDescription& form, Cell labelCell, std::string label, ControlId field,
                    Cell fieldCell);

// The result's label ("Velocity [m/s]:") and field on the right of the row.
void AddResultPair(FormDescription& form, int row, const ValueSpec& spec,
                   Cell label = kResultLabelCell, Cell field = kResultFieldCell);

}  // namespace lorvane::forms
