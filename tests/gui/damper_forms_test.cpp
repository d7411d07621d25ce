#include <QComboBox>
#include <QtTest>
#include <memory>
#include <sstream>

#include "forms/product_form.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"
#include "products/catalogue.h"
#include "products/dampers/damper_inputs.h"

namespace lorvane {
namespace {

using forms::qt::FormDialog;
using FieldTexts = QList<QPair<int, QString>>;

constexpr int kAcoustics = 32776;
constexpr int kLeakage = 32777;
constexpr int kBending = 32778;
constexpr int kTorque = 32779;

}  // namespace

// The four damper forms on real widgets: typed into, calculated, read back.
class DamperFormsTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void acousticsStoresAListPickAtOnceAndCalculatesWithIt();
    void bendingShowsBothBladesStandardAndReinforced();
    void leakageShowsEveryConstructionWithItsPmax();
    void torqueLeavesTheColumnWithoutABladeEmptyAndRefusesWithAMessage();

  private:
    void ExpectShown(const FieldTexts& shown) {
        for (const auto& [id, text] : shown) {
            QCOMPARE(TextOf(id), text);
        }
    }

};

void DamperFormsTest::initTestCase() {
    CheckLocale();
}

void DamperFormsTest::init() {
    StartTest();
}

void DamperFormsTest::cleanup() {
    FinishTest();
}

void DamperFormsTest::acousticsStoresAListPickAtOnceAndCalculatesWithIt() {
    Open(kAcoustics);
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Acoustics of Multi-leaf dampers"));
    QCOMPARE(TextOf(102), QStringLiteral("opposite direction"));
    QCOMPARE(TextOf(103), QStringLiteral("hollow profile"));

    auto* linkage = qobject_cast<QComboBox*>(dialog_->Widget(102));
    QVERIFY(linkage != nullptr && !linkage->isEditable());
    linkage->setFocus();
    QTest::keyClick(linkage, Qt::Key_Down);
    QCOMPARE(TextOf(102), QStringLiteral("same direction"));
    QCOMPARE(state_.Of<dampers::DamperInputs>().linkageSelection, 1);  // before any calculation
    QCOMPARE(TextOf(1015), QString());

    Type(1084, QStringLiteral("1000"));
    Type(1003, QStringLiteral("1000"));
    Type(1001, QStringLiteral("36000"));
    Type(1002, QStringLiteral("90"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    // 36000 m3/h through 1 m2 is 10 m/s; 90 Pa / (0.6 * 10^2) is a zeta of exactly 1.5.
    ExpectShown({{1132, "1.000"}, {1004, " 10.0"}, {1017, "  1.5"}, {1015, "  0.0"}});

    dialog_.reset();
    Open(kAcoustics);  // the form opens with the stored pick and inputs
    QCOMPARE(TextOf(102), QStringLiteral("same direction"));
    QCOMPARE(TextOf(1084), QStringLiteral("1000"));
    QCOMPARE(TextOf(1002), QStringLiteral("90"));
}

void DamperFormsTest::bendingShowsBothBladesStandardAndReinforced() {
    Open(kBending);
    QCOMPARE(dialog_->windowTitle(), QString());  // the bending form has no caption
    Type(1001, QStringLiteral("1500"));
    Type(1002, QStringLiteral("1000"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    ExpectShown({{1135, "  2.3"}, {1136, "  2.1"}, {1138, "  1.0"}, {1140, "  1.2"}});
    QCOMPARE(state_.Of<dampers::DamperInputs>().width, 1500.0);
}

void DamperFormsTest::leakageShowsEveryConstructionWithItsPmax() {
    Open(kLeakage);
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Leakage of multi-leaf dampers"));
    Type(1084, QStringLiteral("1000"));
    Type(1003, QStringLiteral("1000"));
    Type(1002, QStringLiteral("1000"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    ExpectShown({{1135, " 31.6"},
                 {1133, "3250.2"},
                 {1137, "3630.9"},
                 {1138, "3852.2"},
                 {1139, "5000.0"},
                 {1140, "2400.3"},
                 {1146, "452.0"},
                 {1152, "597.9"}});
}

void DamperFormsTest::torqueLeavesTheColumnWithoutABladeEmptyAndRefusesWithAMessage() {
    Open(kTorque);
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Torque of multi-leaf dampers"));
    PressCalculate();  // 200 x 100 mm, 250 Pa
    QCOMPARE(prompts_.errors.size(), 0);
    ExpectShown({{1137, "  0.4"},
                 {1139, "  0.5"},
                 {1140, "  1.1"},
                 {1144, "  1.6"},
                 {1146, "  1.6"},
                 {1141, ""},
                 {1147, ""},
                 {forms::kNotesField, "No 165 mm blade fits a height below 145 mm"}});

    Type(1084, QStringLiteral("99"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 1);
    QCOMPARE(prompts_.errors[0].caption, QStringLiteral("Error"));
    QCOMPARE(prompts_.errors[0].text, QStringLiteral("Please correct the width (100 to 2000 mm)"));
    ExpectShown({{1137, ""}, {1146, ""}, {forms::kNotesField, ""}, {1084, "99"}});
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::DamperFormsTest, damper_forms);
#include "damper_forms_test.moc"
