#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <memory>
#include <sstream>

#include "forms/product_form.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"
#include "products/catalogue.h"

namespace lorvane {
namespace {

using forms::qt::FormDialog;
using FieldTexts = QList<QPair<int, QString>>;

constexpr int kLouvreCommand = 32786;

constexpr int kSiteList = 1176;
constexpr int kModelList = 1177;
constexpr int kNc = 1184;

}  // namespace

// The louvre form on real widgets: lists picked with the keyboard, texts typed, results read.
class LouvreFormsTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void picksAndTypesTheWorkedExample();
    void openingValuesReachNoCurve();
    void refusalShowsTheGermanMessageUnderFehler();

  private:
    void Pick(int list, Qt::Key key) {
        dialog_->Widget(list)->setFocus();
        QTest::keyClick(dialog_->Widget(list), key);
    }

    QLabel* NcHead() const {
        for (QLabel* label : dialog_->findChildren<QLabel*>()) {
            if (label->text() == QStringLiteral("NC  [dB]")) {
                return label;
            }
        }
        return nullptr;
    }
    // Nobody should take the rating for a room's: the tip says what it rates.
    static bool SaysItRatesSoundPower(const QString& tip) {
        return tip.contains(QStringLiteral("sound power")) && tip.contains(QStringLiteral("room"));
    }

};

void LouvreFormsTest::initTestCase() {
    CheckLocale();
}

void LouvreFormsTest::init() {
    StartTest();
}

void LouvreFormsTest::cleanup() {
    FinishTest();
}

void LouvreFormsTest::picksAndTypesTheWorkedExample() {
    Open(kLouvreCommand);
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("External weather louvres"));
    auto* sites = qobject_cast<QComboBox*>(dialog_->Widget(kSiteList));
    QVERIFY(sites != nullptr && !sites->isEditable());
    QVERIFY(SaysItRatesSoundPower(dialog_->Widget(kNc)->toolTip()));
    Pick(kSiteList, Qt::Key_Down);      // B
    Pick(kModelList, Qt::Key_Down);     // Zarn2
    QCOMPARE(TextOf(1179), QString());  // a pick does not calculate

    // Opened again without a calculation: the picks are kept, the texts start fixed.
    Open(kLouvreCommand);
    QCOMPARE(TextOf(kSiteList), QStringLiteral("B Duct mounted, exhaust air"));
    QCOMPARE(TextOf(kModelList), QStringLiteral("Zarn2"));
    QCOMPARE(TextOf(1173), QStringLiteral("300"));
    QCOMPARE(TextOf(1174), QStringLiteral("345"));
    QCOMPARE(TextOf(1175), QStringLiteral("373"));

    Type(1173, QStringLiteral("1000"));
    Type(1174, QStringLiteral("1000"));
    Type(1175, QStringLiteral("10000"));
    PressCalculate();

    QCOMPARE(prompts_.errors.size(), 0);
    const FieldTexts shown{
        {1178, "1.000"}, {1179, "  3.0"}, {1180, "  6.3"}, {1182, " 34.9"}, {1183, " 92.3"},
        {1186, "   49"}, {1189, "   57"}, {1193, "   45"}, {1194, "   60"}, {kNc, "   54"},
    };
    for (const auto& [id, text] : shown) {
        QCOMPARE(TextOf(id), text);
    }
    // Once the field shows a rating, its head still says what it rates.
    QLabel* head = NcHead();
    QVERIFY(head != nullptr);
    QVERIFY(SaysItRatesSoundPower(head->toolTip()));
}

void LouvreFormsTest::openingValuesReachNoCurve() {
    Open(kLouvreCommand);
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 0);
    QCOMPARE(TextOf(1178), QStringLiteral("0.103"));
    QCOMPARE(TextOf(kNc), QStringLiteral("< 10"));
    auto* note = qobject_cast<QLabel*>(dialog_->Widget(forms::kNotesField));
    QVERIFY(note != nullptr && note->isVisible());
    QVERIFY(note->text().contains(QStringLiteral("NC 10")));
}

void LouvreFormsTest::refusalShowsTheGermanMessageUnderFehler() {
    Open(kLouvreCommand);
    PressCalculate();
    Type(1175, QStringLiteral("372"));
    PressCalculate();
    QCOMPARE(prompts_.errors.size(), 1);
    QCOMPARE(prompts_.errors[0].caption, QStringLiteral("Fehler"));
    QCOMPARE(prompts_.errors[0].text, QStringLiteral("Bitte Volumenstrom korrigieren"));
    for (int id : {1178, 1183, 1184, 1186, 1194}) {
        QCOMPARE(TextOf(id), QString());
    }
    QCOMPARE(TextOf(1175), QStringLiteral("372"));
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::LouvreFormsTest, louvre_forms);
#include "louvre_forms_test.moc"
