#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace lorvane::app {

// The questions and file dialogs of the schedule window. Tests replace them, so that no test
// waits on a box.
class SchedulePrompts {
  public:
    enum class Unsaved { Save, Discard, Cancel };

    virtual ~SchedulePrompts() = default;

    // Whether to save the changes to the project `name` before it is closed.
    virtual Unsaved AskUnsaved(QWidget* parent, const QString& name) = 0;
    // The file to open or import; empty when the planner cancels.
    virtual QString OpenPath(QWidget* parent, const QString& caption, const QString& filter) = 0;
    // The file to write, starting from `suggested`; empty when the planner cancels.
    virtual QString SavePath(QWidget* parent, const QString& caption, const QString& suggested,
                             const QString& filter) = 0;
    // The tag of a new position, starting from `suggested`; nothing when the planner cancels.
    virtual std::optional<QString> AskTag(QWidget* parent, const QString& suggested) = 0;
    // A message box with one OK button: why something could not be done.
    virtual void ShowMessage(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The boxes the planner sees.
class ScheduleDialogs : public SchedulePrompts {
  public:
    Unsaved AskUnsaved(QWidget* parent, const QString& name) override;
    QString OpenPath(QWidget* parent, const QString& caption, const QString& filter) override;
    QString SavePath(QWidget* parent, const QString& caption, const QString& suggested,
                     const QString& filter) override;
    std::optional<QString> AskTag(QWidget* parent, const QString& suggested) override;
    void ShowMessage(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace lorvane::app
