#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "forms/form.h"
#include "forms/form_text.h"
#include "forms/form_view.h"
#include "forms/product_form.h"

class QAction;
class QGridLayout;
class QHBoxLayout;
class QPushButton;

namespace lorvane::forms::qt {

class Prompts;
class BandChart;

// The one dialog that draws every product form: it builds the form's description into a grid
// of widgets and lets the form's logic read and write them through the FormView interface.
//
// The dialog owns its form. It is modal and has no OK or Cancel button; Escape and the close
// box close it. It does not delete itself: the caller keeps it on the stack around exec(), so
// it is destroyed, with its form, as soon as the modal loop returns. Every control with an id
// has the id as its object name.
//
// Results that the latest handler (a "calculate" or a pick in a list) did not write keep their
// text, as the forms prescribe, but are shown as stale: greyed, with a tool tip. The chart and
// the copied text leave them out.
class FormDialog : public QDialog, public FormView {
    Q_OBJECT

  public:
    FormDialog(std::unique_ptr<Form> form, Prompts& prompts, QWidget* parent = nullptr);
    ~FormDialog() override;

    Form& form() const { return *form_; }
    // The widget of a control, or null when the form has no control with this id.
    QWidget* Widget(ControlId id) const;
    // The chart of the form's spectrum, or null for a form without octave rows.
    BandChart* Chart() const { return chart_; }

    // Offers a command of the program on the form: a button in the row under the form, named
    // as the action, an entry of the form's context menu, and the action's shortcut while the
    // form has focus.
    QPushButton* AddCommand(QAction* action);

    // Whether a result field shows a value from an earlier calculation.
    bool IsStale(ControlId id) const { return stale_.contains(id); }
    // The form's inputs and current results as tab-separated text, stale values left out, each
    // number as the form shows it; "Copy" gives it with the user's decimal separator.
    QString TabSeparatedText() const;
    // The form's rows with their texts, stale values left out.
    std::vector<std::vector<GridText>> CurrentGrid() const;
    // Presses the form's "calculate", as Enter does.
    void Calculate();
    // Enters a text as a user would: into a field or a list one may type into as it is; a
    // selection-only list picks the entry equal to it, or none.
    void Enter(ControlId id, const QString& text);
    // The questions the latest handler asked, with their answers (true for YES).
    const Answers& LastAnswers() const { return answers_; }

    std::string Text(ControlId id) const override;
    void SetText(ControlId id, std::string_view text) override;
    void ShowError(std::string_view message) override;
    bool ShowCorrectionBox(std::string_view question) override;
    void SetCaveat(ControlId id, std::string_view caveat) override;

  signals:
    // A handler ("calculate", a pick in a list) has run and the form shows what it came to.
    void HandlerRan();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Build(const FormDescription& description);
    void AddControl(const forms::Control& control, QGridLayout* grid);
    void OrderTabs(const FormDescription& description);
    void AppendToTabs(QWidget* widget);
    void RunHandler(const std::function<void()>& handler);
    void MarkStaleResults();
    void ShowCurrentChart();
    void ShowFieldState(ControlId id);

    std::unique_ptr<Form> form_;
    Prompts& prompts_;
    std::map<ControlId, QWidget*> widgets_;
    std::set<ControlId> results_;  // the read-only result fields
    std::set<ControlId> written_;  // results written by the latest handler
    std::set<ControlId> stale_;
    std::map<ControlId, QString> caveats_;
    Answers answers_;
    std::vector<QWidget*> tabs_;  // the widgets Tab visits, in order
    QHBoxLayout* commands_ = nullptr;
    BandChart* chart_ = nullptr;
    bool centred_ = false;
};

}  // namespace lorvane::forms::qt
