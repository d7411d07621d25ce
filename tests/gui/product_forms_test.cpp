#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>
#include <sstream>

#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"
#include "products/catalogue.h"

namespace lorvane {
namespace {

using forms::qt::FormDialog;
using FieldTexts = QList<QPair<int, QString>>;

}  // namespace

// Every product form on real widgets: typed into, calculated, read back.
class ProductFormsTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedCalculation_data();
    void typedCalculation();
    void selmonShowsTheAttenuatorsForATarget();
    void attenuatorFormInterpolatesThePickedDiameter();

  private:

};

void ProductFormsTest::initTestCase() {
    CheckLocale();
}

void ProductFormsTest::init() {
    StartTest();
}

void ProductFormsTest::cleanup() {
    FinishTest();
}

void ProductFormsTest::typedCalculation_data() {
    QTest::addColumn<int>("menuCommand");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<FieldTexts>("typed");
    QTest::addColumn<FieldTexts>("shown");

    QTest::newRow("Tolmar 250 mm")
        << 32784 << QStringLiteral("Tolmar")
        << FieldTexts{{1157, "250"}, {1001, "240"}, {1002, "500"}}
        << FieldTexts{{1149, "  240"}, {1150, "  800"}, {1004, "  1.4"}, {1005, "   42"},
                      {1007, "  57"},  {1014, "  44"},  {1024, "  59"},  {1033, "  53"}};
    QTest::newRow("Daxel 200 mm") << 32772 << QStringLiteral("Daxel")
                                  << FieldTexts{{1129, "200"}, {1001, "500"}, {1002, "250"}}
                                  << FieldTexts{{1153, "  165"}, {1154, " 1100"}, {1004, "  4.4"},
                                                {1005, "   48"}, {1007, "   77"}, {1014, "   35"},
                                                {1024, "   62"}, {1051, "   38"}};
    QTest::newRow("Mirolt 200 mm")
        << 32782 << QStringLiteral("Mirolt")
        << FieldTexts{{1160, "200"}, {1001, "500"}, {1002, "250"}}
        << FieldTexts{{1158, "  160"}, {1159, " 1360"}, {1004, "  4.4"}, {1005, "   32"},
                      {1007, "   65"}, {1008, "   70"}, {1024, "   59"}, {1033, "   41"}};
}

void ProductFormsTest::typedCalculation() {
    QFETCH(int, menuCommand);
    QFETCH(QString, caption);
    QFETCH(FieldTexts, typed);
    QFETCH(FieldTexts, shown);

    Open(menuCommand);
    QCOMPARE(dialog_->windowTitle(), caption);
    for (const auto& [id, text] : typed) {
        Type(id, text);
    }
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    for (const auto& [id, text] : shown) {
        QCOMPARE(TextOf(id), text);
    }
}

void ProductFormsTest::selmonShowsTheAttenuatorsForATarget() {
    Open(32771);
    Type(1157, QStringLiteral("250"));
    Type(1001, QStringLiteral("1000"));
    Type(1003, QStringLiteral("50"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);

    // Per thickness the shortest attenuator that brings the level to 50 dB(A): none of the
    // 25 mm ones does, so the longest is shown.
    const FieldTexts shown{
        {1006, "2.00m"}, {1054, "  65"}, {1062, "  51"},  // 25 mm
        {1052, "1.00m"}, {1063, "  64"}, {1071, "  50"},  // 50 mm
        {1053, "0.75m"}, {1072, "  64"}, {1080, "  49"},  // 75 mm
    };
    for (const auto& [id, text] : shown) {
        QCOMPARE(TextOf(id), text);
    }
}

void ProductFormsTest::attenuatorFormInterpolatesThePickedDiameter() {
    state_.attenuatorLength = 1250;
    Open(32780);
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Sound attenuators Nerva"));
    QCOMPARE(TextOf(1161), QStringLiteral("100"));
    QCOMPARE(TextOf(1001), QStringLiteral("1250"));

    auto* diameters = qobject_cast<QComboBox*>(dialog_->Widget(1161));
    QVERIFY(diameters != nullptr && !diameters->isEditable());
    diameters->setFocus();
    QTest::keyClick(diameters, Qt::Key_Home);  // the first entry, 80 mm
    QCOMPARE(TextOf(1161), QStringLiteral("80"));
    Type(1001, QStringLiteral("600.4"));  // a decimal point, whatever the locale
    PressCalculate();

    QCOMPARE(TextOf(1058), QStringLiteral("   29"));  // 25 mm, 1000 Hz: 25 + 11 * 100.4 / 250
    QCOMPARE(TextOf(1054), QStringLiteral("    1"));
    QCOMPARE(state_.productInputs.diameter, 80.0);
    QCOMPARE(state_.attenuatorLength, 600.4);

    Type(1001, QStringLiteral("2001"));  // refused with its range; the results stay
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 1);
    QCOMPARE(prompts_.errors.front().text, QStringLiteral("The length must be from 500 to 2000 mm"));
    QCOMPARE(TextOf(1058), QStringLiteral("   29"));
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::ProductFormsTest, product_forms);
#include "product_forms_test.moc"
