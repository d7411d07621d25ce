#pragma once

#include <QWidget>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/form_commands.h"
#include "core/shared_state.h"
#include "finder/finder.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace lorvane::forms::qt {
class Prompts;
}

namespace lorvane::app {

// The "Find a product" window, beside the main window and not modal: the duty point at the
// top, below it every controller size that serves it, in a table that a click on a heading
// sorts and that follows every keystroke. Activating a row (a double-click, or Enter) opens
// that product's form, modal over this window, with the size and the duty point typed in and
// calculated, as a planner would have typed them.
class FinderWindow : public QWidget {
    Q_OBJECT

  public:
    FinderWindow(SharedState& state, forms::qt::Prompts& prompts, std::ostream& diagnostics,
                 QWidget* parent = nullptr);

    // The schedule that the forms opened here may add their position to.
    void SetSchedule(AddToSchedule addToSchedule) { schedule_ = std::move(addToSchedule); }

    // The field of an input by its option name ("flow", "max-width").
    QLineEdit* Input(const std::string& name) const;
    QTableView* Table() const { return table_; }
    // The line under the table: how many candidates, why none, or which input is refused.
    QLabel* Status() const { return status_; }
    // What the words of the attenuator column in the table mean.
    QLabel* Notes() const { return notes_; }

  private:
    void Search();
    void ShowCandidates();
    void OpenRow(const QModelIndex& index);

    SharedState& state_;
    forms::qt::Prompts& prompts_;
    std::ostream& diagnostics_;
    std::map<std::string, QLineEdit*> inputs_;
    QStandardItemModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* notes_ = nullptr;
    AddToSchedule schedule_;
    std::optional<finder::DutyPoint> dutyPoint_;
    std::vector<finder::Candidate> candidates_;
};

}  // namespace lorvane::app
