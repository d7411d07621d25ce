#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

#include "app/lorvane_app.h"
#include "app/main_frame.h"
#include "app/menu_table.h"
#include "app/recent_files.h"
#include "app/schedule_prompts.h"
#include "app/user_guide.h"
#include "forms/qt/application_icon.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using test::kSelmon;
using test::kDaxel;

QImage Drawn(const QIcon& icon) {
    return icon.pixmap(QSize(32, 32)).toImage();
}

}  // namespace

// What makes the program a desktop program: its icon on every window, the main window that
// comes back where it was with the form opened last, the About box and the user guide.
class DesktopIntegrationTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void everyWindowCarriesTheApplicationIcon();
    void mainWindowComesBackWhereItWasWithTheFormOpenedLast();
    void aFormThisVersionDoesNotOfferIsNotReopened();
    void aboutBoxSaysTheBuildTheLicenceAndWhereTheFiguresComeFrom();
    void helpOpensTheUserGuideBesideTheMainWindow();

  private:
    test::TemporarySettings settings_;
    SharedState state_;
    test::RecordingPrompts prompts_;
    app::ScheduleDialogs schedulePrompts_;
    app::RecentFileList recentFiles_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<app::CMainFrame> frame_;
};

void DesktopIntegrationTest::initTestCase() {
    QVERIFY2(test::ProcessLocaleHasDecimalComma(),
             "the tests must run under a locale with a decimal comma (LC_ALL=de_DE.UTF-8)");
}

void DesktopIntegrationTest::init() {
    QSettings().clear();
    state_ = SharedState{};
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    frame_ = std::make_unique<app::CMainFrame>(state_, prompts_, schedulePrompts_, recentFiles_);
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
}

void DesktopIntegrationTest::cleanup() {
    frame_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void DesktopIntegrationTest::everyWindowCarriesTheApplicationIcon() {
    const QIcon icon = forms::qt::ApplicationIcon();
    for (const int size : {16, 32, 48, 256}) {
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }
    QCOMPARE(Drawn(frame_->windowIcon()), Drawn(icon));

    QImage formIcon;
    watchdog_->Expect([&](QWidget* modal) {
        formIcon = Drawn(modal->windowIcon());
        modal->close();
    });
    frame_->CommandAction(kSelmon)->trigger();
    QCOMPARE(formIcon, Drawn(icon));

    frame_->OnCommand(app::commands::kHelp);
    QCOMPARE(Drawn(frame_->UserGuide()->windowIcon()), Drawn(icon));

    // A window that sets none of its own, as the finder, shows the program's.
    app::CLorvaneApp lorvane;
    QVERIFY(lorvane.InitInstance());
    QCOMPARE(Drawn(QApplication::windowIcon()), Drawn(icon));
    lorvane.ExitInstance();
}

void DesktopIntegrationTest::mainWindowComesBackWhereItWasWithTheFormOpenedLast() {
    const QRect placed(140, 90, 640, 420);
    {
        app::CLorvaneApp first;
        QVERIFY(first.InitInstance());
        app::CMainFrame* frame = first.MainFrame();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        frame->setGeometry(placed);
        QTRY_COMPARE(frame->geometry(), placed);
        watchdog_->Expect([](QWidget* modal) { modal->close(); });
        frame->CommandAction(kSelmon)->trigger();
        watchdog_->Expect([](QWidget* modal) { modal->close(); });
        frame->CommandAction(kDaxel)->trigger();
        frame->close();
        first.ExitInstance();
    }

    QString reopened;
    QWidget* over = nullptr;
    watchdog_->Expect([&](QWidget* modal) {
        reopened = modal->windowTitle();
        over = modal->parentWidget();
        QVERIFY(qobject_cast<forms::qt::FormDialog*>(modal) != nullptr);
        modal->close();
    });
    app::CLorvaneApp second;
    QVERIFY(second.InitInstance());
    QTRY_COMPARE(second.MainFrame()->geometry(), placed);
    QTRY_COMPARE(reopened, QStringLiteral("Daxel"));
    QCOMPARE(over, second.MainFrame());
    second.ExitInstance();
}

void DesktopIntegrationTest::aFormThisVersionDoesNotOfferIsNotReopened() {
    QSettings().setValue(QStringLiteral("Main Window/Last Product Form"), QStringLiteral("fan"));
    app::CLorvaneApp lorvane;
    QVERIFY(lorvane.InitInstance());
    // A form opened by mistake would be open by then, and a fault of the watchdog.
    QVERIFY(test::RunQueuedCalls());
    QVERIFY(lorvane.MainFrame()->isVisible());
    lorvane.ExitInstance();
}

void DesktopIntegrationTest::aboutBoxSaysTheBuildTheLicenceAndWhereTheFiguresComeFrom() {
    QStringList lines;
    bool allShown = true;
    watchdog_->Expect([&](QWidget* modal) {
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            lines.append(label->text());
            // A wrapped line keeps the height it needs: nothing is cut off.
            allShown = allShown && label->height() >= label->heightForWidth(label->width());
        }
        QTest::mouseClick(modal->findChild<QPushButton*>(), Qt::LeftButton);
    });
    frame_->CommandAction(app::commands::kAbout)->trigger();
    QCOMPARE(lines.value(0), QStringLiteral("Lorvane Version 1.3"));
    QVERIFY(allShown);
    const QString text = lines.join(QLatin1Char('\n'));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("^Built on \\d{4}-\\d\\d-\\d\\d$"),
                                             QRegularExpression::MultilineOption)));
    QVERIFY(text.contains(QStringLiteral("Licence: proprietary")));
    QVERIFY(text.contains(QStringLiteral("formulas and coefficient tables of Lorvane 1.3")));
    QVERIFY(text.contains(QStringLiteral(
        "catalogue values for 80 mm with 25 mm; 250 mm with 25, 50 and 75 mm; 400 mm with 25 mm "
        "insulation; every other row is an estimate")));
}

void DesktopIntegrationTest::helpOpensTheUserGuideBesideTheMainWindow() {
    QAction* help = frame_->CommandAction(app::commands::kHelp);
    QCOMPARE(help->text(), QStringLiteral("Help"));
    QCOMPARE(help->shortcut(), QKeySequence(Qt::Key_F1));
    help->trigger();
    app::UserGuideWindow* guide = frame_->UserGuide();
    QVERIFY(guide != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    QVERIFY(!guide->isModal());
    QCOMPARE(guide->windowTitle(), QStringLiteral("Lorvane user guide"));
    const QString text = guide->Browser()->document()->toPlainText();
    for (const char* part :
         {"Reading a form", "What the marks on a result mean", "from an earlier calculation",
          "a value in italics", "< 10", "an empty field", "The chart", "Copy",
          "lorvane --sheet selmon.pdf", "Find a product…", "Add to schedule", "man lorvane-calc"}) {
        QVERIFY2(text.contains(QString::fromUtf8(part)), part);
    }
    help->trigger();  // once more: the same window comes forward
    QCOMPARE(frame_->UserGuide(), guide);
    QCOMPARE(frame_->findChildren<app::UserGuideWindow*>().size(), 1);
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::DesktopIntegrationTest, desktop_integration);
#include "desktop_integration_test.moc"
