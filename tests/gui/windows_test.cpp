#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QtTest>
#include <iostream>
#include <memory>

#include "app/finder_window.h"
#include "app/form_commands.h"
#include "app/main_frame.h"
#include "app/menu_table.h"
#include "app/recent_files.h"
#include "app/schedule_prompts.h"
#include "app/schedule_window.h"
#include "app/user_guide.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

// Whether the whole window, its frame included, lies on the screen's free area.
bool WhollyOnScreen(const QWidget& window) {
    const QRect available = window.screen()->availableGeometry();
    return available.contains(window.frameGeometry());
}

QString Where(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect available = window.screen()->availableGeometry();
    return QStringLiteral("%1 at %2,%3 %4x%5 on %6x%7")
        .arg(window.windowTitle())
        .arg(frame.x())
        .arg(frame.y())
        .arg(frame.width())
        .arg(frame.height())
        .arg(available.width())
        .arg(available.height());
}

}  // namespace

// The windows of the program as they open on a screen, and the keys that work in all of them.
class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void everyWindowOpensWhollyOnItsScreenAtAReadableSize();
    void helpKeyOpensTheGuideFromEveryWindow();

  private:
    test::TemporarySettings settings_;
    SharedState state_;
    test::RecordingPrompts prompts_;
    app::ScheduleDialogs schedulePrompts_;
    app::RecentFileList recentFiles_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<app::CMainFrame> frame_;
};

void WindowsTest::init() {
    state_ = SharedState{};
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    frame_ = std::make_unique<app::CMainFrame>(state_, prompts_, schedulePrompts_, recentFiles_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void WindowsTest::cleanup() {
    if (app::ScheduleWindow* schedule = frame_->OpenSchedule()) {
        schedule->setWindowModified(false);
    }
    frame_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void WindowsTest::everyWindowOpensWhollyOnItsScreenAtAReadableSize() {
    frame_->OnCommand(app::commands::kFindProduct);
    frame_->OnCommand(app::commands::kSchedule);
    frame_->OnCommand(app::commands::kHelp);
    const QList<QWidget*> windows{frame_->findChild<app::FinderWindow*>(), frame_->OpenSchedule(),
                                  frame_->UserGuide()};
    for (QWidget* window : windows) {
        QVERIFY(window != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY2(WhollyOnScreen(*window), qPrintable(Where(*window)));
        // Smaller than asked on a small screen, but not shrunk to nothing.
        const QRect available = window->screen()->availableGeometry();
        QVERIFY2(window->height() >= available.height() / 2, qPrintable(Where(*window)));
    }

    // The print preview shows a whole page in a window of at least two thirds of the screen.
    const Product& selmon = *FindProductByWord("selmon");
    forms::qt::FormDialog form(selmon.makeForm(forms::FormContext{state_, std::cerr}), prompts_,
                               frame_.get());
    app::AddFormCommands(form, selmon, state_);
    form.show();
    bool previewed = false;
    watchdog_->Expect([&](QWidget* modal) {
        previewed = true;
        QVERIFY(qobject_cast<QPrintPreviewDialog*>(modal) != nullptr);
        QVERIFY2(WhollyOnScreen(*modal), qPrintable(Where(*modal)));
        const QRect available = modal->screen()->availableGeometry();
        QVERIFY2(modal->height() >= available.height() * 2 / 3, qPrintable(Where(*modal)));
        auto* pages = modal->findChild<QPrintPreviewWidget*>();
        QCOMPARE(pages->zoomMode(), QPrintPreviewWidget::FitInView);
        modal->close();
    });
    form.findChild<QAction*>(QStringLiteral("print"))->trigger();
    QVERIFY(previewed);

    // The tag's box is wide enough for its title.
    watchdog_->Expect([&](QWidget* modal) {
        QVERIFY(qobject_cast<QInputDialog*>(modal) != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(modal));
        const int title = modal->fontMetrics().horizontalAdvance(modal->windowTitle());
        QVERIFY2(modal->width() >= 2 * title, qPrintable(Where(*modal)));
        QVERIFY2(WhollyOnScreen(*modal), qPrintable(Where(*modal)));
        modal->close();
    });
    QCOMPARE(schedulePrompts_.AskTag(frame_.get(), QStringLiteral("1")), std::nullopt);
}

void WindowsTest::helpKeyOpensTheGuideFromEveryWindow() {
    QTest::keyClick(frame_.get(), Qt::Key_F1);
    QVERIFY(frame_->UserGuide() != nullptr);
    QTRY_VERIFY(frame_->UserGuide()->isVisible());
    frame_->UserGuide()->close();

    frame_->OnCommand(app::commands::kFindProduct);
    auto* finder = frame_->findChild<app::FinderWindow*>();
    QTest::keyClick(finder, Qt::Key_F1);
    QTRY_VERIFY(frame_->UserGuide()->isVisible());
    frame_->UserGuide()->close();

    app::ScheduleWindow& schedule = frame_->Schedule();
    QTest::keyClick(&schedule, Qt::Key_F1);
    QTRY_VERIFY(frame_->UserGuide()->isVisible());
    frame_->UserGuide()->close();

    // A modal form blocks every other window: its guide is its own, and can be read.
    bool opened = false;
    watchdog_->Expect([&](QWidget* modal) {
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_F1);
        auto* guide = modal->findChild<app::UserGuideWindow*>();
        QVERIFY(guide != nullptr);
        QVERIFY(guide->isVisible());
        opened = true;
        modal->close();
    });
    frame_->OnCommand(test::kSelmon);
    QVERIFY(opened);
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::WindowsTest, windows);
#include "windows_test.moc"
