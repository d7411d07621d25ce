#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>
#include <memory>
#include <sstream>

#include "app/finder_window.h"
#include "app/main_frame.h"
#include "app/recent_files.h"
#include "app/schedule_prompts.h"
#include "forms/qt/form_dialog.h"
#include "gui_fixture.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using FieldTexts = QList<QPair<int, QString>>;
using Typed = QList<QPair<QString, QString>>;  // input name, text

}  // namespace

// The "Find a product" window: typed into, read, sorted, and a row opened in its form.
class FinderWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensFromTheMenuBesideTheMainWindow();
    void followsEveryKeystroke();
    void sortsByTheClickedColumn();
    void doubleClickOpensTheFormCalculated_data();
    void doubleClickOpensTheFormCalculated();

  private:
    void Type(const std::string& input, const QString& text) {
        test::TypeInto(finder_->Input(input), text);
    }
    // The texts of every row, cells joined by '|', in the order the table shows them.
    QStringList Rows() const;
    // The shown row whose first two cells are the product and the size; -1 when there is none.
    int RowOf(const QString& product, const QString& size) const;
    // A double-click is a click and a second press within the double-click time.
    void DoubleClick(int row) {
        QTableView* table = finder_->Table();
        const QModelIndex index = table->model()->index(row, 0);
        table->scrollTo(index);
        const QPoint at = table->visualRect(index).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    }
    QString Cell(int row, int column) const {
        return finder_->Table()->model()->index(row, column).data().toString();
    }

    test::TemporarySettings settings_;
    SharedState state_;
    std::ostringstream diagnostics_;
    test::RecordingPrompts prompts_;
    app::ScheduleDialogs schedulePrompts_;
    app::RecentFileList recentFiles_;
    std::unique_ptr<test::ModalWatchdog> watchdog_;
    std::unique_ptr<app::FinderWindow> finder_;
};

void FinderWindowTest::initTestCase() {
    QVERIFY2(test::ProcessLocaleHasDecimalComma(),
             "the tests must run under a locale with a decimal comma (LC_ALL=de_DE.UTF-8)");
}

void FinderWindowTest::init() {
    state_ = SharedState{};
    prompts_ = test::RecordingPrompts{};
    watchdog_ = std::make_unique<test::ModalWatchdog>();
    finder_ = std::make_unique<app::FinderWindow>(state_, prompts_, diagnostics_);
    finder_->show();
    QVERIFY(QTest::qWaitForWindowExposed(finder_.get()));
}

void FinderWindowTest::cleanup() {
    finder_.reset();
    const QStringList faults = watchdog_->Faults();
    watchdog_.reset();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    QCOMPARE(prompts_.errors.size(), 0);
}

QStringList FinderWindowTest::Rows() const {
    QStringList rows;
    const QAbstractItemModel* model = finder_->Table()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column) {
            cells.append(Cell(row, column));
        }
        rows.append(cells.join('|'));
    }
    return rows;
}

int FinderWindowTest::RowOf(const QString& product, const QString& size) const {
    const QAbstractItemModel* model = finder_->Table()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (Cell(row, 0) == product && Cell(row, 1) == size) {
            return row;
        }
    }
    return -1;
}

void FinderWindowTest::opensFromTheMenuBesideTheMainWindow() {
    state_.productInputs.volumeFlow = 800.4;
    state_.targetLevel = 35;
    app::CMainFrame frame(state_, prompts_, schedulePrompts_, recentFiles_);
    frame.show();
    QAction* find = frame.CommandAction(32790);
    QVERIFY(find != nullptr);
    QCOMPARE(find->text(), QStringLiteral("Find a product…"));
    find->trigger();
    auto* window = frame.findChild<app::FinderWindow*>();
    QVERIFY(window != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->windowTitle(), QStringLiteral("Find a product"));
    QVERIFY(window->isWindow());
    QVERIFY(QApplication::activeModalWidget() == nullptr);  // the main window stays usable
    // It starts from the duty point last accepted in a form.
    QCOMPARE(window->Input("flow")->text(), QStringLiteral("800"));
    QCOMPARE(window->Input("dp")->text(), QStringLiteral("250"));
    QCOMPARE(window->Input("target")->text(), QStringLiteral("35"));
    QCOMPARE(window->Input("max-width")->text(), QString());

    window->Input("dp")->setText(QStringLiteral("150"));
    window->close();
    find->trigger();  // the same window again, with what was typed in it
    QCOMPARE(frame.findChildren<app::FinderWindow*>().size(), 1);
    QVERIFY(window->isVisible());
    QCOMPARE(window->Input("dp")->text(), QStringLiteral("150"));
}

void FinderWindowTest::followsEveryKeystroke() {
    Type("flow", QStringLiteral("2000"));
    Type("dp", QStringLiteral("250"));
    Type("target", QStringLiteral("60"));
    Type("max-width", QStringLiteral("400"));
    Type("max-height", QStringLiteral("200"));
    Type("max-diameter", QStringLiteral("1"));

    // The catalogue's 400 x 200 mm controllers at 2000 m3/h and 250 Pa; decimal points, whatever
    // the locale. The Quenta meets 60 dB(A) and comes before every one that does not.
    const QStringList rows = Rows();
    QVERIFY(rows.contains(QStringLiteral("Quenta|400 x 200|6.9|91|58|52|-|yes")));
    QVERIFY(rows.contains(QStringLiteral("Basko|400 x 200|6.9|114|68|60|none offered|no")));
    QVERIFY(rows.indexOf(QStringLiteral("Quenta|400 x 200|6.9|91|58|52|-|yes")) <
            rows.indexOf(QStringLiteral("Basko|400 x 200|6.9|114|68|60|none offered|no")));
    QCOMPARE(
        finder_->Notes()->text(),
        QStringLiteral(
            "Attenuator \"none offered\": The range's attenuators are for circular ducts only."));
    QVERIFY(finder_->Status()->text().startsWith(
        QStringLiteral("%1 candidates for 2000 m3/h at 250 Pa").arg(rows.size())));

    Type("flow", QStringLiteral("2000x"));  // trailing text is ignored, as in the forms
    QCOMPARE(Rows(), rows);
    Type("flow", QStringLiteral("100000"));
    QCOMPARE(Rows(), QStringList());
    QCOMPARE(finder_->Status()->text(),
             QStringLiteral("No controller fits 100000 m3/h at 250 Pa within the given sizes."));
    Type("flow", QStringLiteral("none"));
    QCOMPARE(Rows(), QStringList());
    QCOMPARE(finder_->Status()->text(),
             QStringLiteral("The volume flow must be a number above 0 m3/h"));
}

void FinderWindowTest::sortsByTheClickedColumn() {
    Type("flow", QStringLiteral("500"));
    Type("dp", QStringLiteral("250"));
    Type("max-width", QStringLiteral("1"));
    Type("max-diameter", QStringLiteral("200"));
    // Unsorted, the finder's order: the smallest cross-section first.
    QCOMPARE(Cell(0, 1), QStringLiteral("125"));

    QHeaderView* header = finder_->Table()->horizontalHeader();
    const auto levels = [this] {
        QList<int> shown;
        for (int row = 0; row < finder_->Table()->model()->rowCount(); ++row) {
            shown.append(Cell(row, 4).toInt());
        }
        return shown;
    };
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 5, header->height() / 2));
    QList<int> ascending = levels();
    QVERIFY(ascending.size() > 5);
    QVERIFY(std::is_sorted(ascending.begin(), ascending.end()));
    // By value, not by text: a velocity of 10.0 m/s sorts after 9.9 m/s.
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    QList<double> velocities;
    for (int row = 0; row < finder_->Table()->model()->rowCount(); ++row) {
        velocities.append(Cell(row, 2).toDouble());
    }
    QVERIFY(std::is_sorted(velocities.begin(), velocities.end()));
    QVERIFY(velocities.last() >= 10);

    // Typing again keeps the chosen order.
    Type("dp", QStringLiteral("300"));
    velocities.clear();
    for (int row = 0; row < finder_->Table()->model()->rowCount(); ++row) {
        velocities.append(Cell(row, 2).toDouble());
    }
    QVERIFY(std::is_sorted(velocities.begin(), velocities.end()));
}

void FinderWindowTest::doubleClickOpensTheFormCalculated_data() {
    QTest::addColumn<Typed>("typed");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("size");
    QTest::addColumn<FieldTexts>("shown");

    // Mirolt 200 mm at 500 m3/h and 250 Pa, its catalogue example: below the target alone.
    QTest::newRow("Mirolt 200 mm")
        << Typed{{"flow", "500"},
                 {"dp", "250"},
                 {"target", "60"},
                 {"max-diameter", "200"},
                 {"max-width", "1"}}
        << "Mirolt"
        << "200" << FieldTexts{{1160, "200"},   {1001, "500"},   {1002, "250"},   {1003, "60"},
                               {1158, "  160"}, {1159, " 1360"}, {1004, "  4.4"}, {1005, "   32"},
                               {1007, "   65"}, {1008, "   70"}, {1024, "   59"}, {1033, "   41"}};
    // Selmon 250 mm needs the 75 mm attenuator of 0.75 m for 50 dB(A): the form shows the same.
    QTest::newRow("Selmon 250 mm with an attenuator")
        << Typed{{"flow", "1000"},
                 {"dp", "250"},
                 {"target", "50"},
                 {"max-diameter", "250"},
                 {"max-width", "1"}}
        << "Selmon"
        << "250" << FieldTexts{{1157, "250"},   {1001, "1000"},  {1003, "50"},
                               {1006, "2.00m"}, {1062, "  51"},  {1052, "1.00m"},
                               {1071, "  50"},  {1053, "0.75m"}, {1080, "  49"}};
    // The rectangular controllers' catalogue examples: width and height go into their fields.
    QTest::newRow("Basko 400 x 200 mm")
        << Typed{{"flow", "2000"}, {"dp", "250"}, {"max-diameter", "1"}} << "Basko"
        << "400 x 200"
        << FieldTexts{{1084, "400"},   {1003, "200"},   {1001, "2000"},  {1002, "250"},
                      {1004, "  6.9"}, {1005, "  114"}, {1017, "  864"}, {1018, " 2880"},
                      {1019, "  600"}, {1020, " 2800"}, {1024, "  68"},  {1033, "  60"},
                      {1093, "  53"}};
    QTest::newRow("Quenta 600 x 300 mm")
        << Typed{{"flow", "5000"}, {"dp", "250"}, {"max-diameter", "1"}} << "Quenta"
        << "600 x 300" << FieldTexts{{1084, "600"},  {1003, "300"},   {1001, "5000"},
                                     {1002, "250"},  {1004, "  7.7"}, {1005, "  100"},
                                     {1121, "  65"}, {1033, "  59"},  {1093, "  55"}};
}

void FinderWindowTest::doubleClickOpensTheFormCalculated() {
    QFETCH(Typed, typed);
    QFETCH(QString, product);
    QFETCH(QString, size);
    QFETCH(FieldTexts, shown);

    for (const auto& [input, text] : typed) {
        Type(input.toStdString(), text);
    }
    // Sorted by product name, the shown rows are no longer in the finder's order.
    QHeaderView* header = finder_->Table()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
    const int row = RowOf(product, size);
    QVERIFY(row >= 0);
    QCOMPARE(Cell(row, 7), QStringLiteral("yes"));

    bool opened = false;
    watchdog_->Expect([&](QWidget* modal) {
        opened = true;
        auto* form = qobject_cast<forms::qt::FormDialog*>(modal);
        QVERIFY(form != nullptr);
        QCOMPARE(form->windowTitle(), product);
        QCOMPARE(form->parentWidget(), finder_.get());
        for (const auto& [id, text] : shown) {
            QCOMPARE(QString::fromStdString(form->Text(id)), text);
        }
        form->close();
    });
    DoubleClick(row);
    QVERIFY(opened);
    // The form stored what it accepted, as after a user's "calculate".
    QCOMPARE(state_.productInputs.volumeFlow, typed.front().second.toDouble());
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::FinderWindowTest, finder_window);
#include "finder_window_test.moc"
