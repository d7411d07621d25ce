#pragma once

#include <QDialog>
#include <map>
#include <memory>

#include "forms/form.h"
#include "forms/form_view.h"

class QAction;
class QGridLayout;
class QHBoxLayout;
class QPushButton;

namespace lorvane::forms::qt {

class Prompts;

// The one dialog that draws every product form: it builds the form's description into a grid
// of widgets and lets the form's logic read and write them through the FormView interface.
//
// The dialog owns its form. It is modal and has no OK or Cancel button; Escape and the close
// box close it. It does not delete itself: the caller keeps it on the stack around exec(), so
// it is destroyed, with its form, as soon as the modal loop returns. Every control with an id
// has the id as its object name.
class FormDialog : public QDialog, public FormView {
    Q_OBJECT

  public:
    FormDialog(std::unique_ptr<Form> form, Prompts& prompts, QWidget* parent = nullptr);
    ~FormDialog() override;

    Form& form() const { return *form_; }
    // The widget of a control, or null when the form has no control with this id.
    QWidget* Widget(ControlId id) const;

    // Offers a command of the program on the form: a button in the row under the form, named
    // as the action, and the action's shortcut while the form has focus.
    QPushButton* AddCommand(QAction* action);

    std::string Text(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    void ShowError(std::string_view message) override;
    bool ShowCorrectionBox(std::string_view question) override;

  private:
    void Build(const FormDescription& description);
    void AddControl(const forms::Control& control, QGridLayout* grid);

    std::unique_ptr<Form> form_;
    Prompts& prompts_;
    std::map<ControlId, QWidget*> widgets_;
    QHBoxLayout* commands_ = nullptr;
};

}  // namespace lorvane::forms::qt
