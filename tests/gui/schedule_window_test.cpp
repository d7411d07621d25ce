#include <sys/resource.h>
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <deque>
#include <memory>
#include <optional>
#include <sstream>

#include "app/form_commands.h"
#include "app/main_frame.h"
#include "app/menu_table.h"
#include "app/recent_files.h"
#include "app/room_panel.h"
#include "app/schedule_cells.h"
#include "app/schedule_model.h"
#include "app/schedule_prompts.h"
#include "app/schedule_window.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using app::SchedulePrompts;
using Unsaved = SchedulePrompts::Unsaved;
using TypedFields = QList<QPair<int, QString>>;        // control id, text
using RoomTyped = QList<QPair<std::string, QString>>;  // room option, text

using test::kSelmon;
constexpr int kDamper = 32776;

// The schedule window's boxes, answered from queues: a path (empty: cancelled), a tag (the
// suggested one when none is queued), Save/Discard/Cancel (Cancel when none is queued).
class RecordingSchedulePrompts : public SchedulePrompts {
  public:
    Unsaved AskUnsaved(QWidget* /*parent*/, const QString& name) override {
        asked.append(name);
        return Next(unsaved, Unsaved::Cancel);
    }
    QString OpenPath(QWidget* /*parent*/, const QString& /*caption*/,
                     const QString& /*filter*/) override {
        return Next(paths, QString());
    }
    QString SavePath(QWidget* /*parent*/, const QString& /*caption*/, const QString& suggested,
                     const QString& /*filter*/) override {
        suggestedPaths.append(suggested);
        return Next(paths, QString());
    }
    std::optional<QString> AskTag(QWidget* /*parent*/, const QString& suggested) override {
        suggestedTags.append(suggested);
        return Next(tags, std::optional<QString>(suggested));
    }
    void ShowMessage(QWidget* /*parent*/, const QString& /*caption*/,
                     const QString& text) override {
        messages.append(text);
    }

    std::deque<Unsaved> unsaved;
    std::deque<QString> paths;
    std::deque<std::optional<QString>> tags;
    QStringList asked;
    QStringList suggestedPaths;
    QStringList suggestedTags;
    QStringList messages;

  private:
    template <typename T>
    static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty()) {
            return otherwise;
        }
        T next = std::move(queue.front());
        queue.pop_front();
        return next;
    }
};

schedule::Position MakePosition(const char* tag, const char* product,
                                std::map<std::string, std::string> inputs) {
    return schedule::Position{tag, product, std::move(inputs)};
}

// While it lives, no file this process writes can grow past a size: a write beyond it fails as
// on a full disk, whoever runs the test, root too.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        // The write fails instead of the signal ending the process.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &previous_) == 0) {
            rlimit limit = previous_;
            limit.rlim_cur = bytes;
            inForce_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        }
    }
    ~FileSizeLimit() {
        if (inForce_) {
            setrlimit(RLIMIT_FSIZE, &previous_);
        }
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool InForce() const { return inForce_; }

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
    bool inForce_ = false;
};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

// The schedule window on real widgets: positions added from forms, the table, project files,
// CSV and PDF, and the questions about unsaved changes.
class ScheduleWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void positionsAddedFromFormsAreSavedAndReopenedAsTheyWere();
    void cellsShowOnlyWhatTheRecordHolds();
    void doubleClickOpensTheFormAndUpdateTakesItsInputs();
    void editCommandsKeepTheirShortcuts();
    void unreadableProjectFileLeavesTheOpenProjectAlone_data();
    void unreadableProjectFileLeavesTheOpenProjectAlone();
    void failedSaveSaysSoAndKeepsTheOldFile_data();
    void failedSaveSaysSoAndKeepsTheOldFile();
    void unsavedChangesAreAskedAbout();
    void importAppendsAndExportWritesWhatBatchWrites();
    void pdfHoldsTheTableAndASheetPerCalculatedPosition();
    void pdfTableWithEveryColumnFilledBreaksNoWord();
    void mainWindowOpensTheScheduleAndAsksBeforeItEnds();

  private:
    std::unique_ptr<app::ScheduleWindow> NewWindow() {
        auto window =
            std::make_unique<app::ScheduleWindow>(state_, prompts_, schedulePrompts_, recentFiles_);
        window->show();
        return window;
    }
    // Opens a product's form, types and picks its inputs, calculates and adds it to the
    // schedule, with the room typed into its room panel when one is given. The form's texts of
    // `read` are returned, trimmed.
    QStringList AddFromForm(int menuCommand, const TypedFields& typed, const QList<int>& read = {},
                            const RoomTyped& room = {});
    // Every row of the table, cells joined by '|'.
    QStringList Rows(const app::ScheduleWindow& window) const;
    QString Cell(int row, int column) const {
        return window_->Model()->index(row, column).data().toString();
    }
    void Fill(const std::vector<schedule::Position>& positions) {
        for (const schedule::Position& position : positions) {
            window_->Model()->Append(position);
        }
    }

    test::TemporarySettings settings_;
    SharedState state_;
    std::ostringstream diagnostics_;
    test::RecordingPrompts prompts_;
    RecordingSchedulePrompts schedulePrompts_;
    app::RecentFileList recentFiles_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<app::ScheduleWindow> window_;
    std::unique_ptr<QTemporaryDir> directory_;
};

void ScheduleWindowTest::initTestCase() {
    QVERIFY2(test::ProcessLocaleHasDecimalComma(),
             "the tests must run under a locale with a decimal comma (LC_ALL=de_DE.UTF-8)");
}

void ScheduleWindowTest::init() {
    state_ = SharedState{};
    prompts_ = test::RecordingPrompts{};
    schedulePrompts_ = RecordingSchedulePrompts{};
    recentFiles_ = app::RecentFileList{};
    directory_ = std::make_unique<QTemporaryDir>();
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    window_ = NewWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void ScheduleWindowTest::cleanup() {
    window_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(schedulePrompts_.messages, QStringList());
    QCOMPARE(schedulePrompts_.asked, QStringList());
}

QStringList ScheduleWindowTest::AddFromForm(int menuCommand, const TypedFields& typed,
                                            const QList<int>& read, const RoomTyped& room) {
    const Product* product = FindProduct(menuCommand);
    forms::qt::FormDialog dialog(product->makeForm(forms::FormContext{state_, diagnostics_}),
                                 prompts_);
    watchdog_->Allow(&dialog);
    app::AddFormCommands(dialog, *product, state_,
                         [this](schedule::Position position, QWidget* asker) {
                             window_->AddPosition(std::move(position), asker);
                         });
    dialog.show();
    for (const auto& [id, text] : typed) {
        dialog.Enter(id, text);
    }
    dialog.Calculate();
    QStringList shown;
    for (int id : read) {
        shown.append(QString::fromStdString(dialog.Text(id)).trimmed());
    }
    if (!room.isEmpty()) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("room")), Qt::LeftButton);
        auto* panel = dialog.findChild<app::RoomPanel*>();
        if (panel == nullptr) {
            qWarning("the form has no room panel");
            return shown;
        }
        for (const auto& [option, text] : room) {
            test::TypeInto(option == "path" ? &panel->PathLine() : panel->Field(option), text);
        }
    }
    auto* add = dialog.findChild<QPushButton*>(QStringLiteral("addToSchedule"));
    if (add == nullptr) {
        qWarning("the form has no \"Add to schedule\"");
        return shown;
    }
    QTest::mouseClick(add, Qt::LeftButton);
    return shown;
}

QStringList ScheduleWindowTest::Rows(const app::ScheduleWindow& window) const {
    QStringList rows;
    const QAbstractItemModel* model = window.Table()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells.append(model->index(row, column).data().toString());
        }
        rows.append(cells.join(u'|'));
    }
    return rows;
}

void ScheduleWindowTest::positionsAddedFromFormsAreSavedAndReopenedAsTheyWere() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Untitled[*] - Schedule"));
    schedulePrompts_.tags = {QStringLiteral("V-101")};
    AddFromForm(kSelmon, {{1157, "250"}, {1001, "1000"}, {1002, "250"}});
    // A list entry is kept as its word; the table shows what the form showed.
    const QStringList damper = AddFromForm(
        kDamper,
        {{1084, "600"}, {1003, "400"}, {1001, "3000"}, {102, "same direction"}, {1002, "50"}},
        {1004, 1024});
    // A refused input still makes a position: it says why and shows no result.
    AddFromForm(kSelmon, {{1157, "250"}, {1001, "5000"}});
    QCOMPARE(prompts_.errors.size(), 1);
    // The room's worked example, typed into the form's room panel.
    AddFromForm(kSelmon, {{1157, "250"}, {1001, "1000"}, {1002, "250"}}, {},
                {{"path", test::kWorkedPath}, {"room", "6x5x3"}, {"room-target", "NR 30"}});
    QCOMPARE(schedulePrompts_.suggestedTags, (QStringList{"P-1", "V-102", "V-103", "V-104"}));

    const QStringList rows = Rows(*window_);
    QCOMPARE(rows.size(), 4);
    QCOMPARE(rows[0], QStringLiteral("V-101|Selmon|Ø 250|1000|250|5.7|66|61|||||||ok|"));
    QCOMPARE(rows[1],
             QStringLiteral("V-102|Multi-leaf Damper: Acoustics|600 × 400|3000|50|%1||%2|||||||ok|")
                 .arg(damper[0], damper[1]));
    QCOMPARE(rows[2], QStringLiteral("V-103|Selmon|Ø 250|5000|250||||||||||refused|") +
                          QString::fromStdString(window_->Model()->ResultAt(2).message));
    QVERIFY(!Cell(2, app::kMessageColumn).isEmpty());
    // The room's level, NR and target, beside the attenuator it needs.
    QCOMPARE(
        rows[3],
        QStringLiteral("V-104|Selmon|Ø 250|1000|250|5.7|66|61|||34|NR 32|missed|25mm 0.50m|ok|"));
    const std::map<std::string, std::string>& roomInputs = window_->Model()->PositionAt(3).inputs;
    QCOMPARE(roomInputs.at("path"), test::kWorkedPath.toStdString());
    QCOMPARE(roomInputs.at("room-target"), std::string("NR 30"));
    QCOMPARE(window_->Model()->PositionAt(1).inputs.at("linkage"), "same");
    QVERIFY(window_->isWindowModified());

    const QString path = directory_->filePath(QStringLiteral("plant.lrv"));
    schedulePrompts_.paths = {path};
    window_->Action(QStringLiteral("save"))->trigger();
    QVERIFY(QFile::exists(path));
    QVERIFY(!window_->isWindowModified());
    QCOMPARE(window_->windowTitle(), QStringLiteral("plant.lrv[*] - Schedule"));

    // A fresh window finds the file among the recent ones.
    auto reopened = NewWindow();
    QAction* recent = reopened->Action(QStringLiteral("recent1"));
    QVERIFY(recent->isVisible());
    QCOMPARE(recent->text(), QStringLiteral("&1 plant.lrv"));
    recent->trigger();
    QCOMPARE(Rows(*reopened), rows);
    QCOMPARE(reopened->Model()->Project(), window_->Model()->Project());
    QCOMPARE(reopened->FilePath(), path);
    QVERIFY(!reopened->isWindowModified());
}

void ScheduleWindowTest::cellsShowOnlyWhatTheRecordHolds() {
    using namespace app;
    Fill({
        MakePosition("A", "selmon", {{"diameter", "250"}, {"flow", "1000"}}),
        MakePosition("B", "attenuator", {{"diameter", "200"}, {"length", "1500"}}),
        MakePosition("C", "louvre", {{"width", "600"}, {"flow", "1800"}}),
        MakePosition("D", "fan", {{"flow", "300"}}),
        MakePosition("E", " SELMON ", {{"target", "35 dB"}}),
        MakePosition("F", "bending", {}),
    });
    struct Expected {
        const char* size;
        bool velocity, minimumPressure, level;
        const char* status;
    };
    // clang-format off
    const Expected expected[] = {
        {"Ø 250",          true,  true,  true,  "ok"},
        {"Ø 200, L 1500",  false, false, false, "ok"},       // insertion loss only
        {"600 × 345",      true,  false, true,  "ok"},       // height as the form starts it
        {"",               false, false, false, "invalid"},  // no such product
        {"Ø 100",          true,  true,  true,  "ok"},       // trailing text ignored, as in a form
        {"L 200",          false, false, false, "ok"},
    };
    // clang-format on
    for (int row = 0; row < 6; ++row) {
        const Expected& e = expected[row];
        const QString what = QStringLiteral("row %1").arg(row);
        QVERIFY2(Cell(row, kSizeColumn) == QString::fromUtf8(e.size), qPrintable(what));
        QVERIFY2(!Cell(row, kVelocityColumn).isEmpty() == e.velocity, qPrintable(what));
        QVERIFY2(!Cell(row, kMinimumPressureColumn).isEmpty() == e.minimumPressure,
                 qPrintable(what));
        QVERIFY2(!Cell(row, kLevelColumn).isEmpty() == e.level, qPrintable(what));
        QVERIFY2(Cell(row, kStatusColumn) == QString::fromLatin1(e.status), qPrintable(what));
    }
    // The louvre calculates its pressure loss; the Δp column shows it.
    QVERIFY(Cell(2, kPressureDropColumn).contains(u'.'));
    QCOMPARE(Cell(3, kFlowColumn), QStringLiteral("300"));
    QVERIFY(Cell(3, kMessageColumn).contains(QStringLiteral("fan")));
    QCOMPARE(window_->Model()->index(3, kStatusColumn).data(Qt::ToolTipRole).toString(),
             Cell(3, kMessageColumn));

    // A change recalculates the row: a refused flow leaves no earlier result behind.
    const QString velocity = Cell(0, kVelocityColumn);
    window_->Model()->Replace(0,
                              MakePosition("A", "selmon", {{"diameter", "250"}, {"flow", "9000"}}));
    QCOMPARE(Cell(0, kStatusColumn), QStringLiteral("refused"));
    QCOMPARE(Cell(0, kFlowColumn), QStringLiteral("9000"));
    for (int column : {kVelocityColumn, kMinimumPressureColumn, kLevelColumn}) {
        QCOMPARE(Cell(0, column), QString());
    }
    window_->Model()->Replace(0,
                              MakePosition("A", "selmon", {{"diameter", "250"}, {"flow", "1000"}}));
    QCOMPARE(Cell(0, kVelocityColumn), velocity);
    window_->setWindowModified(false);
}

void ScheduleWindowTest::doubleClickOpensTheFormAndUpdateTakesItsInputs() {
    Fill({MakePosition("V-1", "selmon", {{"diameter", "250"}, {"flow", "1000"}}),
          MakePosition("V-2", "basko", {{"flow", "100"}, {"keep-flow", "yes"}})});
    const QString before = Cell(0, app::kVelocityColumn);
    // A form that has been used shows its own inputs next time; the position's must win.
    state_.productInputs.differentialPressure = 500;

    QStringList shown;
    watchdog_->Expect([&](QWidget* modal) {
        auto* form = qobject_cast<forms::qt::FormDialog*>(modal);
        QVERIFY(form != nullptr);
        QCOMPARE(form->windowTitle(), QStringLiteral("Selmon - position V-1"));
        for (int id : {1157, 1001, 1002, 1004}) {
            shown.append(QString::fromStdString(form->Text(id)).trimmed());
        }
        test::TypeInto(form->Widget(1001), QStringLiteral("800"));
        form->Calculate();
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("updatePosition")),
                          Qt::LeftButton);
        form->close();
    });
    QTableView* table = window_->Table();
    const QPoint at = table->visualRect(table->model()->index(0, app::kProductColumn)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(shown, (QStringList{"250", "1000", "250", before}));
    QCOMPARE(Cell(0, app::kTagColumn), QStringLiteral("V-1"));
    QCOMPARE(Cell(0, app::kFlowColumn), QStringLiteral("800"));
    QVERIFY(Cell(0, app::kVelocityColumn) != before);
    QVERIFY(window_->isWindowModified());

    // The flag answers the form's question as the schedule answered it, and stays.
    QCOMPARE(Cell(1, app::kStatusColumn), QStringLiteral("ok"));
    watchdog_->Expect([&](QWidget* modal) {
        auto* form = qobject_cast<forms::qt::FormDialog*>(modal);
        QCOMPARE(QString::fromStdString(form->Text(1004)).trimmed(), Cell(1, app::kVelocityColumn));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("updatePosition")),
                          Qt::LeftButton);
        form->close();
    });
    window_->OpenPosition(1);
    QCOMPARE(prompts_.questions, QStringList());
    QCOMPARE(window_->Model()->PositionAt(1).inputs.at("keep-flow"), "yes");
    window_->setWindowModified(false);
}

void ScheduleWindowTest::editCommandsKeepTheirShortcuts() {
    Fill({MakePosition("A", "selmon", {}), MakePosition("B", "quenta", {}),
          MakePosition("C", "louvre", {})});
    const auto tags = [this] {
        QStringList shown;
        for (int row = 0; row < window_->Model()->rowCount(); ++row) {
            shown.append(Cell(row, app::kTagColumn));
        }
        return shown.join(u' ');
    };
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTableView* table = window_->Table();
    table->setFocus();
    table->selectRow(1);
    QTest::keyClick(table, Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(tags(), QStringLiteral("A B B-2 C"));
    QCOMPARE(Cell(2, app::kProductColumn), QStringLiteral("Quenta"));
    QTest::keyClick(table, Qt::Key_Up, Qt::AltModifier);
    QTest::keyClick(table, Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(tags(), QStringLiteral("B-2 A B C"));
    QVERIFY(!window_->Action(QStringLiteral("moveUp"))->isEnabled());  // at the top
    QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(tags(), QStringLiteral("A B-2 B C"));
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(tags(), QStringLiteral("A B C"));
    QCOMPARE(table->currentIndex().row(), 1);  // the next one, ready for another Delete

    // The tag is typed over in the table.
    table->edit(table->model()->index(2, app::kTagColumn));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor != nullptr);
    editor->setText(QStringLiteral("L-1"));
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(tags(), QStringLiteral("A B L-1"));
    QCOMPARE(window_->Model()->PositionAt(2).tag, "L-1");

    // Save As has its keys on every desktop.
    QTest::keyClick(table, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(schedulePrompts_.suggestedPaths.size(), 1);
    window_->setWindowModified(false);
}

void ScheduleWindowTest::unreadableProjectFileLeavesTheOpenProjectAlone_data() {
    QTest::addColumn<QByteArray>("damage");  // "half" or "newer"
    QTest::addColumn<QString>("message");
    QTest::newRow("cut in half") << QByteArray("half")
                                 << QStringLiteral("not a readable Lorvane project");
    QTest::newRow("newer version")
        << QByteArray("newer") << QStringLiteral("saved by a newer version of Lorvane");
}

void ScheduleWindowTest::unreadableProjectFileLeavesTheOpenProjectAlone() {
    QFETCH(QByteArray, damage);
    QFETCH(QString, message);
    schedule::Project other;
    other.positions = {MakePosition("X-1", "quenta", {{"width", "400"}}),
                       MakePosition("X-2", "quenta", {{"width", "500"}})};
    QByteArray text = QByteArray::fromStdString(schedule::ProjectFileText(other));
    if (damage == "half") {
        text.truncate(text.size() / 2);
    } else {
        text.replace("\"version\": 1", "\"version\": 2");
    }
    const QString damaged = directory_->filePath(QStringLiteral("damaged.lrv"));
    WriteFile(damaged, text);

    const QString saved = directory_->filePath(QStringLiteral("open.lrv"));
    Fill({MakePosition("A", "selmon", {{"flow", "150"}})});
    schedulePrompts_.paths = {saved};
    QVERIFY(window_->Save());
    window_->Model()->Append(MakePosition("B", "daxel", {}));  // unsaved
    const QStringList rows = Rows(*window_);

    schedulePrompts_.unsaved = {Unsaved::Discard};
    schedulePrompts_.paths = {damaged};
    window_->Action(QStringLiteral("open"))->trigger();
    QCOMPARE(schedulePrompts_.asked, QStringList{"open.lrv"});
    schedulePrompts_.asked.clear();
    QCOMPARE(schedulePrompts_.messages.size(), 1);
    QVERIFY2(schedulePrompts_.messages[0].contains(message),
             qPrintable(schedulePrompts_.messages[0]));
    QVERIFY(schedulePrompts_.messages[0].contains(QStringLiteral("damaged.lrv")));
    schedulePrompts_.messages.clear();
    QCOMPARE(Rows(*window_), rows);
    QCOMPARE(window_->FilePath(), saved);
    QVERIFY(window_->isWindowModified());
    QCOMPARE(recentFiles_.Files().size(), 1);
    window_->setWindowModified(false);
}

void ScheduleWindowTest::failedSaveSaysSoAndKeepsTheOldFile_data() {
    QTest::addColumn<bool>("overAnEarlierSave");
    // The disk fills up while the project is written over the one saved there before.
    QTest::newRow("disk full") << true;
    // A path whose directory is a regular file: no process can write there, not even root's.
    QTest::newRow("below a regular file") << false;
}

void ScheduleWindowTest::failedSaveSaysSoAndKeepsTheOldFile() {
    QFETCH(bool, overAnEarlierSave);
    Fill({MakePosition("A", "selmon", {{"flow", "150"}})});
    QString target;
    QByteArray old;
    if (overAnEarlierSave) {
        target = directory_->filePath(QStringLiteral("plant.lrv"));
        schedulePrompts_.paths = {target};
        QVERIFY(window_->Save());
        old = Contents(target);
        window_->Model()->Append(MakePosition("B", "daxel", {}));
    } else {
        const QString file = directory_->filePath(QStringLiteral("file"));
        WriteFile(file, "not a directory");
        target = file + QStringLiteral("/plant.lrv");
        schedulePrompts_.paths = {target};
    }
    const QString pathBefore = window_->FilePath();

    bool saved = true;
    {
        std::optional<FileSizeLimit> full;
        if (overAnEarlierSave) {
            full.emplace(16);  // far less than a project file
            QVERIFY(full->InForce());
        }
        saved = window_->Save();
    }
    QVERIFY(!saved);
    QCOMPARE(schedulePrompts_.messages.size(), 1);
    QVERIFY2(schedulePrompts_.messages[0].startsWith(
                 QStringLiteral("The project could not be saved to %1").arg(target)),
             qPrintable(schedulePrompts_.messages[0]));
    schedulePrompts_.messages.clear();
    QVERIFY(window_->isWindowModified());
    QCOMPARE(window_->FilePath(), pathBefore);
    if (overAnEarlierSave) {
        QCOMPARE(Contents(target), old);
        QCOMPARE(QDir(directory_->path()).entryList(QDir::Files),
                 QStringList{"plant.lrv"});  // no temporary file left behind
    }
    window_->setWindowModified(false);
}

void ScheduleWindowTest::unsavedChangesAreAskedAbout() {
    const QString path = directory_->filePath(QStringLiteral("plant.lrv"));
    Fill({MakePosition("A", "selmon", {})});

    // Cancel keeps the window and its changes.
    schedulePrompts_.unsaved = {Unsaved::Cancel};
    QVERIFY(!window_->close());
    QVERIFY(window_->isVisible());
    QVERIFY(window_->isWindowModified());
    // New, cancelled likewise.
    schedulePrompts_.unsaved = {Unsaved::Cancel};
    window_->Action(QStringLiteral("new"))->trigger();
    QCOMPARE(window_->Model()->rowCount(), 1);
    QCOMPARE(schedulePrompts_.asked, (QStringList{"Untitled", "Untitled"}));

    // Save asks for a file for a project that has none, then closes.
    schedulePrompts_.unsaved = {Unsaved::Save};
    schedulePrompts_.paths = {path};
    QVERIFY(window_->close());
    QCOMPARE(schedule::ReadProjectFile(Contents(path).toStdString()),
             (std::variant<schedule::Project, std::string>(window_->Model()->Project())));

    // A saved project is not asked about.
    window_->show();
    window_->Action(QStringLiteral("new"))->trigger();
    QCOMPARE(window_->Model()->rowCount(), 0);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Untitled[*] - Schedule"));
    QVERIFY(window_->OpenProject(path));

    // Discard closes and leaves the file as it was.
    window_->Model()->Append(MakePosition("B", "selmon", {}));
    schedulePrompts_.unsaved = {Unsaved::Discard};
    const QByteArray saved = Contents(path);
    QVERIFY(window_->close());
    QCOMPARE(Contents(path), saved);
    QCOMPARE(schedulePrompts_.asked,
             (QStringList{"Untitled", "Untitled", "Untitled", "plant.lrv"}));
    schedulePrompts_.asked.clear();
    window_->setWindowModified(false);
}

void ScheduleWindowTest::importAppendsAndExportWritesWhatBatchWrites() {
    // A position with a room: its room's columns are exported as batch writes them.
    Fill({MakePosition("A", "selmon",
                       {{"diameter", "250"},
                        {"flow", "1000"},
                        {"path", test::kWorkedPath.toStdString()},
                        {"room", "6x5x3"},
                        {"room-target", "NR 30"}})});
    window_->setWindowModified(false);
    const QString csv = directory_->filePath(QStringLiteral("positions.csv"));
    // The last tag as a spreadsheet in a Windows code page writes it: not UTF-8.
    WriteFile(csv,
              "tag;product;flow;width;linkage;remark\n"
              "D-1;damper;900;400;same;first floor\n"
              "K\xfchlung;basko;300;;;\n");
    schedulePrompts_.paths = {csv};
    window_->Action(QStringLiteral("importCsv"))->trigger();
    QCOMPARE(Rows(*window_).size(), 3);
    QCOMPARE(Cell(1, app::kTagColumn), QStringLiteral("D-1"));
    QCOMPARE(window_->Model()->PositionAt(1).inputs,
             (std::map<std::string, std::string>{
                 {"flow", "900"}, {"width", "400"}, {"linkage", "same"}}));
    QCOMPARE(Cell(2, app::kProductColumn), QStringLiteral("Basko"));
    QVERIFY(window_->isWindowModified());
    schedulePrompts_.paths = {directory_->filePath(QStringLiteral("imported.lrv"))};
    QVERIFY(window_->Save());

    // The results are those of lorvane-calc batch on the same positions.
    const QString results = directory_->filePath(QStringLiteral("results.csv"));
    schedulePrompts_.paths = {results};
    window_->Action(QStringLiteral("exportCsv"))->trigger();
    const QString positions = directory_->filePath(QStringLiteral("schedule.csv"));
    WriteFile(positions, QByteArray::fromStdString(
                             schedule::ScheduleCsv(window_->Model()->Project().positions)));
    QProcess batch;
    batch.start(QStringLiteral(LORVANE_CALC), {"batch", positions});
    QVERIFY(batch.waitForFinished(60000));
    const QByteArray expected = batch.readAllStandardOutput();
    QVERIFY(expected.count('\n') == 4);
    QVERIFY(expected.contains("room_nr") && expected.contains("room_attenuator_thickness"));
    QCOMPARE(Contents(results), expected);
}

void ScheduleWindowTest::pdfHoldsTheTableAndASheetPerCalculatedPosition() {
    Fill({MakePosition("V-1", "selmon", {{"diameter", "250"}, {"flow", "1000"}}),
          MakePosition("V-2", "selmon", {{"flow", "9000"}}),
          MakePosition("L-1", "louvre", {{"model", "Zarn2"}})});
    const QString pdf = directory_->filePath(QStringLiteral("schedule.pdf"));
    schedulePrompts_.paths = {pdf};
    window_->Action(QStringLiteral("exportPdf"))->trigger();
    QVERIFY(QFile::exists(pdf));

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    QVERIFY2(text.waitForFinished(60000), "pdftotext (poppler-utils) must be installed");
    const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(u'\f');
    // The table, then one sheet for each position that was calculated.
    QVERIFY(pages.size() >= 3);
    // Every heading word and number whole.
    for (const char* expected : {"Schedule Untitled", "Velocity", "pressure", "[dB(A)]", "[m³/h]",
                                 "V-1", "V-2", "L-1", "refused", "300 × 345"}) {
        QVERIFY2(pages[0].contains(QString::fromUtf8(expected)), expected);
    }
    // Columns no position fills (no target, no room here) are left out of the page.
    QVERIFY(!pages[0].contains(QStringLiteral("Attenuator")));
    QVERIFY(!pages[0].contains(QStringLiteral("Room")));
    QVERIFY(pages[1].contains(QStringLiteral("V-1: Selmon")));
    QVERIFY(pages[1].contains(QStringLiteral("lorvane-calc selmon --diameter 250 --flow 1000")));
    QVERIFY(pages[2].contains(QStringLiteral("L-1:")));
    QVERIFY(pages[2].contains(QStringLiteral("--model Zarn2")));
    QString rest = pages.mid(3).join(QString());
    QCOMPARE(rest.trimmed(), QString());
    window_->setWindowModified(false);
}

// Every column filled, the table needs more than the page's width: its font is made smaller
// rather than its words broken.
void ScheduleWindowTest::pdfTableWithEveryColumnFilledBreaksNoWord() {
    const std::map<std::string, std::string> worked{{"diameter", "250"},
                                                    {"flow", "1000"},
                                                    {"dp", "250"},
                                                    {"target", "30"},
                                                    {"path", test::kWorkedPath.toStdString()},
                                                    {"room", "6x5x3"},
                                                    {"room-target", "NR 30"}};
    std::map<std::string, std::string> nc = worked;
    nc["room-target"] = "NC 30";
    Fill({MakePosition("V-301", "selmon", worked), MakePosition("V-302", "mirolt", nc),
          MakePosition("V-303", "selmon", {{"flow", "9000"}})});
    const QString pdf = directory_->filePath(QStringLiteral("schedule.pdf"));
    schedulePrompts_.paths = {pdf};
    window_->Action(QStringLiteral("exportPdf"))->trigger();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {"-layout", "-l", "1", pdf, "-"});
    QVERIFY2(text.waitForFinished(60000), "pdftotext (poppler-utils) must be installed");
    const QString table = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* expected : {"Velocity", "pressure", "[dB(A)]", "Attenuator", "rating",
                                 "attenuator", "Message", "V-301", "V-302", "V-303", "NR 32",
                                 "NC 31", "25mm 0.50m", "50mm 0.50m", "missed", "refused"}) {
        QVERIFY2(table.contains(QString::fromUtf8(expected)), expected);
    }
    window_->setWindowModified(false);
}

void ScheduleWindowTest::mainWindowOpensTheScheduleAndAsksBeforeItEnds() {
    window_.reset();
    app::CMainFrame frame(state_, prompts_, schedulePrompts_, recentFiles_);
    frame.show();
    QVERIFY(frame.OpenSchedule() == nullptr);
    frame.CommandAction(app::commands::kSchedule)->trigger();
    QPointer<app::ScheduleWindow> schedule = frame.OpenSchedule();
    QVERIFY(schedule != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(schedule));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(schedule->Model()->rowCount(), 0);

    // "Add to schedule" under a form opened from the menu.
    watchdog_->Expect([](QWidget* modal) {
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("addToSchedule")),
                          Qt::LeftButton);
        modal->close();
    });
    frame.CommandAction(kSelmon)->trigger();
    QCOMPARE(schedule->Model()->rowCount(), 1);
    QCOMPARE(schedule->Model()->PositionAt(0).tag, "P-1");

    // The program does not end while the schedule's changes are neither saved nor given up.
    schedulePrompts_.unsaved = {Unsaved::Cancel};
    QVERIFY(!frame.close());
    QVERIFY(frame.isVisible() && schedule->isVisible());
    schedulePrompts_.unsaved = {Unsaved::Discard};
    QVERIFY(frame.close());
    QTRY_VERIFY(schedule.isNull());  // a closed schedule window is gone
    schedulePrompts_.asked.clear();
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::ScheduleWindowTest, schedule_window);
#include "schedule_window_test.moc"
