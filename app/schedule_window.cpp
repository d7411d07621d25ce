#include "app/schedule_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <algorithm>
#include <iostream>
#include <variant>

#include "app/form_commands.h"
#include "app/position_form.h"
#include "app/recent_files.h"
#include "app/schedule_cells.h"
#include "app/schedule_files.h"
#include "app/schedule_model.h"
#include "app/schedule_pdf.h"
#include "app/schedule_prompts.h"
#include "app/screen_fit.h"
#include "forms/qt/form_dialog.h"

namespace lorvane::app {
namespace {

const QString kProjectFilter = QStringLiteral("Lorvane projects (*.lrv);;All files (*)");
const QString kCsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");

// The file beside the project's, or in the working directory, with the project's name.
QString Beside(const QString& projectPath, const QString& name, const QString& suffix) {
    const QString base = projectPath.isEmpty() ? name : QFileInfo(projectPath).completeBaseName();
    const QString file = base + suffix;
    return projectPath.isEmpty() ? file : QFileInfo(projectPath).dir().filePath(file);
}

}  // namespace

ScheduleWindow::ScheduleWindow(SharedState& state, forms::qt::Prompts& formPrompts,
                               SchedulePrompts& prompts, RecentFileList& recentFiles,
                               QWidget* parent)
    : QMainWindow(parent, Qt::Window),
      state_(state),
      formPrompts_(formPrompts),
      prompts_(prompts),
      recentFiles_(recentFiles),
      model_(new ScheduleModel(this)),
      table_(new QTableView(this)) {
    setObjectName(QStringLiteral("schedule"));
    table_->setObjectName(QStringLiteral("positions"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The tag is edited in place; a double-click anywhere else opens the position's form.
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::SelectedClicked);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setToolTip(QStringLiteral(
        "Double-click a position to open its form; double-click or F2 on a tag to change it"));
    setCentralWidget(table_);
    CreateMenus();

    connect(table_, &QTableView::activated, this,
            [this](const QModelIndex& index) { OpenPosition(index.row()); });
    connect(model_, &ScheduleModel::Edited, this, [this] {
        setWindowModified(true);
        table_->resizeColumnsToContents();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ScheduleWindow::UpdateEditActions);
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ScheduleWindow::UpdateEditActions);
    // A move or an insertion keeps the selection where it was, which may now be an end.
    connect(model_, &QAbstractItemModel::modelReset, this, &ScheduleWindow::UpdateEditActions);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ScheduleWindow::UpdateEditActions);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ScheduleWindow::UpdateEditActions);
    connect(model_, &QAbstractItemModel::rowsMoved, this, &ScheduleWindow::UpdateEditActions);
    statusBar();
    UpdateTitle();
    UpdateEditActions();
    table_->resizeColumnsToContents();
    FitToScreen(*this, QSize(1100, 560));
}

QAction* ScheduleWindow::Action(const QString& name) const {
    return findChild<QAction*>(name);
}

QAction* ScheduleWindow::NewAction(const QString& text, const QString& name,
                                   const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

void ScheduleWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    const auto add = [this](QMenu* menu, const QString& text, const QString& name,
                            const QKeySequence& shortcut, auto slot) {
        QAction* action = NewAction(text, name, shortcut);
        connect(action, &QAction::triggered, this, slot);
        menu->addAction(action);
        return action;
    };
    add(file, QStringLiteral("&New"), QStringLiteral("new"), QKeySequence::New, [this] { New(); });
    add(file, QStringLiteral("&Open…"), QStringLiteral("open"), QKeySequence::Open,
        [this] { Open(); });
    add(file, QStringLiteral("&Save"), QStringLiteral("save"), QKeySequence::Save,
        [this] { Save(); });
    add(file, QStringLiteral("Save &As…"), QStringLiteral("saveAs"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [this] { SaveAs(); });
    file->addSeparator();
    add(file, QStringLiteral("&Import CSV…"), QStringLiteral("importCsv"), {},
        [this] { ImportCsv(); });
    add(file, QStringLiteral("&Export CSV…"), QStringLiteral("exportCsv"), {},
        [this] { ExportCsv(); });
    add(file, QStringLiteral("Export &PDF…"), QStringLiteral("exportPdf"), {},
        [this] { ExportPdf(); });
    recentSeparator_ = file->addSeparator();
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        QAction* action = NewAction(QString(), QStringLiteral("recent%1").arg(i + 1), {});
        connect(action, &QAction::triggered, this,
                [this, action] { OpenProject(action->data().toString()); });
        file->addAction(action);
        recent_[i] = action;
    }
    file->addSeparator();
    add(file, QStringLiteral("&Close"), QStringLiteral("close"), QKeySequence::Close,
        [this] { close(); });
    connect(file, &QMenu::aboutToShow, this, &ScheduleWindow::UpdateRecentFiles);
    UpdateRecentFiles();

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, QStringLiteral("&Open form…"), QStringLiteral("openForm"), {},
        [this] { OpenPosition(CurrentRow()); });
    edit->addSeparator();
    add(edit, QStringLiteral("&Delete"), QStringLiteral("delete"), QKeySequence::Delete,
        [this] { DeleteSelected(); });
    add(edit, QStringLiteral("D&uplicate"), QStringLiteral("duplicate"),
        QKeySequence(Qt::CTRL | Qt::Key_D), [this] { DuplicateCurrent(); });
    add(edit, QStringLiteral("Move &up"), QStringLiteral("moveUp"),
        QKeySequence(Qt::ALT | Qt::Key_Up), [this] { MoveCurrent(-1); });
    add(edit, QStringLiteral("Move do&wn"), QStringLiteral("moveDown"),
        QKeySequence(Qt::ALT | Qt::Key_Down), [this] { MoveCurrent(+1); });

    QToolBar* tools = addToolBar(QStringLiteral("Schedule"));
    tools->setObjectName(QStringLiteral("scheduleToolBar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const char* name : {"new", "open", "save"}) {
        tools->addAction(Action(QString::fromLatin1(name)));
    }
    tools->addSeparator();
    for (const char* name : {"openForm", "duplicate", "delete", "moveUp", "moveDown"}) {
        tools->addAction(Action(QString::fromLatin1(name)));
    }
}

void ScheduleWindow::UpdateRecentFiles() {
    const QStringList& files = recentFiles_.Files();
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        const qsizetype at = static_cast<qsizetype>(i);
        const bool shown = at < files.size();
        recent_[i]->setVisible(shown);
        if (shown) {
            recent_[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(
                QFileInfo(files[at]).fileName().replace(u'&', QStringLiteral("&&"))));
            recent_[i]->setData(files[at]);
            recent_[i]->setStatusTip(files[at]);
        }
    }
    recentSeparator_->setVisible(!files.isEmpty());
}

void ScheduleWindow::NoteRecent(const QString& path) {
    recentFiles_.Add(QFileInfo(path).absoluteFilePath());
    // Kept at once: a run that ends without its exit still remembers the file.
    QSettings settings;
    recentFiles_.Save(settings);
    UpdateRecentFiles();
}

QString ScheduleWindow::ProjectName() const {
    return path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
}

void ScheduleWindow::UpdateTitle() {
    setWindowTitle(QStringLiteral("%1[*] - Schedule").arg(ProjectName()));
}

int ScheduleWindow::CurrentRow() const {
    const QModelIndex current = table_->selectionModel()->currentIndex();
    return current.isValid() && table_->selectionModel()->isRowSelected(current.row())
               ? current.row()
               : -1;
}

void ScheduleWindow::SelectRow(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        table_->clearSelection();
        return;
    }
    table_->selectionModel()->setCurrentIndex(
        model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(model_->index(row, 0));
}

void ScheduleWindow::UpdateEditActions() {
    const int row = CurrentRow();
    const bool selected = table_->selectionModel()->hasSelection();
    Action(QStringLiteral("openForm"))->setEnabled(row >= 0);
    Action(QStringLiteral("delete"))->setEnabled(selected);
    Action(QStringLiteral("duplicate"))->setEnabled(row >= 0);
    Action(QStringLiteral("moveUp"))->setEnabled(row > 0);
    Action(QStringLiteral("moveDown"))->setEnabled(row >= 0 && row + 1 < model_->rowCount());
}

bool ScheduleWindow::AddPosition(schedule::Position position, QWidget* asker) {
    const QString last =
        model_->rowCount() > 0
            ? QString::fromStdString(model_->PositionAt(model_->rowCount() - 1).tag)
            : QString();
    const std::optional<QString> tag = prompts_.AskTag(asker, model_->FreeTag(last));
    if (!tag) {
        return false;
    }
    position.tag = tag->toStdString();
    const int row = model_->Append(std::move(position));
    show();
    SelectRow(row);
    statusBar()->showMessage(QStringLiteral("Position %1 added").arg(*tag));
    return true;
}

void ScheduleWindow::OpenPosition(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    const schedule::Position position = model_->PositionAt(row);
    const Product* product = FindProductByWord(position.product);
    if (product == nullptr) {
        prompts_.ShowMessage(this, QStringLiteral("Schedule"),
                             QStringLiteral("Lorvane has no form for the product \"%1\".")
                                 .arg(QString::fromStdString(position.product)));
        return;
    }
    PositionPrompts prompts(formPrompts_, *product, position);
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state_, std::cout}), prompts,
                                 this);
    AddFormCommands(dialog, *product, state_);
    auto* update = new QAction(QStringLiteral("Update position"), &dialog);
    update->setObjectName(QStringLiteral("updatePosition"));
    update->setToolTip(QStringLiteral("Gives the position %1 the inputs of this form")
                           .arg(QString::fromStdString(position.tag)));
    connect(update, &QAction::triggered, &dialog, [&] {
        schedule::Position updated = position;
        updated.product = std::string(product->word);
        updated.inputs = FormInputs(dialog, *product, position.inputs);
        // The form is modal: the position is still in the row it was opened from.
        model_->Replace(row, std::move(updated));
        statusBar()->showMessage(
            QStringLiteral("Position %1 updated").arg(QString::fromStdString(position.tag)));
    });
    dialog.AddCommand(update);
    // The form says which position it calculates.
    dialog.setWindowTitle(QStringLiteral("%1 - position %2")
                              .arg(dialog.windowTitle(), QString::fromStdString(position.tag)));
    dialog.show();
    KeepOnScreen(dialog);
    CalculateAsPosition(dialog, prompts, *product, position);
    dialog.exec();
}

bool ScheduleWindow::MaySetAside() {
    if (!isWindowModified()) {
        return true;
    }
    switch (prompts_.AskUnsaved(this, ProjectName())) {
        case SchedulePrompts::Unsaved::Save:
            return Save();
        case SchedulePrompts::Unsaved::Discard:
            return true;
        case SchedulePrompts::Unsaved::Cancel:
            break;
    }
    return false;
}

void ScheduleWindow::Load(const schedule::Project& project, const QString& path) {
    model_->SetProject(project);
    path_ = path;
    setWindowModified(false);
    UpdateTitle();
    table_->resizeColumnsToContents();
    SelectRow(-1);
}

void ScheduleWindow::New() {
    if (MaySetAside()) {
        Load({}, QString());
    }
}

void ScheduleWindow::Open() {
    if (!MaySetAside()) {
        return;
    }
    const QString path = prompts_.OpenPath(this, QStringLiteral("Open project"), kProjectFilter);
    if (!path.isEmpty()) {
        LoadFile(path);
    }
}

bool ScheduleWindow::OpenProject(const QString& path) {
    return MaySetAside() && LoadFile(path);
}

bool ScheduleWindow::LoadFile(const QString& path) {
    std::variant<schedule::Project, QString> project = ReadProject(path);
    if (const QString* problem = std::get_if<QString>(&project)) {
        prompts_.ShowMessage(this, QStringLiteral("Open project"),
                             QStringLiteral("%1 was not opened.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), *problem));
        if (!QFileInfo::exists(path)) {
            recentFiles_.Remove(QFileInfo(path).absoluteFilePath());
            UpdateRecentFiles();
        }
        return false;
    }
    Load(std::get<schedule::Project>(project), path);
    NoteRecent(path);
    statusBar()->showMessage(QStringLiteral("%1 positions opened").arg(model_->rowCount()));
    return true;
}

bool ScheduleWindow::Save() {
    return path_.isEmpty() ? SaveAs() : SaveTo(path_);
}

bool ScheduleWindow::SaveAs() {
    const QString path =
        prompts_.SavePath(this, QStringLiteral("Save project"),
                          path_.isEmpty() ? QStringLiteral("schedule.lrv") : path_, kProjectFilter);
    return !path.isEmpty() && SaveTo(path);
}

bool ScheduleWindow::SaveTo(const QString& path) {
    QString error;
    if (!WriteProject(path, model_->Project(), &error)) {
        prompts_.ShowMessage(this, QStringLiteral("Save project"),
                             QStringLiteral("The project could not be saved to %1.\n\n%2\n\nIt "
                                            "is still open, with its changes not saved.")
                                 .arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    path_ = path;
    setWindowModified(false);
    UpdateTitle();
    NoteRecent(path);
    statusBar()->showMessage(QStringLiteral("Saved to %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

void ScheduleWindow::ImportCsv() {
    const QString path = prompts_.OpenPath(this, QStringLiteral("Import CSV"), kCsvFilter);
    if (path.isEmpty()) {
        return;
    }
    std::variant<std::vector<schedule::Position>, QString> positions = ReadPositionsCsv(path);
    if (const QString* problem = std::get_if<QString>(&positions)) {
        prompts_.ShowMessage(this, QStringLiteral("Import CSV"),
                             QStringLiteral("%1 was not imported.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), *problem));
        return;
    }
    // Appended to the open project, which keeps its file.
    const int first = model_->rowCount();
    model_->Append(std::get<std::vector<schedule::Position>>(std::move(positions)));
    SelectRow(first);
    statusBar()->showMessage(QStringLiteral("%1 positions imported from %2")
                                 .arg(model_->rowCount() - first)
                                 .arg(QFileInfo(path).fileName()));
}

void ScheduleWindow::ExportCsv() {
    const QString path = prompts_.SavePath(
        this, QStringLiteral("Export CSV"),
        Beside(path_, QStringLiteral("schedule"), QStringLiteral("-results.csv")), kCsvFilter);
    QString error;
    if (!path.isEmpty() && !WriteResultsCsv(path, model_->Project().positions, &error)) {
        prompts_.ShowMessage(this, QStringLiteral("Export CSV"),
                             QStringLiteral("The results could not be written to %1.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}

void ScheduleWindow::ExportPdf() {
    const QString path = prompts_.SavePath(
        this, QStringLiteral("Export PDF"),
        Beside(path_, QStringLiteral("schedule"), QStringLiteral(".pdf")), kPdfFilter);
    if (path.isEmpty()) {
        return;
    }
    QString error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = ExportSchedulePdf(path, ProjectName(), *model_, &error);
    QApplication::restoreOverrideCursor();
    if (!written) {
        prompts_.ShowMessage(this, QStringLiteral("Export PDF"),
                             QStringLiteral("The schedule could not be written to %1.\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}

void ScheduleWindow::DeleteSelected() {
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) {
        rows.append(index.row());
    }
    if (rows.isEmpty()) {
        return;
    }
    std::sort(rows.begin(), rows.end(), std::greater<>());
    for (int row : rows) {
        model_->Remove(row);
    }
    SelectRow(std::min(rows.last(), model_->rowCount() - 1));
}

void ScheduleWindow::DuplicateCurrent() {
    const int row = CurrentRow();
    if (row < 0) {
        return;
    }
    schedule::Position copy = model_->PositionAt(row);
    copy.tag = model_->FreeTag(QString::fromStdString(copy.tag)).toStdString();
    SelectRow(model_->Insert(row + 1, std::move(copy)));
}

void ScheduleWindow::MoveCurrent(int by) {
    const int row = CurrentRow();
    if (row >= 0 && model_->Move(row, by)) {
        SelectRow(row + by);
    }
}

void ScheduleWindow::closeEvent(QCloseEvent* event) {
    if (MaySetAside()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace lorvane::app
