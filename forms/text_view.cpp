#include "forms/text_view.h"

namespace lorvane::forms {

std::string TextView::Text(ControlId id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

void TextView::SetText(ControlId id, std::string_view text) {
    texts_[id] = std::string(text);
}

void TextView::ShowError(std::string_view message) {
    errors_.emplace_back(message);
}

bool TextView::ShowCorrectionBox(std::string_view question) {
    questions_.emplace_back(question);
    if (answers_.empty()) {
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

}  // namespace lorvane::forms
