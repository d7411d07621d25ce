#pragma once

#include "forms/form_view.h"
#include "forms/result_record.h"

namespace lorvane::forms {

// Writes a record into the form's fields: each computed number in its field's format, each
// text as it is, an empty field for a value the model cannot give or the press did not reach.
// Fields of results the record does not name keep their text. A number that is not finite is
// never shown. The notes go into the notes line, when the form has one; a record without notes
// empties it.
void ShowRecord(FormView& view, const ResultRecord& record, ControlId notesField = kNoId);

// The text a field shows for a value: a number in its format, a text as it is, a flag as yes or
// no, texts one after another; nothing for a value the press did not reach.
std::string ValueText(const ResultValue& value);

// The text a field shows for a number: the number in the format, or nothing.
std::string NumberText(std::string_view format, Number value);

}  // namespace lorvane::forms
