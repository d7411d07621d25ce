#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <functional>
#include <vector>

#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using test::kDaxel;
constexpr int kDamperAcoustics = 32776;
constexpr int kAttenuator = 32780;

// How far apart two colours are to the eye, roughly: the difference of their lightness.
int LightnessDifference(const QColor& a, const QColor& b) {
    return std::abs(a.lightness() - b.lightness());
}

}  // namespace

// What a planner sees on a form, read from pictures of the widgets: the colour of stale values,
// the marks beside results, and where the fields stand.
class FormViewTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void staleValuesAreGreyInEveryStyle();
    void italicsMarkEstimatesAndAColumnSaysWhetherTheTargetIsReached();
    void fieldsStandUnderTheirHeadsAndButtonsKeepTheirPlace();

  private:
    // Where the text of a right-aligned head of the open form ends, in the form's coordinates.
    int HeadRight(const forms::Control& head) const;
    // Opens a form, types the texts and presses "calculate".
    void Calculated(int menuCommand, const std::vector<std::pair<int, QString>>& typed);
};

void FormViewTest::initTestCase() {
    CheckLocale();
}

void FormViewTest::init() {
    StartTest();
}

void FormViewTest::cleanup() {
    FinishTest();
}

int FormViewTest::HeadRight(const forms::Control& head) const {
    QWidget* calculate = dialog_->Widget(dialog_->form().Description().defaultButton);
    for (QGridLayout* grid : dialog_->findChildren<QGridLayout*>()) {
        if (grid->indexOf(calculate) < 0) {
            continue;  // the chart's legend
        }
        QLayoutItem* item = grid->itemAtPosition(head.cell.row, head.cell.column);
        if (auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr) {
            return label->mapTo(dialog_.get(), label->contentsRect().topRight()).x();
        }
    }
    return -1;
}

void FormViewTest::Calculated(int menuCommand, const std::vector<std::pair<int, QString>>& typed) {
    Open(menuCommand);
    for (const auto& [id, text] : typed) {
        Type(id, text);
    }
    PressCalculate();
}

void FormViewTest::staleValuesAreGreyInEveryStyle() {
    struct Case {
        const char* what;
        std::function<void()> makeStale;  // opens a form and leaves `stale` from an earlier press
        int stale;
        int current;                        // a field the latest press wrote, or an input
        std::function<void()> makeCurrent;  // the press that writes `stale` again
    };
    const auto pick = [this](int list, int row) {
        QVERIFY(test::PickFromPopup(qobject_cast<QComboBox*>(dialog_->Widget(list)), row));
    };
    const std::vector<Case> cases{
        {"Daxel 450 mm after 400 mm with a target",
         [&] {
             Calculated(kDaxel, {{1129, "400"}, {1001, "3000"}, {1003, "35"}});
             Type(1129, QStringLiteral("450"));
             PressCalculate();
         },
         1054, 1024,
         [&] {
             Type(1129, QStringLiteral("400"));
             PressCalculate();
         }},
        {"Selmon, another diameter picked",
         [&] {
             Calculated(test::kSelmon, {});
             pick(1157, 11);  // 400 mm, from 1000 m3/h
         },
         1004, 1149,
         [&] {
             Type(1001, QStringLiteral("2000"));
             PressCalculate();
         }},
        {"Selmon, typing into an input",
         [&] {
             Calculated(test::kSelmon, {});
             Type(1001, QStringLiteral("150"));
         },
         1024, 1001, [&] { PressCalculate(); }},
        {"damper, another linkage picked",
         [&] {
             Calculated(kDamperAcoustics,
                        {{1084, "1000"}, {1003, "1000"}, {1001, "36000"}, {1002, "90"}});
             pick(102, 1);
         },
         1017, 1084, [&] { PressCalculate(); }},
        {"attenuator, a refused length",
         [&] {
             Calculated(kAttenuator, {});
             Type(1001, QStringLiteral("2001"));
             PressCalculate();
             prompts_.errors.clear();
         },
         1058, 1001,
         [&] {
             Type(1001, QStringLiteral("1000"));
             PressCalculate();
         }},
    };
    const QString ownStyle = QApplication::style()->name();
    const auto restoreStyle = qScopeGuard([&ownStyle] { QApplication::setStyle(ownStyle); });
    for (const QString& style : QStyleFactory::keys()) {
        QApplication::setStyle(style);
        for (const Case& c : cases) {
            const QString what = style + QStringLiteral(": ") + QString::fromUtf8(c.what);
            state_ = SharedState{};  // each case starts from the forms' start values
            c.makeStale();
            QVERIFY2(dialog_->IsStale(c.stale), qPrintable(what));
            const QColor stale = test::DrawnTextColour(dialog_->Widget(c.stale));
            const QColor current = test::DrawnTextColour(dialog_->Widget(c.current));
            QVERIFY2(LightnessDifference(stale, current) >= 60,
                     qPrintable(what + QStringLiteral(": stale %1, current %2")
                                           .arg(stale.name(), current.name())));
            c.makeCurrent();
            QVERIFY2(!dialog_->IsStale(c.stale), qPrintable(what));
            const QColor again = test::DrawnTextColour(dialog_->Widget(c.stale));
            QVERIFY2(LightnessDifference(again, current) < 20,
                     qPrintable(what + QStringLiteral(": once stale %1, current %2")
                                           .arg(again.name(), current.name())));
            QVERIFY2(prompts_.errors.isEmpty(), qPrintable(what));
            dialog_.reset();
        }
    }
}

void FormViewTest::italicsMarkEstimatesAndAColumnSaysWhetherTheTargetIsReached() {
    struct Row {
        int band;             // a band field of the row
        bool estimate;        // set in italics
        const char* reached;  // the row's "Target reached" field; null for a form without one
        int reachedField;
    };
    struct Case {
        const char* what;
        int menuCommand;
        std::vector<std::pair<int, QString>> typed;
        std::vector<Row> rows;
    };
    const std::vector<Case> cases{
        {"Selmon 250 mm: catalogue values, 25 mm short of the target",
         test::kSelmon,
         {{1157, "250"}, {1001, "1000"}, {1003, "50"}},
         {{1054, false, "no", 1085}, {1063, false, "yes", 1086}, {1072, false, "yes", 1087}}},
        {"Daxel 400 mm: 50 and 75 mm estimated, no row reaching 35 dB(A)",
         kDaxel,
         {{1129, "400"}, {1001, "3000"}, {1003, "35"}},
         {{1054, false, "no", 1085}, {1063, true, "no", 1086}, {1072, true, "no", 1087}}},
        {"attenuator form, 100 mm: every row estimated",
         kAttenuator,
         {},
         {{1054, true, nullptr, 0}}},
    };
    for (const Case& c : cases) {
        state_ = SharedState{};
        Calculated(c.menuCommand, c.typed);
        QVERIFY2(prompts_.errors.isEmpty(), c.what);
        for (const Row& row : c.rows) {
            const QString what =
                QString::fromUtf8(c.what) + QStringLiteral(", field %1").arg(row.band);
            QWidget* band = dialog_->Widget(row.band);
            QVERIFY2(!TextOf(row.band).trimmed().isEmpty(), qPrintable(what));
            QVERIFY2(QFontInfo(band->font()).italic() == row.estimate, qPrintable(what));
            QVERIFY2(band->toolTip().contains(QStringLiteral("Estimated")) == row.estimate,
                     qPrintable(what));
            if (row.reached != nullptr) {
                QCOMPARE(TextOf(row.reachedField), QString::fromUtf8(row.reached));
                QVERIFY2(dialog_->Widget(row.reachedField)->isVisible(), qPrintable(what));
            }
        }
        dialog_.reset();
    }
}

// Every number head (a band's frequency) ends where the fields under it end; calculating, with
// or without notes, moves no button.
void FormViewTest::fieldsStandUnderTheirHeadsAndButtonsKeepTheirPlace() {
    for (const Product& product : Catalogue()) {
        const QString word = QString::fromUtf8(product.word);
        state_ = SharedState{};
        Open(product.menuCommand);
        if (product.menuCommand == kDaxel) {  // with notes under the form
            Type(1129, QStringLiteral("400"));
            Type(1001, QStringLiteral("3000"));
            Type(1003, QStringLiteral("35"));
        }
        const forms::FormDescription& description = dialog_->form().Description();
        for (const forms::Control& head : description.controls) {
            bool isNumber = false;
            QString::fromStdString(head.text).toDouble(&isNumber);
            if (head.kind != forms::ControlKind::Label || !isNumber) {
                continue;
            }
            // The label is not in the widget map: find it by its place in the grid.
            for (const forms::Control& field : description.controls) {
                if (field.kind != forms::ControlKind::Result || field.cell.row <= head.cell.row ||
                    field.cell.column != head.cell.column || field.cell.columnSpan != 1) {
                    continue;
                }
                QWidget* widget = dialog_->Widget(field.id);
                const int fieldRight = widget->mapTo(dialog_.get(), widget->rect().topRight()).x();
                const int headRight = HeadRight(head);
                QVERIFY2(std::abs(fieldRight - headRight) <= 2,
                         qPrintable(QStringLiteral("%1: field %2 ends at %3, its head \"%4\" at %5")
                                        .arg(word)
                                        .arg(field.id)
                                        .arg(fieldRight)
                                        .arg(QString::fromStdString(head.text))
                                        .arg(headRight)));
            }
        }
        QWidget* copy = dialog_->findChild<QWidget*>(QStringLiteral("copy"));
        const QPoint before = copy->mapTo(dialog_.get(), QPoint());
        PressCalculate();
        QCoreApplication::processEvents();  // the layout takes the new texts' sizes
        QVERIFY2(copy->mapTo(dialog_.get(), QPoint()) == before, qPrintable(word));
        if (product.menuCommand == kDaxel) {
            QVERIFY2(prompts_.errors.isEmpty(), qPrintable(word));
        }
        prompts_.errors.clear();
        dialog_.reset();
    }
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::FormViewTest, form_view);
#include "form_view_test.moc"
