#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "forms/form_view.h"

namespace lorvane::forms {

// A form view on plain texts: lorvane-calc fills and reads forms through it, and tests use it
// to drive a form's logic without a window. Messages and questions are recorded; the answers
// to questions are taken from a queue (NO when it is empty).
class TextView : public FormView {
  public:
    std::string Text(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    void ShowError(std::string_view message) override;
    bool ShowCorrectionBox(std::string_view question) override;

    const std::map<ControlId, std::string>& Texts() const { return texts_; }
    const std::vector<std::string>& Errors() const { return errors_; }
    const std::vector<std::string>& Questions() const { return questions_; }
    void QueueAnswer(bool yes) { answers_.push_back(yes); }

  private:
    std::map<ControlId, std::string> texts_;
    std::vector<std::string> errors_;
    std::vector<std::string> questions_;
    std::deque<bool> answers_;
};

}  // namespace lorvane::forms
