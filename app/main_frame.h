#pragma once

#include <QMainWindow>
#include <QPointer>
#include <map>

#include "app/form_commands.h"
#include "core/shared_state.h"

class QAction;
class QMenu;

namespace lorvane::forms::qt {
class Prompts;
}

namespace lorvane::app {

class FinderWindow;
class RecentFileList;
class SchedulePrompts;
class ScheduleWindow;
class UserGuideWindow;

// The main window: an empty client area, the menu bar, an empty toolbar and the status bar.
// Its product commands open the product forms, one at a time, modal over this window; every
// form is given the one shared state of the run, and can add itself to the schedule window.
class CMainFrame : public QMainWindow {
    Q_OBJECT

  public:
    CMainFrame(SharedState& state, forms::qt::Prompts& prompts, SchedulePrompts& schedulePrompts,
               RecentFileList& recentFiles, QWidget* parent = nullptr);

    // The menu action of a command id, or null.
    QAction* CommandAction(int command) const;
    void OnCommand(int command);
    // The user guide's window, once "Help" has opened it.
    UserGuideWindow* UserGuide() const;
    // The schedule window, made and shown when first needed; it is gone again once closed.
    ScheduleWindow& Schedule();
    // "Add to schedule" of a form: into the schedule window, made on first use.
    AddToSchedule AddingToSchedule();
    // The schedule window while it is open, or null.
    ScheduleWindow* OpenSchedule() const;

  signals:
    // A product's form was closed again.
    void ProductFormClosed(int command);

  protected:
    // F1 opens the user guide from every window of the program, modal forms included.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The schedule window is closed first: its unsaved changes may keep the program running.
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void AddProducts(QMenu* menu);
    QAction* AddCommand(QMenu* menu, int command, const QString& text);
    void CreateToolBar();
    void CreateStatusBar();
    void OpenProductForm(int command);
    void OpenFinder();
    void ShowUserGuide();

    SharedState& state_;
    forms::qt::Prompts& prompts_;
    SchedulePrompts& schedulePrompts_;
    RecentFileList& recentFiles_;
    std::map<int, QAction*> actions_;
    FinderWindow* finder_ = nullptr;     // made on first use, kept while the main window lives
    QPointer<UserGuideWindow> guide_;    // made on first use, kept while the main window lives
    QPointer<ScheduleWindow> schedule_;  // made on first use, deleted when closed
};

}  // namespace lorvane::app
