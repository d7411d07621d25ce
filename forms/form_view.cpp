#include "forms/form_view.h"

#include "core/number_text.h"

namespace lorvane::forms {

void FormView::SetCaveat(ControlId /*id*/, std::string_view /*caveat*/) {}

void ShowNumber(FormView& view, ControlId id, std::string_view format, double value) {
    view.SetText(id, FormatNumber(format, value));
}

void ClearFields(FormView& view, std::span<const ControlId> ids) {
    for (ControlId id : ids) {
        view.SetText(id, "");
    }
}

void ClearFieldRange(FormView& view, ControlId first, ControlId last) {
    for (ControlId id = first; id <= last; ++id) {
        view.SetText(id, "");
    }
}

}  // namespace lorvane::forms
