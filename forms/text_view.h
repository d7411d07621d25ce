#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "forms/form_description.h"
#include "forms/form_view.h"

namespace lorvane::forms {

// A form view on plain texts: lorvane-calc fills and reads forms through it, and tests use it
// to drive a form's logic without a window. It follows the FormView contract as the dialog
// does, so a list given a text selects its first entry that begins with it. Messages and
// questions are recorded; a question is answered from the queue, else by the standing answer
// to that question, else NO.
class TextView : public FormView {
  public:
    // The view keeps a reference to the description, which must outlive it.
    explicit TextView(const FormDescription& description);
    explicit TextView(const FormDescription&& description) = delete;

    std::string Text(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    void ShowError(std::string_view message) override;
    bool ShowCorrectionBox(std::string_view question) override;

    // The text a user enters, taken as it is: into an edit field or an editable list as typed;
    // into a selection-only list as an entry the form's own check then accepts or refuses.
    void Type(ControlId id, std::string_view text);

    const std::map<ControlId, std::string>& Texts() const { return texts_; }
    const std::vector<std::string>& Errors() const { return errors_; }
    const std::vector<std::string>& Questions() const { return questions_; }
    void QueueAnswer(bool yes) { answers_.push_back(yes); }
    void AnswerAlways(std::string question, bool yes) { standing_[std::move(question)] = yes; }

  private:
    const FormDescription* description_;
    std::map<ControlId, std::string> texts_;
    std::vector<std::string> errors_;
    std::vector<std::string> questions_;
    std::deque<bool> answers_;
    std::map<std::string, bool, std::less<>> standing_;
};

}  // namespace lorvane::forms
