#include "forms/form_description.h"

#include <algorithm>

namespace lorvane::forms {

const Control* FormDescription::Find(ControlId id) const {
    if (id == kNoId) {
        return nullptr;
    }
    auto it = std::find_if(controls.begin(), controls.end(),
                           [id](const Control& control) { return control.id == id; });
    return it == controls.end() ? nullptr : &*it;
}

Control& FormDescription::Add(Control control) {
    return controls.emplace_back(std::move(control));
}

}  // namespace lorvane::forms
