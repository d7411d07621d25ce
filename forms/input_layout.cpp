#include "forms/input_layout.h"

#include "forms/band_layout.h"

namespace lorvane::forms {

void AddInputRow(FormDescription& form, int row, std::string label, ControlId id, Cell field) {
    AddLabel(form, {row, 0}, std::move(label));
    AddField(form, id, ControlKind::Input, InRow(field, row));
}

void AddResultField(FormDescription& form, Cell labelCell, std::string label, ControlId field,
                    Cell fieldCell) {
    AddLabel(form, labelCell, std::move(label));
    AddField(form, field, ControlKind::Result, fieldCell);
}

void AddResultPair(FormDescription& form, int row, const ValueSpec& spec, Cell label, Cell field) {
    AddResultField(form, InRow(label, row), spec.label + ":", spec.field, InRow(field, row));
}

}  // namespace lorvane::forms
