// The schedule table's cells of a position: what the planner reads in the schedule window and
// its PDF.

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

#include "app/schedule_cells.h"
#include "schedule/project.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

// The attenuator column of lorvane-calc find's table, for the product at 250 mm, 1000 m3/h and
// 250 Pa.
QString FinderAttenuator(const char* product, const char* target) {
    QProcess find;
    find.start(QStringLiteral(LORVANE_CALC),
               {QStringLiteral("find"), QStringLiteral("--flow"), QStringLiteral("1000"),
                QStringLiteral("--dp"), QStringLiteral("250"), QStringLiteral("--target"),
                QString::fromLatin1(target)});
    find.waitForFinished(60000);
    const QStringList lines = QString::fromUtf8(find.readAllStandardOutput()).split(u'\n');
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
        return line.startsWith(QStringLiteral("Product "));
    });
    if (heading == lines.end()) {
        return QStringLiteral("no table");
    }
    const qsizetype from = heading->indexOf(QStringLiteral("Attenuator"));
    const qsizetype to = heading->indexOf(QStringLiteral("Meets target"));
    const QRegularExpression row(QStringLiteral("^%1 +250 ").arg(QString::fromLatin1(product)),
                                 QRegularExpression::CaseInsensitiveOption);
    for (const QString& line : lines) {
        if (row.match(line).hasMatch()) {
            return line.mid(from, to - from).trimmed();
        }
    }
    return QStringLiteral("no such candidate");
}

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

    // A controller given a target shows it, and the attenuator the finder would choose for it.
    void ControllersShowTheirTargetAndAttenuator() {
        struct Row {
            const char* product;
            const char* target;
            const char* targetCell;
            const char* attenuatorCell;
        };
        // clang-format off
        const Row rows[] = {
            {"selmon", "45", "45", "%1"},            // the finder's choice at this duty point
            {"selmon", "70", "70", "-"},             // met without one
            {"selmon", "20", "20", "none reaches"},
            {"selmon", "",   "",   ""},              // 0, the start value: none wanted
            {"daxel",  "35", "35", "%1"},
            {"basko",  "",   "",   ""},              // no target to give
        };
        // clang-format on
        for (const Row& row : rows) {
            std::map<std::string, std::string> inputs{{"flow", "1000"}, {"dp", "250"}};
            if (std::string_view(row.product) != "basko") {
                inputs["diameter"] = "250";
            }
            if (*row.target != '\0') {
                inputs["target"] = row.target;
            }
            const schedule::Position position{.tag = "V", .product = row.product, .inputs = inputs};
            const QStringList cells =
                app::PositionCells(position, schedule::CalculatePosition(position));
            QCOMPARE(cells.at(app::kTargetColumn), QString::fromLatin1(row.targetCell));
            QString attenuator = QString::fromLatin1(row.attenuatorCell);
            if (attenuator == QStringLiteral("%1")) {
                attenuator = FinderAttenuator(row.product, row.target);
            }
            QCOMPARE(cells.at(app::kAttenuatorColumn), attenuator);
        }
    }

    // A position with a room: the level at the listener and its rating of the target's kind,
    // whether the room meets its target and the attenuator it needs, as lorvane-calc gives them
    // for the worked example.
    void RoomsShowTheirLevelRatingTargetAndAttenuator() {
        struct Row {
            const char* roomTarget;
            const char* level;
            const char* rating;
            const char* target;
            const char* attenuator;
        };
        const Row rows[] = {{"NR 30", "34", "NR 32", "missed", "25mm 0.50m"},
                            {"NR 35", "34", "NR 32", "met", "-"},
                            {"NC 25", "34", "NC 28", "missed", "25mm 0.50m"},
                            {"nc30", "34", "NC 28", "met", "-"},
                            {"25", "34", "NR 32", "missed", "75mm 0.75m"},
                            {"NR 5", "34", "NR 32", "missed", "none reaches"},
                            {"", "34", "NR 32", "", ""}};
        for (const Row& row : rows) {
            std::map<std::string, std::string> inputs{
                {"diameter", "250"},
                {"flow", "1000"},
                {"dp", "250"},
                {"path",
                 "duct d250 6; elbow d250 round; duct d250 2 lined 50; branch 0.5; outlet d200 "
                 "flush"},
                {"room", "6x5x3"}};
            if (*row.roomTarget != '\0') {
                inputs["room-target"] = row.roomTarget;
            }
            const schedule::Position position{.tag = "V", .product = "selmon", .inputs = inputs};
            const QStringList cells =
                app::PositionCells(position, schedule::CalculatePosition(position));
            QCOMPARE(cells.at(app::kRoomLevelColumn), QString::fromLatin1(row.level));
            QCOMPARE(cells.at(app::kRoomRatingColumn), QString::fromLatin1(row.rating));
            QCOMPARE(cells.at(app::kRoomTargetColumn), QString::fromLatin1(row.target));
            QCOMPARE(cells.at(app::kRoomAttenuatorColumn), QString::fromLatin1(row.attenuator));
        }
        const schedule::Position bare{.tag = "V", .product = "selmon", .inputs = {}};
        const QStringList cells = app::PositionCells(bare, schedule::CalculatePosition(bare));
        for (int column : {app::kRoomLevelColumn, app::kRoomRatingColumn, app::kRoomTargetColumn,
                           app::kRoomAttenuatorColumn}) {
            QCOMPARE(cells.at(column), QString());
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
