#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMainWindow>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <sstream>
#include <utility>

#include "forms/qt/band_chart.h"
#include "forms/qt/clipboard_text.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using forms::qt::FormDialog;

using test::kSelmon;

QList<double> Rounded(const QList<double>& levels) {
    QList<double> rounded;
    for (double level : levels) {
        rounded.append(std::round(level));
    }
    return rounded;
}

}  // namespace

// What every form does with its results, whatever the product: the chart, the stale marks,
// the copied text, the keyboard, the size, and the data sheet.
class FormResultsTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void chartDrawsEveryLevelRowAndEmptiesOnARefusal();
    void pickingADiameterMarksWhatItDidNotRewriteAsStale();
    void copyGivesTheRowsAsTabSeparatedText();
    void copiedNumbersTakeTheLocalesSeparators_data();
    void copiedNumbersTakeTheLocalesSeparators();
    void tabVisitsTheInputsAndButtonsOnly();
    void everyFormFitsTheSmallScreenAndOpensCentred();
    void sheetHoldsTheInputsResultsAndTheReproducingCall();
    void sheetOfARefusedInputWritesNothing();

  private:
};

void FormResultsTest::initTestCase() {
    CheckLocale();
}

void FormResultsTest::init() {
    StartTest();
}

void FormResultsTest::cleanup() {
    FinishTest();
}

void FormResultsTest::chartDrawsEveryLevelRowAndEmptiesOnARefusal() {
    Open(kSelmon);
    QVERIFY(dialog_->Chart() != nullptr);
    QCOMPARE(dialog_->Chart()->SeriesNames(), QStringList());
    Type(1157, QStringLiteral("250"));
    Type(1001, QStringLiteral("1000"));
    Type(1003, QStringLiteral("50"));
    dialog_->Calculate();

    const QString with25 = QStringLiteral("with Insulation thickness 25 mm [dB]");
    QCOMPARE(dialog_->Chart()->SeriesNames(),
             (QStringList{"Air-regenerated noise [dB]", "A-weighted [dB(A)]",
                          "without insulation [dB]", with25, "with Insulation thickness 50 mm [dB]",
                          with25, "with Insulation thickness 50 mm [dB]",
                          "with Insulation thickness 75 mm [dB]", "Target 50 dB(A)"}));
    QCOMPARE(Rounded(dialog_->Chart()
                          ->SeriesLevels(QStringLiteral("Air-regenerated noise [dB]"))
                          .first(8)),
             (QList<double>{66, 64, 61, 57, 55, 55, 48, 47}));
    // Summation levels, and the target among them, stand in the column right of the bands: the
    // target is no line across the bands.
    const QList<double> aWeighted =
        dialog_->Chart()->SeriesLevels(QStringLiteral("A-weighted [dB(A)]"));
    QCOMPARE(std::round(aWeighted.back()), TextOf(1024).toDouble());
    const QList<double> target = dialog_->Chart()->SeriesLevels(QStringLiteral("Target 50 dB(A)"));
    QCOMPARE(target.back(), 50.0);
    QVERIFY(std::all_of(target.begin(), target.end() - 1, [](double level) { return std::isnan(level); }));
    QCOMPARE(dialog_->Chart()->LegendLines().mid(2, 2),
             (QStringList{"Case-radiated noise", "without insulation [dB]"}));

    Type(1001, QStringLiteral("5000"));
    dialog_->Calculate();
    QCOMPARE(prompts_.errors.size(), 1);
    QCOMPARE(dialog_->Chart()->SeriesNames(), QStringList());
}

void FormResultsTest::pickingADiameterMarksWhatItDidNotRewriteAsStale() {
    Open(kSelmon);
    dialog_->Calculate();
    QVERIFY(!dialog_->IsStale(1004));

    QVERIFY(test::PickFromPopup(qobject_cast<QComboBox*>(dialog_->Widget(1157)), 11));  // "400"

    QCOMPARE(TextOf(1149), QStringLiteral(" 1000"));  // rewritten at once: current
    QVERIFY(!dialog_->IsStale(1149) && !dialog_->IsStale(1150));
    for (int id : {1004, 1005, 1007, 1014, 1016, 1024, 1025, 1051}) {
        QVERIFY2(dialog_->IsStale(id), qPrintable(QString::number(id)));
        QCOMPARE(dialog_->Widget(id)->toolTip(), QStringLiteral("from an earlier calculation"));
    }
    QVERIFY(!dialog_->IsStale(1006));  // empty: nothing to mark
    QCOMPARE(dialog_->Chart()->SeriesNames(), QStringList());
    QVERIFY(!dialog_->TabSeparatedText().contains(QStringLiteral("3.5")));

    dialog_->Calculate();
    for (int id : {1004, 1005, 1007, 1014, 1016, 1024, 1025, 1051}) {
        QVERIFY(!dialog_->IsStale(id));
    }
}

// The tests run under a German locale: the copied numbers have a decimal comma, the fields keep
// their points.
void FormResultsTest::copyGivesTheRowsAsTabSeparatedText() {
    Open(kSelmon);
    dialog_->Calculate();
    dialog_->Widget(1001)->setFocus();
    QTest::keyClick(dialog_->Widget(1001), Qt::Key_C, Qt::ControlModifier);
    const QString expected = QStringLiteral(
        "Selmon\n"
        "Sound power level of the constant volume flow controller Selmon\n"
        "Diameter [mm]:\t100\t\t\t\t\tVmin [m3/h]:\t\t\t70\n"
        "Volume flow [m3/h]:\t100\t\t\t\t\tVmax [m3/h]:\t\t\t220\n"
        "Differential pressure [Pa]:\t250\t\t\t\t\tVelocity [m/s]:\t\t\t3,5\n"
        "Summation level [dB(A)]:\t0\t\t\t\t\tMinimum pressure [Pa]:\t\t\t45\n"
        "\tMaximum summation level A-weighted with attenuator\n"
        "Frequency [Hz]:\t\t63\t125\t250\t500\t1000\t2000\t4000\t8000\tSummation level [dB(A)]:\n"
        "A-correction [dB]:\t\t-26\t-16\t-9\t-3\t0\t1\t1\t-1\n"
        "Air-regenerated noise [dB]:\t\t51\t51\t49\t48\t47\t48\t43\t42\n"
        "A-weighted [dB(A)]:\t\t25\t35\t41\t45\t47\t49\t44\t41\t53\n"
        "Case-radiated noise:\n"
        "without insulation [dB]:\t\t36\t31\t24\t23\t31\t32\t27\t28\t37\n"
        "with Insulation thickness 25 mm [dB]:\t\t36\t30\t22\t22\t23\t21\t12\t15\t28\n"
        "with Insulation thickness 50 mm [dB]:\t\t35\t28\t18\t10\t11\t9\t-0\t3\t18\n"
        "Air-regenerated noise with attenuator:\tLength [mm]:\t\t\t\t\t\t\t\t\t\tTarget reached:\n"
        "with Insulation thickness 25 mm [dB]:\t\t\t\t\t\t\t\t\t\t\t\n"
        "with Insulation thickness 50 mm [dB]:\t\t\t\t\t\t\t\t\t\t\t\n"
        "with Insulation thickness 75 mm [dB]:\t\t\t\t\t\t\t\t\t\t\t\n");
    QCOMPARE(QGuiApplication::clipboard()->text(), expected);
    QCOMPARE(TextOf(1004), QStringLiteral("  3.5"));
}

void FormResultsTest::copiedNumbersTakeTheLocalesSeparators_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const QString minus = QString(QChar(0x2212));
    QTest::newRow("German") << "de_DE"
                            << "Velocity [m/s]:\t3,5\t-0,25\t2.00m\t1.2.3\t8000";
    QTest::newRow("C") << "C"
                       << "Velocity [m/s]:\t3.5\t-0.25\t2.00m\t1.2.3\t8000";
    QTest::newRow("Swedish minus") << "sv_SE"
                                   << "Velocity [m/s]:\t3,5\t" + minus + "0,25\t2.00m\t1.2.3\t8000";
}

void FormResultsTest::copiedNumbersTakeTheLocalesSeparators() {
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(
        forms::qt::WithLocaleNumbers(
            QStringLiteral("Velocity [m/s]:\t3.5\t-0.25\t2.00m\t1.2.3\t8000"), QLocale(locale)),
        expected);
}

// What the keyboard visits, read from each form's description: its inputs top to bottom, then
// "calculate", then its other buttons, then the commands under it, and round to the first input,
// where the focus is as the form opens.
void FormResultsTest::tabVisitsTheInputsAndButtonsOnly() {
    for (const Product& product : Catalogue()) {
        const QString word = QString::fromUtf8(product.word);
        state_ = SharedState{};
        Open(product.menuCommand);
        const forms::FormDescription& description = dialog_->form().Description();
        std::vector<const forms::Control*> inputs;
        std::vector<const forms::Control*> buttons;
        for (const forms::Control& control : description.controls) {
            using forms::ControlKind;
            if (control.kind == ControlKind::Input || control.kind == ControlKind::ComboBox ||
                control.kind == ControlKind::List) {
                inputs.push_back(&control);
            } else if (control.kind == ControlKind::Button &&
                       control.id != description.defaultButton) {
                buttons.push_back(&control);
            }
        }
        const auto above = [](const forms::Control* a, const forms::Control* b) {
            return std::pair(a->cell.row, a->cell.column) < std::pair(b->cell.row, b->cell.column);
        };
        std::stable_sort(inputs.begin(), inputs.end(), above);
        std::stable_sort(buttons.begin(), buttons.end(), above);
        QStringList expected;
        for (const forms::Control* control : inputs) {
            expected.append(QString::number(control->id));
        }
        expected.append(QString::number(description.defaultButton));
        for (const forms::Control* control : buttons) {
            expected.append(QString::number(control->id));
        }
        expected.append(QStringLiteral("copy"));
        expected.append(expected.front());

        // An editable list's line takes the focus for its list.
        const auto control = [](QWidget* focus) {
            return qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
        };
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            QVERIFY2(focus != nullptr, qPrintable(word));
            visited.append(control(focus)->objectName());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QVERIFY2(visited == expected,
                 qPrintable(word + QStringLiteral(": ") + visited.join(u' ') +
                            QStringLiteral(" instead of ") + expected.join(u' ')));
        dialog_.reset();
    }
}

void FormResultsTest::everyFormFitsTheSmallScreenAndOpensCentred() {
    QMainWindow owner;
    owner.resize(800, 600);
    owner.move(283, 84);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    // The form belongs to the window: it must go first, whatever way the test ends.
    const auto closeForm = qScopeGuard([this] { dialog_.reset(); });
    for (const Product& product : Catalogue()) {
        Open(product.menuCommand, &owner);
        const QSize size = dialog_->frameGeometry().size();
        QVERIFY2(size.width() <= 1366 && size.height() <= 768,
                 qPrintable(QStringLiteral("%1 is %2 x %3")
                                .arg(QString::fromUtf8(product.word))
                                .arg(size.width())
                                .arg(size.height())));
        const QPoint offset = dialog_->frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QString::fromUtf8(product.word)));
        dialog_.reset();
    }
}

void FormResultsTest::sheetHoldsTheInputsResultsAndTheReproducingCall() {
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("selmon.pdf"));
    QProcess lorvane;
    lorvane.start(QStringLiteral(LORVANE_APP), {"--sheet", pdf, "selmon", "--diameter", "250",
                                                "--flow", "1000", "--dp", "250", "--target", "50"});
    QVERIFY(lorvane.waitForFinished(60000));
    QCOMPARE(lorvane.exitCode(), 0);

    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, "-"});
    QVERIFY2(text.waitForFinished(60000), "pdftotext (poppler-utils) must be installed");
    // Lines may break anywhere in the page's columns: compare with blanks made single.
    // The PDF's text sets "fi" as a ligature.
    const QString sheet = QString::fromUtf8(text.readAllStandardOutput())
                              .simplified()
                              .replace(QChar(0xFB01), QStringLiteral("fi"));
    for (const char* expected :
         {"Selmon", "Diameter [mm]:", "Velocity [m/s]:", "5.7", "Minimum", "66", "2.00m", "1.00m",
          "0.75m", "Target reached:", "Target not reached with 25 mm insulation",
          "Where the figures come from", "catalogue values for 80 mm with 25 mm",
          "lorvane-calc selmon --diameter 250 --flow 1000 --dp 250 --target 50"}) {
        QVERIFY2(sheet.contains(QString::fromUtf8(expected)), expected);
    }
    QProcess pages;
    pages.start(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY(pages.waitForFinished(60000));
    QVERIFY(QString::fromUtf8(pages.readAllStandardOutput())
                .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
}

void FormResultsTest::sheetOfARefusedInputWritesNothing() {
    QTemporaryDir directory;
    const QString pdf = directory.filePath(QStringLiteral("refused.pdf"));
    QProcess lorvane;
    lorvane.start(QStringLiteral(LORVANE_APP), {"--sheet", pdf, "selmon", "--flow", "5000"});
    QVERIFY(lorvane.waitForFinished(60000));
    QCOMPARE(lorvane.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(lorvane.readAllStandardError()).trimmed().split(u'\n').last(),
             QStringLiteral("Please correct volume flow"));
    QVERIFY(!QFile::exists(pdf));

    lorvane.start(QStringLiteral(LORVANE_APP), {"--sheet", pdf, "fan"});
    QVERIFY(lorvane.waitForFinished(60000));
    QCOMPARE(lorvane.exitCode(), 2);
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::FormResultsTest, form_results);
#include "form_results_test.moc"
