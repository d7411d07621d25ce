#include "forms/text_view.h"

#include <algorithm>

namespace lorvane::forms {

TextView::TextView(const FormDescription& description) : description_(&description) {}

std::string TextView::Text(ControlId id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

void TextView::SetText(ControlId id, std::string_view text) {
    const Control* control = description_->Find(id);
    const bool isList = control && (control->kind == ControlKind::ComboBox ||
                                    control->kind == ControlKind::List);
    if (!isList || text.empty()) {
        texts_[id] = std::string(text);
        return;
    }
    const auto entry = std::find_if(control->items.begin(), control->items.end(),
                                    [&](const std::string& item) { return item.starts_with(text); });
    if (entry != control->items.end()) {
        texts_[id] = *entry;
    } else if (control->kind == ControlKind::ComboBox) {
        texts_[id] = std::string(text);
    }
}

void TextView::Type(ControlId id, std::string_view text) {
    texts_[id] = std::string(text);
}

void TextView::ShowError(std::string_view message) {
    errors_.emplace_back(message);
}

bool TextView::ShowCorrectionBox(std::string_view question) {
    questions_.emplace_back(question);
    if (!answers_.empty()) {
        const bool yes = answers_.front();
        answers_.pop_front();
        return yes;
    }
    const auto standing = standing_.find(question);
    return standing != standing_.end() && standing->second;
}

}  // namespace lorvane::forms
