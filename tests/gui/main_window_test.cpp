#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "app/lorvane_app.h"
#include "app/main_frame.h"
#include "app/recent_files.h"
#include "app/schedule_prompts.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

// One line per menu entry: its text, command id and whether it can be chosen; submenus indented.
void DescribeMenu(const QList<QAction*>& actions, const QString& indent, QStringList& lines) {
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            lines.append(indent + QStringLiteral("---"));
        } else if (QMenu* menu = action->menu()) {
            lines.append(indent + action->text());
            DescribeMenu(menu->actions(), indent + QStringLiteral("  "), lines);
        } else {
            lines.append(
                QStringLiteral("%1%2 %3 %4")
                    .arg(indent, action->text(), action->data().toString(),
                         action->isEnabled() ? QStringLiteral("on") : QStringLiteral("off")));
        }
    }
}

QAction* ActionWithText(QWidget* window, const QString& text) {
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

// The main window with its menu, toolbar and status bar, and the forms it opens.
class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithItsTitleAnEmptyClientAreaAndAnEmptyToolBar();
    void statusBarShowsBereitAndTheThreeIndicators();
    void menuBarListsTheCommandsInOrder();
    void productFormOpensModalAndTheNextOneStartsFromTheAcceptedValues();
    void aboutBoxShowsTheVersion();
    void recentFileListKeepsTheFourLatest();
    void closeEndsTheProgram();

  private:
    test::TemporarySettings settings_;
    SharedState state_;
    test::RecordingPrompts prompts_;
    app::ScheduleDialogs schedulePrompts_;
    app::RecentFileList recentFiles_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<app::CMainFrame> frame_;
};

void MainWindowTest::initTestCase() {
    QVERIFY2(test::ProcessLocaleHasDecimalComma(),
             "the tests must run under a locale with a decimal comma (LC_ALL=de_DE.UTF-8)");
}

void MainWindowTest::init() {
    state_ = SharedState{};
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    frame_ = std::make_unique<app::CMainFrame>(state_, prompts_, schedulePrompts_, recentFiles_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void MainWindowTest::cleanup() {
    frame_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void MainWindowTest::startsWithItsTitleAnEmptyClientAreaAndAnEmptyToolBar() {
    app::CLorvaneApp lorvane;
    QVERIFY(lorvane.InitInstance());
    app::CMainFrame* frame = lorvane.MainFrame();
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("BRENNTAL  ACOUSTICS"));
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Lorvane"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Lorvane"));
    QVERIFY(frame->centralWidget()->findChildren<QWidget*>().isEmpty());
    auto* toolBar = frame->findChild<QToolBar*>();
    QVERIFY(toolBar != nullptr);
    QVERIFY(toolBar->actions().isEmpty());
    QVERIFY(toolBar->isMovable());
    QCOMPARE(frame->toolBarArea(toolBar), Qt::TopToolBarArea);
    lorvane.ExitInstance();
}

void MainWindowTest::statusBarShowsBereitAndTheThreeIndicators() {
    QStatusBar* status = frame_->statusBar();
    QStringList texts;
    int lastRight = -1;
    for (const char* name : {"idleMessage", "UF", "NUM", "RF"}) {
        auto* pane = status->findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(pane != nullptr && pane->isVisible());
        QVERIFY(pane->x() > lastRight);  // left to right in this order
        lastRight = pane->geometry().right();
        texts.append(pane->text());
    }
    QCOMPARE(texts, QString("Bereit UF NUM RF").split(' '));
}

void MainWindowTest::menuBarListsTheCommandsInOrder() {
    QStringList lines;
    DescribeMenu(frame_->menuBar()->actions(), QString(), lines);
    // A product command can be chosen once its form exists; the program's own always can.
    const QStringList expected{
        "&Products",
        "  Tolmar 32784 on",
        "  Selmon 32771 on",
        "  Daxel 32772 on",
        "  Mirolt 32782 on",
        "  Quenta 32773 on",
        "  Basko 32774 on",
        "  Multi-leaf Damper",
        "    Acoustics 32776 on",
        "    Leakage 32777 on",
        "    Bending 32778 on",
        "    Torque 32779 on",
        "  External weather louvre 32786 on",
        "  ---",
        "  Find a product… 32790 on",
        "  Schedule… 32791 on",
        "  ---",
        "  ---",
        "  ---",
        "  &Close 57665 on",
        "&Attentuator",
        "  Attentuator 32780 on",
        "&?",
        "  Help 57670 on",
        "  ---",
        "  Information about Acoustics 57664 on",
    };
    QCOMPARE(lines, expected);
    QVERIFY(frame_->CommandAction(32771)->isEnabled());
    QCOMPARE(
        frame_->CommandAction(57665)->statusTip(),
        QStringLiteral("Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen."));
    QCOMPARE(frame_->CommandAction(32771)->statusTip(), QString());
}

void MainWindowTest::productFormOpensModalAndTheNextOneStartsFromTheAcceptedValues() {
    QPointer<QWidget> opened;
    bool seen = false;
    watchdog_->Expect([&](QWidget* modal) {
        seen = true;
        opened = modal;
        auto* form = qobject_cast<forms::qt::FormDialog*>(modal);
        QVERIFY(form != nullptr);
        QCOMPARE(form->windowTitle(), QStringLiteral("Selmon"));
        QCOMPARE(form->parentWidget(), frame_.get());
        auto* flow = form->findChild<QLineEdit*>(QStringLiteral("1001"));
        flow->selectAll();
        QTest::keyClicks(flow, QStringLiteral("150"));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("1083")), Qt::LeftButton);
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("1004"))->text(),
                 QStringLiteral("  5.3"));
        QTest::keyClick(form, Qt::Key_Escape);
    });
    ActionWithText(frame_.get(), QStringLiteral("Selmon"))->trigger();
    QVERIFY(seen);
    QVERIFY(opened.isNull());  // destroyed as its modal loop returned
    QCOMPARE(state_.productInputs.volumeFlow, 150.0);

    QString flowShown;
    watchdog_->Expect([&](QWidget* modal) {
        flowShown = modal->findChild<QLineEdit*>(QStringLiteral("1001"))->text();
        modal->close();
    });
    frame_->CommandAction(32771)->trigger();
    QCOMPARE(flowShown, QStringLiteral("150"));
    QCOMPARE(prompts_.errors.size(), 0);
}

void MainWindowTest::aboutBoxShowsTheVersion() {
    QStringList lines;
    watchdog_->Expect([&](QWidget* modal) {
        QCOMPARE(modal->windowTitle(), QStringLiteral("Information about acoustics"));
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            lines.append(label->text());
        }
        auto* ok = modal->findChild<QPushButton*>();
        QVERIFY(ok != nullptr && ok->isDefault());
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    frame_->CommandAction(57664)->trigger();
    QVERIFY(lines.size() >= 3);  // the lines after it say more: desktop_integration_test
    QCOMPARE(lines.first(), QStringLiteral("Lorvane Version 1.3"));
}

void MainWindowTest::recentFileListKeepsTheFourLatest() {
    app::RecentFileList recent;
    for (const char* path : {"a.lrv", "b.lrv", "c.lrv", "d.lrv", "e.lrv", "b.lrv"}) {
        recent.Add(QString::fromLatin1(path));
    }
    QCOMPARE(recent.Files(), QString("b.lrv e.lrv d.lrv c.lrv").split(' '));
    {
        QSettings settings(QStringLiteral("Lorvane"), QStringLiteral("Lorvane"));
        recent.Save(settings);
    }
    QSettings settings(QStringLiteral("Lorvane"), QStringLiteral("Lorvane"));
    app::RecentFileList loaded;
    loaded.Load(settings);
    QCOMPARE(loaded.Files(), recent.Files());
    QCOMPARE(settings.value(QStringLiteral("Recent File List/File1")).toString(),
             QStringLiteral("b.lrv"));
}

void MainWindowTest::closeEndsTheProgram() {
    // The program's event loop ends once "&Close" has closed the main window.
    QTimer::singleShot(0, frame_.get(), [this] { frame_->CommandAction(57665)->trigger(); });
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!frame_->isVisible());
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::MainWindowTest, main_window);
#include "main_window_test.moc"
