#pragma once

#include <QString>
#include <map>
#include <set>
#include <string>

#include "forms/qt/prompts.h"
#include "products/catalogue.h"
#include "schedule/project.h"

namespace lorvane::forms::qt {
class FormDialog;
}

namespace lorvane::app {

// How a schedule's position and a product form meet: the position's inputs typed into the
// form, and the form's inputs taken back into a position.

// The inputs of a form as a position keeps them, by option name: each option field's text as
// the form shows it (a list entry as its word; an empty field left out), and a flag as "yes"
// where the latest calculation's question was answered as the flag answers it. A question the
// latest calculation did not ask keeps the flag as `before` has it.
std::map<std::string, std::string> FormInputs(
    const forms::qt::FormDialog& dialog, const Product& product,
    const std::map<std::string, std::string>& before = {});

// Types a position's inputs into its product's form, as a user would, in the order of the
// product's options; an option the position leaves out gets the text a fresh form starts with.
void EnterPosition(forms::qt::FormDialog& dialog, const Product& product,
                   const schedule::Position& position);

// The boxes of a form opened on a position: until Release(), the form's questions are answered
// as the position's flags say, as the schedule calculated them; after it, and for every message,
// the planner's own boxes.
class PositionPrompts : public forms::qt::Prompts {
  public:
    PositionPrompts(forms::qt::Prompts& prompts, const Product& product,
                    const schedule::Position& position);

    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskCorrection(QWidget* parent, const QString& question) override;
    void Release() { scripted_ = false; }

  private:
    forms::qt::Prompts& prompts_;
    const Product& product_;
    std::set<std::string> flags_;
    bool scripted_ = true;
};

// A product form as a schedule calculates a position: typed in and calculated with its flags'
// answers. The form must be shown (it may be kept off the screen).
void CalculateAsPosition(forms::qt::FormDialog& dialog, PositionPrompts& prompts,
                         const Product& product, const schedule::Position& position);

}  // namespace lorvane::app
