#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "core/shared_state.h"
#include "schedule/project.h"

class QTableView;

namespace lorvane::forms::qt {
class Prompts;
}

namespace lorvane::app {

class RecentFileList;
class ScheduleModel;
class SchedulePrompts;

// The schedule window: the positions of one project in a table, beside the main window and not
// modal. Its File menu makes, opens, saves, imports, exports and prints projects and lists the
// recent project files; its Edit menu deletes, duplicates and moves positions. A double-click
// on a position (or Enter) opens its product's form filled in and calculated; the form's
// "Update position" gives the position the form's inputs. Questions about unsaved changes, file
// dialogs and messages go through SchedulePrompts.
class ScheduleWindow : public QMainWindow {
    Q_OBJECT

  public:
    ScheduleWindow(SharedState& state, forms::qt::Prompts& formPrompts, SchedulePrompts& prompts,
                   RecentFileList& recentFiles, QWidget* parent = nullptr);

    QTableView* Table() const { return table_; }
    ScheduleModel* Model() const { return model_; }
    // The project's file; empty for a project not saved yet.
    const QString& FilePath() const { return path_; }
    // A command of the window by its object name: "new", "open", "save", "saveAs", "importCsv",
    // "exportCsv", "exportPdf", "close", "delete", "duplicate", "moveUp", "moveDown", "recent1"..
    QAction* Action(const QString& name) const;

    // Adds a position at the end under a tag asked for over `asker`, prefilled with the next
    // free one, and shows the window. False when the planner cancels.
    bool AddPosition(schedule::Position position, QWidget* asker);
    // Opens a project file in place of the open project, once its changes are saved or given up.
    // False when the planner cancels or the file cannot be read; the open project is unchanged.
    bool OpenProject(const QString& path);
    // Opens the form of the position in a row, modal over this window.
    void OpenPosition(int row);

    bool Save();
    bool SaveAs();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* NewAction(const QString& text, const QString& name, const QKeySequence& shortcut);
    void CreateMenus();
    void UpdateRecentFiles();
    void UpdateTitle();
    void UpdateEditActions();
    void NoteRecent(const QString& path);
    // Whether the open project may be closed: unchanged, saved, or its changes given up.
    bool MaySetAside();
    bool SaveTo(const QString& path);
    void Load(const schedule::Project& project, const QString& path);
    // Reads a project file into the window; a file that cannot be read is reported and changes
    // nothing.
    bool LoadFile(const QString& path);

    void New();
    void Open();
    void ImportCsv();
    void ExportCsv();
    void ExportPdf();
    void DeleteSelected();
    void DuplicateCurrent();
    void MoveCurrent(int by);
    int CurrentRow() const;
    void SelectRow(int row);
    // The name files and titles use: the file's name, or "Untitled".
    QString ProjectName() const;

    SharedState& state_;
    forms::qt::Prompts& formPrompts_;
    SchedulePrompts& prompts_;
    RecentFileList& recentFiles_;
    ScheduleModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QString path_;
    std::array<QAction*, 4> recent_{};
    QAction* recentSeparator_ = nullptr;
};

}  // namespace lorvane::app
