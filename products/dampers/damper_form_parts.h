#pragma once

#include <functional>

#include <initializer_list>
#include <string>
#include <vector>

#include "forms/form_description.h"
#include "forms/product_form.h"
#include "forms/result_record.h"
#include "products/dampers/damper_evaluation.h"

// What the four damper forms share: their "calculate" button, the title and input rows, the
// results of their blade tables, the inputs of the leakage and torque forms, and how a refused
// input or a note reaches the record.
namespace lorvane::dampers {

inline constexpr forms::ControlId kCalculate = 1083;

// Every result field of the damper forms shows "%5.1lf", except the acoustics form's area and
// levels.
inline constexpr const char* kResultFormat = "%5.1lf";

// The key of a blade size in results: "100mm".
std::string BladeKey(int pitch);

// A result shown "%5.1lf".
// The fields of the blade tables hold values up to five digits before the point: 27000.0.
inline constexpr int kTableFieldWidth = 7;

forms::ValueSpec TableValue(std::string key, std::string label, std::string unit,
                            forms::ControlId field);

// The refusal of an input: the option it was given as and the sentence naming its range. The
// form shows it in its error box.
forms::Refusal RefusalOf(const DamperRefusal& refusal);

// A refused press empties every result of the form: none of them belongs to the inputs now on
// screen.
// The specs are the form's own: the record keeps pointers to them.
using SpecRefs = std::vector<std::reference_wrapper<const forms::ValueSpec>>;
void NotComputed(forms::ResultRecord& record, const SpecRefs& specs);

void AddNotes(forms::ResultRecord& record, const std::vector<std::string>& notes);

// The title line across the form.
void AddTitle(forms::FormDescription& form, forms::ControlId id, std::string text, int columns);

// A labelled input field at the top left, over the first two columns right of the labels.
void AddInput(forms::FormDescription& form, int row, std::string label, forms::ControlId id);

// The width, height and differential pressure of the leakage and torque forms, kept in
// ProductInputs: their options, the texts they open with, and the texts typed into them.
struct SizeFields {
    forms::ControlId width;
    forms::ControlId height;
    forms::ControlId differentialPressure;
};
std::vector<forms::Option> SizeOptions(const SizeFields& fields);
std::vector<forms::FieldText> SizeStartTexts(const SharedState& state, const SizeFields& fields);
DamperSizeEntry SizeEntryOf(const forms::InputTexts& texts);

}  // namespace lorvane::dampers
