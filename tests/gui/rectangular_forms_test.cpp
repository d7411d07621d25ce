#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <sstream>

#include "forms/product_form.h"
#include "forms/qt/dialog1.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"
#include "products/catalogue.h"

namespace lorvane {
namespace {

using forms::qt::FormDialog;
using test::ButtonWithText;
using FieldTexts = QList<QPair<int, QString>>;

enum class CorrectionAnswer { Yes, No, Escape };

constexpr int kBasko = 32774;
constexpr int kQuenta = 32773;

}  // namespace

// The Basko and Quenta forms on real widgets: typed into, calculated, read back.
class RectangularFormsTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedCalculation_data();
    void typedCalculation();
    void baskoPutsTheFlowToTheCorrectionBox_data();
    void baskoPutsTheFlowToTheCorrectionBox();
    void quentaSaysWhenNoNozzleArrangementFits();

  private:

};

void RectangularFormsTest::initTestCase() {
    CheckLocale();
}

void RectangularFormsTest::init() {
    StartTest();
}

void RectangularFormsTest::cleanup() {
    FinishTest();
}

void RectangularFormsTest::typedCalculation_data() {
    QTest::addColumn<int>("menuCommand");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<FieldTexts>("typed");
    QTest::addColumn<FieldTexts>("shown");

    QTest::newRow("Basko 400 x 200 mm")
        << kBasko << QStringLiteral("Basko")
        << FieldTexts{{1084, "400"}, {1003, "200"}, {1001, "2000"}, {1002, "250"}}
        << FieldTexts{{1004, "  6.9"}, {1005, "  114"}, {1017, "  864"}, {1018, " 2880"},
                      {1019, "  600"}, {1020, " 2800"}, {1007, "  68"},  {1014, "  55"},
                      {1024, "  68"},  {1025, "  68"},  {1033, "  60"},  {1085, "  68"},
                      {1092, "  35"},  {1093, "  53"}};
    QTest::newRow("Quenta 600 x 300 mm")
        << kQuenta << QStringLiteral("Quenta")
        << FieldTexts{{1084, "600"}, {1003, "300"}, {1001, "5000"}, {1002, "250"}}
        << FieldTexts{{1000, "    355"}, {1020, "      2"}, {1021, "    440"}, {1017, "   1050"},
                      {1018, "   7000"}, {1004, "  7.7"},   {1005, "  100"},   {1006, " 1.5"},
                      {1015, " 2.5"},    {1016, " 5.6"},    {1007, "  72"},    {1014, "  53"},
                      {1121, "  65"},    {1033, "  59"},    {1093, "  55"}};
}

void RectangularFormsTest::typedCalculation() {
    QFETCH(int, menuCommand);
    QFETCH(QString, caption);
    QFETCH(FieldTexts, typed);
    QFETCH(FieldTexts, shown);

    Open(menuCommand, nullptr, &prompts_);
    QCOMPARE(dialog_->windowTitle(), caption);
    for (const auto& [id, text] : typed) {
        Type(id, text);
    }
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    QCOMPARE(prompts_.questions.size(), 0);
    for (const auto& [id, text] : shown) {
        QCOMPARE(TextOf(id), text);
    }
}

void RectangularFormsTest::baskoPutsTheFlowToTheCorrectionBox_data() {
    QTest::addColumn<CorrectionAnswer>("answer");
    QTest::addColumn<bool>("calculated");
    QTest::newRow("YES") << CorrectionAnswer::Yes << false;
    QTest::newRow("NO") << CorrectionAnswer::No << true;
    QTest::newRow("Escape") << CorrectionAnswer::Escape << true;
}

// The start values, 200 x 100 mm, with 80 m3/h: below 200 m3/h and below every scale. The box
// comes up over the ranges; NO calculates with a note that the flow lies outside them.
void RectangularFormsTest::baskoPutsTheFlowToTheCorrectionBox() {
    QFETCH(CorrectionAnswer, answer);
    QFETCH(bool, calculated);
    forms::qt::DialogPrompts prompts;
    Open(kBasko, nullptr, &prompts);
    QCOMPARE(TextOf(1084), QStringLiteral("200"));
    QCOMPARE(TextOf(1003), QStringLiteral("100"));
    Type(1001, QStringLiteral("80"));

    QStringList rangeAtQuestion;
    watchdog_->Expect([&](QWidget* modal) {
        rangeAtQuestion = {TextOf(1017), TextOf(1020)};
        auto* box = qobject_cast<forms::qt::Dialog1*>(modal);
        QVERIFY(box != nullptr);
        QCOMPARE(box->findChild<QLabel*>()->text(),
                 QStringLiteral("Would you like to correct the volume flow?"));
        switch (answer) {
            case CorrectionAnswer::Yes:
                QTest::mouseClick(ButtonWithText(box, QStringLiteral("YES")), Qt::LeftButton);
                break;
            case CorrectionAnswer::No:
                QTest::mouseClick(ButtonWithText(box, QStringLiteral("NO")), Qt::LeftButton);
                break;
            case CorrectionAnswer::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
        }
    });
    PressCalculate();

    QCOMPARE(rangeAtQuestion, QStringList({QStringLiteral("  200"), QStringLiteral("  600")}));
    QCOMPARE(TextOf(1017), QStringLiteral("  200"));  // the range stays in view
    QCOMPARE(TextOf(1020), QStringLiteral("  600"));
    QCOMPARE(TextOf(1004), calculated ? QStringLiteral("  1.1") : QString());
    QCOMPARE(TextOf(1024).isEmpty(), !calculated);
    QCOMPARE(state_.productInputs.volumeFlow, calculated ? 80.0 : 100.0);
    auto* note = qobject_cast<QLabel*>(dialog_->Widget(forms::kNotesField));
    QVERIFY(note != nullptr);
    const QString outside =
        QStringLiteral("The volume flow lies outside the range of this size, 200 to 600 m3/h");
    QCOMPARE(note->text(), calculated ? outside : QString());
}

void RectangularFormsTest::quentaSaysWhenNoNozzleArrangementFits() {
    Open(kQuenta, nullptr, &prompts_);
    Type(1084, QStringLiteral("500"));
    Type(1003, QStringLiteral("403"));
    Type(1001, QStringLiteral("5000"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    for (int id : {1000, 1017, 1018, 1020, 1021}) {
        QCOMPARE(TextOf(id), QStringLiteral("      0"));
    }
    auto* note = qobject_cast<QLabel*>(dialog_->Widget(forms::kNotesField));
    QVERIFY(note != nullptr && note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("No nozzle arrangement fits this size"));
    QCOMPARE(TextOf(1121), QStringLiteral("  65"));
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::RectangularFormsTest, rectangular_forms);
#include "rectangular_forms_test.moc"
