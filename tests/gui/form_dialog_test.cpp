#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <sstream>

#include "forms/qt/dialog1.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"
#include "products/circular/selmon_form.h"

namespace lorvane {
namespace {

using forms::qt::FormDialog;
using test::ButtonWithText;

enum class Answer { Yes, No, Escape, CloseBox };
enum class Trigger { Click, Enter, EnterInList };

// A form of one drop-down list and one hidden field, to see how the dialog writes list texts.
class ListForm : public forms::Form {
  public:
    explicit ListForm(forms::ControlKind listKind) {
        description_.caption = "List";
        description_.Add({.id = 1, .kind = listKind, .items = {"100", "200", "250"}});
        description_.Add({.id = 2, .kind = forms::ControlKind::Hidden});
    }
    const forms::FormDescription& Description() const override { return description_; }
    std::vector<forms::FieldText> InitialTexts() const override { return {{1, "2"}, {2, "kept"}}; }
    void OnButton(forms::FormView& /*view*/, forms::ControlId /*button*/) override {}
    void OnSelectionChange(forms::FormView& /*view*/, forms::ControlId /*list*/,
                           int /*index*/) override {
        ++selectionChanges;
    }

    int selectionChanges = 0;

  private:
    forms::FormDescription description_;
};

}  // namespace

// The Selmon form on real widgets, driven with keyboard and mouse as a user would.
class FormDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buildsEveryControlOfTheForm();
    void calculatesTheWorkedExample_data();
    void calculatesTheWorkedExample();
    void refusedVolumeFlowEmptiesTheVelocityFields();
    void pickingADiameterShowsItsFlowRangeAtOnce();
    void listTextSelectsTheFirstEntryThatBeginsWithIt_data();
    void listTextSelectsTheFirstEntryThatBeginsWithIt();
    void headingIsDrawnInTitleFontAndColour();
    void correctionBoxAnswers_data();
    void correctionBoxAnswers();
    void errorBoxHasTheCaptionTheMessageAndOneOkButton();

  private:
    QWidget* Widget(int id) const { return dialog_->findChild<QWidget*>(QString::number(id)); }
    QString TextOf(int id) const { return QString::fromStdString(dialog_->Text(id)); }
    void Type(int id, const QString& text) { test::TypeInto(Widget(id), text); }
    void PressCalculate() { QTest::mouseClick(Widget(1083), Qt::LeftButton); }

    test::TemporarySettings settings_;
    SharedState state_;
    std::ostringstream diagnostics_;
    test::RecordingPrompts prompts_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<FormDialog> dialog_;
};

void FormDialogTest::initTestCase() {
    QVERIFY2(test::ProcessLocaleHasDecimalComma(),
             "the tests must run under a locale with a decimal comma (LC_ALL=de_DE.UTF-8)");
}

void FormDialogTest::init() {
    state_ = SharedState{};
    prompts_ = test::RecordingPrompts{};
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    dialog_ = std::make_unique<FormDialog>(
        forms::MakeForm<circular::CSelmonDialog>(forms::FormContext{state_, diagnostics_}), prompts_);
    // The test drives the form itself instead of running its modal loop.
    watchdog_->Allow(dialog_.get());
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
}

void FormDialogTest::cleanup() {
    dialog_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
}

void FormDialogTest::buildsEveryControlOfTheForm() {
    QList<int> ids{1157, 1001, 1002, 1003, 1004, 1005, 1006, 1083, 1149, 1150, 1164};
    for (int id = 1007; id <= 1014; ++id) {
        ids.append(id);
    }
    for (int id = 1016; id <= 1080; ++id) {
        ids.append(id);
    }
    for (int id : ids) {
        QVERIFY2(Widget(id) != nullptr, qPrintable(QStringLiteral("no control %1").arg(id)));
    }
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Selmon"));
    QVERIFY(dialog_->isModal());

    auto* diameters = qobject_cast<QComboBox*>(Widget(1157));
    QVERIFY(diameters != nullptr && diameters->isEditable());
    QStringList items;
    for (int i = 0; i < diameters->count(); ++i) {
        items.append(diameters->itemText(i));
    }
    QCOMPARE(items, QString("80 100 125 140 150 160 180 200 250 315 355 400").split(' '));
    QVERIFY(qobject_cast<QPushButton*>(Widget(1083))->isDefault());
    auto* input = qobject_cast<QLineEdit*>(Widget(1001));
    QVERIFY(!input->isReadOnly());
    QVERIFY(input->alignment() & Qt::AlignLeft);
    auto* result = qobject_cast<QLineEdit*>(Widget(1024));
    QVERIFY(result->isReadOnly() && result->hasFrame());
    QVERIFY(result->alignment() & Qt::AlignRight);
    // The band table reads left to right from 63 Hz, the summation column at its right.
    QVERIFY(Widget(1007)->x() < Widget(1008)->x());
    QVERIFY(Widget(1023)->x() < Widget(1024)->x());
}

void FormDialogTest::calculatesTheWorkedExample_data() {
    QTest::addColumn<Trigger>("trigger");
    QTest::newRow("calculate clicked") << Trigger::Click;
    QTest::newRow("Enter in a field") << Trigger::Enter;
    QTest::newRow("Enter in the diameter list") << Trigger::EnterInList;
}

void FormDialogTest::calculatesTheWorkedExample() {
    QFETCH(Trigger, trigger);
    // The form opens with the start values of a new run, its results empty.
    QCOMPARE(TextOf(1157), QStringLiteral("100"));
    QCOMPARE(TextOf(1001), QStringLiteral("100"));
    QCOMPARE(TextOf(1002), QStringLiteral("250"));
    QCOMPARE(TextOf(1003), QStringLiteral("0"));
    QCOMPARE(TextOf(1004), QString());

    Type(1157, QStringLiteral("100"));
    Type(1001, QStringLiteral("100"));
    Type(1002, QStringLiteral("250"));
    Type(1003, QStringLiteral("0"));
    if (trigger == Trigger::Click) {
        PressCalculate();
    } else if (trigger == Trigger::Enter) {
        QTest::keyClick(Widget(1003), Qt::Key_Return);
    } else {
        QTest::keyClick(qobject_cast<QComboBox*>(Widget(1157))->lineEdit(), Qt::Key_Return);
    }

    QCOMPARE(prompts_.errors.size(), 0);
    QCOMPARE(TextOf(1149), QStringLiteral("   70"));
    QCOMPARE(TextOf(1150), QStringLiteral("  220"));
    QCOMPARE(TextOf(1004), QStringLiteral("  3.5"));
    QCOMPARE(TextOf(1005), QStringLiteral("   45"));
    const QStringList octaves{"  51", "  51", "  49", "  48", "  47", "  48", "  43", "  42"};
    for (int k = 0; k < 8; ++k) {
        QCOMPARE(TextOf(1007 + k), octaves[k]);
    }
    QCOMPARE(TextOf(1024), QStringLiteral("  53"));
    QCOMPARE(TextOf(1049), QStringLiteral("  -0"));  // casing, 50 mm insulation, 4 kHz
    QCOMPARE(TextOf(1006), QString());               // no target level, no attenuator
}

void FormDialogTest::refusedVolumeFlowEmptiesTheVelocityFields() {
    PressCalculate();
    QCOMPARE(TextOf(1004), QStringLiteral("  3.5"));

    Type(1001, QStringLiteral("69.9"));
    PressCalculate();

    QCOMPARE(prompts_.errors.size(), 1);
    QCOMPARE(prompts_.errors[0].caption, QStringLiteral("Error"));
    QCOMPARE(prompts_.errors[0].text, QStringLiteral("Please correct volume flow"));
    QCOMPARE(TextOf(1004), QString());
    QCOMPARE(TextOf(1005), QString());
    QCOMPARE(TextOf(1007), QString());
    QCOMPARE(TextOf(1149), QStringLiteral("   70"));
    QCOMPARE(TextOf(1001), QStringLiteral("69.9"));
}

void FormDialogTest::pickingADiameterShowsItsFlowRangeAtOnce() {
    // Filling the list and selecting "100" as the form opened ran no handler.
    QCOMPARE(TextOf(1149), QString());

    QVERIFY(test::PickFromPopup(qobject_cast<QComboBox*>(Widget(1157)), 11));  // "400"

    QCOMPARE(TextOf(1157), QStringLiteral("400"));
    QCOMPARE(TextOf(1149), QStringLiteral(" 1000"));
    QCOMPARE(TextOf(1150), QStringLiteral(" 4000"));
    QCOMPARE(TextOf(1004), QString());

    // A text the program writes selects an entry without running the handler.
    dialog_->SetText(1157, "8");
    QCOMPARE(TextOf(1157), QStringLiteral("80"));
    QCOMPARE(TextOf(1149), QStringLiteral(" 1000"));
}

void FormDialogTest::listTextSelectsTheFirstEntryThatBeginsWithIt_data() {
    QTest::addColumn<forms::ControlKind>("kind");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("shown");
    const auto list = forms::ControlKind::List;
    const auto combo = forms::ControlKind::ComboBox;
    QTest::newRow("list, prefix") << list << "25"
                                  << "250";
    QTest::newRow("list, no entry: selection stays") << list << "9"
                                                     << "200";
    QTest::newRow("list, empty") << list << ""
                                 << "";
    QTest::newRow("typed list, prefix") << combo << "25"
                                        << "250";
    QTest::newRow("typed list, no entry: shows the text") << combo << "9"
                                                          << "9";
    QTest::newRow("typed list, empty") << combo << ""
                                       << "";
}

void FormDialogTest::listTextSelectsTheFirstEntryThatBeginsWithIt() {
    QFETCH(forms::ControlKind, kind);
    QFETCH(QString, written);
    QFETCH(QString, shown);
    auto owned = std::make_unique<ListForm>(kind);
    ListForm& form = *owned;
    FormDialog dialog(std::move(owned), prompts_);
    watchdog_->Allow(&dialog);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(qobject_cast<QComboBox*>(dialog.Widget(1))->isEditable(),
             kind == forms::ControlKind::ComboBox);
    QCOMPARE(dialog.Text(1), std::string("200"));  // the opening text "2"
    QVERIFY(!dialog.Widget(2)->isVisible());
    QCOMPARE(dialog.Text(2), std::string("kept"));

    dialog.SetText(1, written.toStdString());
    QCOMPARE(QString::fromStdString(dialog.Text(1)), shown);
    QCOMPARE(form.selectionChanges, 0);
}

void FormDialogTest::headingIsDrawnInTitleFontAndColour() {
    auto* heading = qobject_cast<QLabel*>(Widget(1164));
    QVERIFY(heading != nullptr);
    QCOMPARE(heading->text(),
             QStringLiteral("Sound power level of the constant volume flow controller Selmon"));
    QCOMPARE(heading->font().pointSize(), 11);
    const QString family = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))
                               ? QStringLiteral("Tahoma")
                               : QApplication::font().family();
    QCOMPARE(heading->font().family(), family);
    QCOMPARE(heading->palette().color(QPalette::WindowText), QColor(255, 50, 0));
    // Other texts keep the default colour.
    auto* label = dialog_->findChildren<QLabel*>().at(1);
    QCOMPARE(label->palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::WindowText));
}

void FormDialogTest::correctionBoxAnswers_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("result");
    QTest::newRow("YES") << Answer::Yes << true;
    QTest::newRow("NO") << Answer::No << false;
    QTest::newRow("Escape") << Answer::Escape << false;
    QTest::newRow("close box") << Answer::CloseBox << false;
}

void FormDialogTest::correctionBoxAnswers() {
    QFETCH(Answer, answer);
    QFETCH(bool, result);
    const QString question = QStringLiteral("Would you like to correct the volume flow?");
    watchdog_->Expect([&](QWidget* modal) {
        auto* box = qobject_cast<forms::qt::Dialog1*>(modal);
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("Correction"));
        QCOMPARE(box->findChild<QLabel*>()->text(), question);
        QPushButton* yes = ButtonWithText(box, QStringLiteral("YES"));
        QVERIFY(yes != nullptr && yes->isDefault());
        switch (answer) {
            case Answer::Yes:
                QTest::mouseClick(yes, Qt::LeftButton);
                break;
            case Answer::No:
                QTest::mouseClick(ButtonWithText(box, QStringLiteral("NO")), Qt::LeftButton);
                break;
            case Answer::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Answer::CloseBox:
                box->close();
                break;
        }
    });
    forms::qt::DialogPrompts prompts;
    QCOMPARE(prompts.AskCorrection(dialog_.get(), question), result);
}

void FormDialogTest::errorBoxHasTheCaptionTheMessageAndOneOkButton() {
    watchdog_->Expect([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QCOMPARE(box->windowTitle(), QStringLiteral("Error"));
        QCOMPARE(box->text(), QStringLiteral("Please correct volume flow"));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButton(box->buttons().at(0)), QMessageBox::Ok);
        QVERIFY(box->buttons().at(0)->icon().isNull());
        QTest::mouseClick(box->buttons().at(0), Qt::LeftButton);
    });
    forms::qt::DialogPrompts prompts;
    prompts.ShowError(dialog_.get(), QStringLiteral("Error"),
                      QStringLiteral("Please correct volume flow"));
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::FormDialogTest, form_dialog);
#include "form_dialog_test.moc"
