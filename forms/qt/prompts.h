#pragma once

#include <QString>

class QWidget;

namespace lorvane::forms::qt {

// The modal boxes a form may put up. Tests replace them, so that no test waits on a box.
class Prompts {
  public:
    virtual ~Prompts() = default;

    // A message box with the caption, the text and one OK button.
    virtual void ShowError(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The YES/NO correction question; true for YES.
    virtual bool AskCorrection(QWidget* parent, const QString& question) = 0;
};

// The boxes the user sees: a message box without an icon, and Dialog1.
class DialogPrompts : public Prompts {
  public:
    void ShowError(QWidget* parent, const QString& caption, const QString& text) override;
    bool AskCorrection(QWidget* parent, const QString& question) override;
};

}  // namespace lorvane::forms::qt
