// The schedule table's cells of a position: what the planner reads in the schedule window and
// its PDF.

#include <QtTest>

#include "app/schedule_cells.h"
#include "schedule/project.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

class ScheduleCellsTest : public QObject {
    Q_OBJECT

  private slots:
    // A product cell read from a CRLF file the wrong way ends in a carriage return: the
    // position calculates, so the table names its product as well.
    void ProductWordsAreTakenAsTheCalculationTakesThem() {
        for (const char* word : {"selmon", "Selmon", " selmon\r", "SELMON\t"}) {
            const schedule::Position position{
                .tag = "V-1", .product = word, .inputs = {{"diameter", "250"}, {"flow", "1000"}}};
            const schedule::PositionResult result = schedule::CalculatePosition(position);
            QCOMPARE(result.status, schedule::PositionStatus::Ok);
            const QStringList cells = app::PositionCells(position, result);
            QCOMPARE(cells.at(app::kProductColumn), QStringLiteral("Selmon"));
            QCOMPARE(cells.at(app::kSizeColumn), QStringLiteral("Ø 250"));
            QVERIFY(!cells.at(app::kVelocityColumn).isEmpty());
        }
    }

    void AnUnknownWordIsShownAsTyped() {
        QCOMPARE(app::ProductName("fan"), QStringLiteral("fan"));
        QCOMPARE(app::ProductName("leakage"), QStringLiteral("Multi-leaf Damper: Leakage"));
    }
};

}  // namespace
}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::ScheduleCellsTest, schedule_cells);
#include "schedule_cells_test.moc"
