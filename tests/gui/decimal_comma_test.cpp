#include <QtTest>

#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

constexpr int kFlowField = 1001;
// Velocity, minimum pressure, the air-regenerated octaves and their summation level.
constexpr int kResultFields[] = {1004, 1005, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1024};

}  // namespace

// A number typed with a decimal comma into a form's real field, as a user set to a decimal comma
// types it.
class DecimalCommaTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void aTypedDecimalCommaIsTheDecimalPoint();
    void aNumberWithACommaAndAPointIsRefused_data();
    void aNumberWithACommaAndAPointIsRefused();

  private:
    // Types the volume flow into the Selmon form of 250 mm and calculates.
    QStringList ResultsFor(const QString& flow);
};

void DecimalCommaTest::initTestCase() {
    CheckLocale();
}

void DecimalCommaTest::init() {
    StartTest();
    Open(test::kSelmon);
    Type(1157, QStringLiteral("250"));
}

void DecimalCommaTest::cleanup() {
    FinishTest();
}

QStringList DecimalCommaTest::ResultsFor(const QString& flow) {
    Type(kFlowField, flow);
    PressCalculate();
    QStringList shown;
    for (const int id : kResultFields) {
        shown.append(TextOf(id));
    }
    return shown;
}

void DecimalCommaTest::aTypedDecimalCommaIsTheDecimalPoint() {
    const QStringList withComma = ResultsFor(QStringLiteral("812,5"));
    QCOMPARE(state_.productInputs.volumeFlow, 812.5);
    QVERIFY(!withComma.first().isEmpty());
    QCOMPARE(ResultsFor(QStringLiteral("812.5")), withComma);
    QCOMPARE(prompts_.errors.size(), 0);
}

void DecimalCommaTest::aNumberWithACommaAndAPointIsRefused_data() {
    QTest::addColumn<QString>("flow");
    QTest::newRow("thousands with a comma") << QStringLiteral("1,234.5");
    QTest::newRow("thousands with a point") << QStringLiteral("1.234,5");
}

// As a text without a number is: with the form's own message, keeping the flow accepted before.
void DecimalCommaTest::aNumberWithACommaAndAPointIsRefused() {
    QFETCH(QString, flow);
    ResultsFor(QStringLiteral("abc"));
    QCOMPARE(prompts_.errors.size(), 1);
    ResultsFor(QStringLiteral("800"));
    ResultsFor(flow);
    QCOMPARE(prompts_.errors.size(), 2);
    QCOMPARE(prompts_.errors.last().text, prompts_.errors.first().text);
    QCOMPARE(state_.productInputs.volumeFlow, 800.0);
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::DecimalCommaTest, decimal_comma);
#include "decimal_comma_test.moc"
