#include <QAction>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>
#include <array>
#include <optional>

#include "app/form_commands.h"
#include "app/path_table.h"
#include "app/room_panel.h"
#include "app/room_results.h"
#include "app/data_sheet.h"
#include "schedule/project.h"
#include "forms/qt/band_chart.h"
#include "forms/record_fields.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using app::PathTable;
using app::RoomPanel;

using test::kDaxel;
using test::kWorkedPath;
using test::Shown;
using test::ShownBands;
constexpr int kSelmonDiameter = 1157;

// Replaces a field's text as a user does: everything selected and typed over.
void Retype(QWidget* field, const QString& text) {
    QVERIFY2(field != nullptr, "no such field");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

QString Cell(const QTableWidget& table, int row, int column) {
    if (const auto* list = qobject_cast<const QComboBox*>(table.cellWidget(row, column))) {
        return list->currentText();
    }
    const QTableWidgetItem* item = table.item(row, column);
    return item != nullptr ? item->text() : QString();
}

QStringList Row(const QTableWidget& table, int row) {
    QStringList cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        cells.append(Cell(table, row, column));
    }
    return cells;
}

QStringList BandCells(const QTableWidget& table, int row) {
    return Row(table, row).mid(0, 8);
}

}  // namespace

// The room panel of a product form on real widgets: typed into, read back, and compared with
// what lorvane-calc says of the same product, path and room.
class RoomPanelTest : public QObject, protected test::FormTestBase {
    Q_OBJECT

  private slots:
    void initTestCase() { CheckLocale(); }
    void init();
    void cleanup() { FinishTest(); }

    void workedExampleShowsWhatLorvaneCalcSays();
    void tableAndTextSayTheSamePath();
    void refusedPathLeavesTheTableAsItWas();
    void refusedRoomInputEmptiesTheResults_data();
    void refusedRoomInputEmptiesTheResults();
    void nextFormsPanelStartsFromTheLastRoom();
    void roomGoesWithTheFormIntoTheScheduleAndTheSheet();

  private:
    // Opens a product's form with its commands and, through its "Room…", its room panel.
    void OpenWithPanel(int menuCommand);
    void CalculateSelmon();
    QWidget* Field(const char* option) const;
    QTableWidget& Attenuations() const;
    QTableWidget& ListenerLevels() const;

    RoomPanel* panel_ = nullptr;
};

void RoomPanelTest::init() {
    StartTest();
    panel_ = nullptr;
}

void RoomPanelTest::OpenWithPanel(int menuCommand) {
    Open(menuCommand);
    app::AddFormCommands(*dialog_, *FindProduct(menuCommand), state_);
    auto* room = dialog_->findChild<QPushButton*>(QStringLiteral("room"));
    QVERIFY(room != nullptr);
    QCOMPARE(room->text(), QStringLiteral("Room…"));
    QTest::mouseClick(room, Qt::LeftButton);
    panel_ = dialog_->findChild<RoomPanel*>();
    QVERIFY(panel_ != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(panel_));
    QVERIFY(!panel_->isModal());
}

void RoomPanelTest::CalculateSelmon() {
    Type(kSelmonDiameter, QStringLiteral("250"));
    Type(1001, QStringLiteral("1000"));
    Type(1002, QStringLiteral("250"));
    PressCalculate();
}

QWidget* RoomPanelTest::Field(const char* option) const {
    return option == std::string_view("path") ? &panel_->PathLine() : panel_->Field(option);
}

QTableWidget& RoomPanelTest::Attenuations() const {
    return *panel_->findChild<QTableWidget*>(QStringLiteral("roomPathAttenuation"));
}

QTableWidget& RoomPanelTest::ListenerLevels() const {
    return *panel_->findChild<QTableWidget*>(QStringLiteral("roomListenerLevels"));
}

// The worked example typed into the panel of a calculated Selmon form shows, number for number
// in its formats, what lorvane-calc's JSON says of the same product, path and room.
void RoomPanelTest::workedExampleShowsWhatLorvaneCalcSays() {
    OpenWithPanel(test::kSelmon);
    QVERIFY(panel_->Results().WhyNone().contains(QStringLiteral("room's size")));
    Retype(Field("path"), kWorkedPath);
    Retype(Field("room"), QStringLiteral("6x5x3"));
    QVERIFY(panel_->Results().WhyNone().contains(QStringLiteral("calculate")));
    CalculateSelmon();
    Retype(Field("reverberation"), QStringLiteral("0,6"));  // a decimal comma, as forms take it
    Retype(Field("distance"), QStringLiteral("1.5"));
    Retype(Field("directivity"), QStringLiteral("2"));
    Retype(Field("room-target"), QStringLiteral("NR 30"));

    QProcess calc;
    calc.start(QStringLiteral(LORVANE_CALC), test::WorkedRoomArguments() << "--json");
    QVERIFY(calc.waitForFinished(60000));
    QCOMPARE(calc.exitCode(), 0);
    const QJsonObject room =
        QJsonDocument::fromJson(calc.readAllStandardOutput()).object()[QStringLiteral("room")]
            .toObject();
    QVERIFY(!room.isEmpty());

    const app::RoomResults& results = panel_->Results();
    QCOMPARE(results.WhyNone(), QString());
    const QJsonArray path = room[QStringLiteral("path")].toArray();
    QCOMPARE(path.size(), 5);
    QCOMPARE(Attenuations().rowCount(), 6);  // the elements, then the power at the room
    for (int place = 0; place < path.size(); ++place) {
        const QJsonObject element = path[place].toObject();
        QCOMPARE(Attenuations().verticalHeaderItem(place)->text(),
                 element[QStringLiteral("element")].toString());
        QCOMPARE(BandCells(Attenuations(), place),
                 ShownBands("%5.1lf", element[QStringLiteral("attenuation")].toArray()));
    }
    QCOMPARE(BandCells(Attenuations(), 5),
             ShownBands("%5.0lf", room[QStringLiteral("powerAtRoom")].toArray()));
    QCOMPARE(BandCells(ListenerLevels(), 0),
             ShownBands("%5.0lf", room[QStringLiteral("levels")].toArray()));
    const QString level = Shown("%5.0lf", room[QStringLiteral("summationLevel")]);
    QCOMPARE(Cell(ListenerLevels(), 0, 8), level);
    QCOMPARE(results.ValueText(QStringLiteral("room.summationLevel")), level);
    QCOMPARE(results.ValueText(QStringLiteral("room.nc")),
             Shown("%5.0lf", room[QStringLiteral("nc")]));
    QCOMPARE(results.ValueText(QStringLiteral("room.nr")),
             Shown("%5.0lf", room[QStringLiteral("nr")]));
    QCOMPARE(results.ValueText(QStringLiteral("room.targetReached")),
             room[QStringLiteral("targetReached")].toBool() ? QStringLiteral("yes")
                                                             : QStringLiteral("no"));
    // A Selmon that misses its room target gets the attenuator that makes it meet it.
    const QJsonValue attenuator = room[QStringLiteral("attenuator")];
    if (attenuator.isObject()) {
        QCOMPARE(results.ValueText(QStringLiteral("room.attenuator.length")),
                 attenuator[QStringLiteral("length")].toString());
        QCOMPARE(results.ValueText(QStringLiteral("room.attenuator.thickness")),
                 attenuator[QStringLiteral("thickness")].toString());
        QCOMPARE(BandCells(ListenerLevels(), 1),
                 ShownBands("%5.0lf", attenuator[QStringLiteral("levels")].toArray()));
    } else {
        QCOMPARE(attenuator.isUndefined(), room[QStringLiteral("targetReached")].toBool());
    }

    // The chart draws the levels at the listener with the NC curves around them.
    const forms::qt::BandChart& chart = results.Chart();
    const QStringList lines = chart.SeriesNames();
    QVERIFY2(lines.contains(QStringLiteral("At the listener")), qPrintable(lines.join(", ")));
    QVERIFY2(lines.filter(QRegularExpression(QStringLiteral("^NC \\d+$"))).size() >= 1,
             qPrintable(lines.join(", ")));
    const QList<double> drawn = chart.SeriesLevels(QStringLiteral("At the listener"));
    const QJsonArray levels = room[QStringLiteral("levels")].toArray();
    for (int band = 0; band < 8; ++band) {
        QCOMPARE(drawn[band], levels[band].toDouble());
    }

    // The room rates NR 32: the chart draws the NR 30 and NR 35 curves, Lp = a + b NR per band
    // with the coefficients of the NR curves, and no other NR curve.
    QCOMPARE(Shown("%5.0lf", room[QStringLiteral("nr")]), QStringLiteral("32"));
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^NR \\d+$"))),
             (QStringList{"NR 30", "NR 35"}));
    QVERIFY(chart.LegendLines().contains(QStringLiteral("NR 35")));
    constexpr std::array<double, 8> a{35.5, 22.0, 12.0, 4.8, 0, -3.5, -6.1, -8.0};
    constexpr std::array<double, 8> b{0.790, 0.870, 0.930, 0.974, 1.000, 1.015, 1.025, 1.030};
    for (const double nr : {30.0, 35.0}) {
        const QList<double> curve = chart.SeriesLevels(QStringLiteral("NR %1").arg(nr));
        for (std::size_t band = 0; band < 8; ++band) {
            QVERIFY2(qAbs(curve[static_cast<qsizetype>(band)] - (a[band] + b[band] * nr)) < 1e-9,
                     qPrintable(QStringLiteral("NR %1, band %2").arg(nr).arg(band)));
        }
    }
}

// Typing a path fills the table; editing the table writes the path's text in the reader's own
// words; the buttons add, remove and move rows.
void RoomPanelTest::tableAndTextSayTheSamePath() {
    OpenWithPanel(test::kSelmon);
    PathTable& table = panel_->Table();
    Retype(Field("path"), QStringLiteral("DUCT 400x200 5,0 lined 25; elbow d250 round lined vanes; "
                                         "branch 0.5; outlet d200 free"));
    QCOMPARE(table.rowCount(), 4);
    // Every column shows whole, without scrolling, on the small screen of the offscreen platform.
    QTRY_VERIFY(panel_->isVisible());
    QCOMPARE(table.horizontalScrollBar()->maximum(), 0);
    for (const QComboBox* list : table.findChildren<QComboBox*>()) {
        QVERIFY2(list->width() >= list->sizeHint().width(), qPrintable(list->currentText()));
    }
    using Cells = QStringList;
    QCOMPARE(Row(table, 0), (Cells{"duct", "400x200", "5", "25", "", "", "", ""}));
    QCOMPARE(Row(table, 1), (Cells{"elbow", "d250", "", "lined", "round", "vanes", "", ""}));
    QCOMPARE(table.item(1, PathTable::Vanes)->checkState(), Qt::Checked);
    QCOMPARE(Row(table, 2), (Cells{"branch", "", "", "", "", "", "0.5", ""}));
    QCOMPARE(Row(table, 3), (Cells{"outlet", "d200", "", "", "", "", "", "free"}));

    // A cell typed over, a box unticked, a kind and a mounting picked: the text follows each.
    table.item(0, PathTable::Length)->setText(QStringLiteral("4,50"));
    QCOMPARE(panel_->PathLine().text(),
             QStringLiteral("duct 400x200 4.5 lined 25; elbow d250 round vanes lined; branch 0.5; "
                            "outlet d200 free"));
    table.item(0, PathTable::Lining)->setText(QString());
    table.item(1, PathTable::Vanes)->setCheckState(Qt::Unchecked);
    qobject_cast<QComboBox*>(table.cellWidget(3, PathTable::Mounting))
        ->setCurrentText(QStringLiteral("flush"));
    qobject_cast<QComboBox*>(table.cellWidget(2, PathTable::Kind))
        ->setCurrentText(QStringLiteral("duct"));
    QCOMPARE(panel_->PathLine().text(),
             QStringLiteral("duct 400x200 4.5; elbow d250 round lined; duct d200 1; outlet d200 "
                            "flush"));
    QCOMPARE(Row(table, 2), (Cells{"duct", "d200", "1", "", "", "", "", ""}));

    table.selectRow(3);
    QTest::mouseClick(panel_->findChild<QPushButton*>(QStringLiteral("moveElementUp")),
                      Qt::LeftButton);
    table.selectRow(0);
    QTest::mouseClick(panel_->findChild<QPushButton*>(QStringLiteral("removeElement")),
                      Qt::LeftButton);
    QTest::mouseClick(panel_->findChild<QPushButton*>(QStringLiteral("addElement")),
                      Qt::LeftButton);
    QCOMPARE(panel_->PathLine().text(),
             QStringLiteral("elbow d250 round lined; outlet d200 flush; duct d200 1; duct d200 1"));
    table.selectRow(3);
    QTest::mouseClick(panel_->findChild<QPushButton*>(QStringLiteral("moveElementDown")),
                      Qt::LeftButton);  // the last row stays where it is
    QCOMPARE(table.rowCount(), 4);
    QCOMPARE(Cell(table, 0, PathTable::Kind), QStringLiteral("elbow"));

    // A cell the reader refuses: its sentence, and the text as the table reads.
    table.item(2, PathTable::Length)->setText(QStringLiteral("long"));
    QCOMPARE(panel_->PathLine().text(),
             QStringLiteral("elbow d250 round lined; outlet d200 flush; duct d200 long; duct d200 1"));
    const auto* fault = panel_->findChild<QLabel*>(QStringLiteral("pathFault"));
    QVERIFY(fault->isVisible());
    QVERIFY2(fault->text().startsWith(QStringLiteral("Path element 3")), qPrintable(fault->text()));
}

// A typed path the reader refuses shows its sentence, there and in place of the results, and
// leaves the table as the last path it took.
void RoomPanelTest::refusedPathLeavesTheTableAsItWas() {
    OpenWithPanel(test::kSelmon);
    CalculateSelmon();
    Retype(Field("room"), QStringLiteral("6x5x3"));
    Retype(Field("path"), QStringLiteral("duct d250 6; elbow d250 round"));
    QCOMPARE(panel_->Table().rowCount(), 2);
    QVERIFY(Attenuations().rowCount() > 0);
    // One key takes the path from one the reader takes to one it refuses.
    QLineEdit& line = panel_->PathLine();
    line.setCursorPosition(static_cast<int>(line.text().indexOf(QStringLiteral("elbow"))) + 4);
    QTest::keyClick(&line, Qt::Key_Backspace);
    QCOMPARE(line.text(), QStringLiteral("duct d250 6; elbw d250 round"));
    const QString sentence = QStringLiteral("Path element 2: unknown element 'elbw'");
    QCOMPARE(panel_->findChild<QLabel*>(QStringLiteral("pathFault"))->text(), sentence);
    QCOMPARE(panel_->Table().rowCount(), 2);
    QCOMPARE(Cell(panel_->Table(), 1, PathTable::Kind), QStringLiteral("elbow"));
    QVERIFY(panel_->Results().WhyNone().contains(sentence));
    QCOMPARE(Attenuations().rowCount(), 0);
}

void RoomPanelTest::refusedRoomInputEmptiesTheResults_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("a room of two sides") << "room" << "6x5"
                                         << "The room must be given as length x width x height";
    QTest::newRow("no room with a distance") << "room" << "" << "needs the room";
    QTest::newRow("a time too short for the room") << "reverberation" << "0.01" << "too short for this room";
    QTest::newRow("a distance of 0") << "distance" << "0" << "distance from the outlet must be above 0";
    QTest::newRow("an unknown target") << "room-target" << "NQ 30" << "room target";
    QTest::newRow("seven ceiling values")
        << "ceiling-loss" << "1 2 3 4 5 6 7" << "eight values in dB";
}

// A room input that cannot be read, or that the model refuses, empties every result and says
// why; put right, the results come back.
void RoomPanelTest::refusedRoomInputEmptiesTheResults() {
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(QString, sentence);
    OpenWithPanel(test::kSelmon);
    CalculateSelmon();
    Retype(Field("path"), kWorkedPath);
    Retype(Field("room"), QStringLiteral("6x5x3"));
    Retype(Field("distance"), QStringLiteral("1.5"));
    QCOMPARE(panel_->Results().WhyNone(), QString());
    QVERIFY(!panel_->Results().ValueText(QStringLiteral("room.nr")).isEmpty());

    const QString before = qobject_cast<QLineEdit*>(Field(qPrintable(option)))->text();
    Retype(Field(qPrintable(option)), text);
    const app::RoomResults& results = panel_->Results();
    QVERIFY2(results.WhyNone().contains(sentence, Qt::CaseInsensitive),
             qPrintable(results.WhyNone()));
    QCOMPARE(Attenuations().rowCount(), 0);
    QCOMPARE(ListenerLevels().rowCount(), 0);
    QCOMPARE(results.ValueText(QStringLiteral("room.nr")), QString());
    QCOMPARE(results.ValueText(QStringLiteral("room.summationLevel")), QString());
    QVERIFY(results.Chart().SeriesNames().isEmpty());

    Retype(Field(qPrintable(option)), before);
    QCOMPARE(results.WhyNone(), QString());
    QCOMPARE(Attenuations().rowCount(), 6);
}

// The panel remembers its path and room for the run: the next form's panel starts from them,
// and calculates with the new product once its form does.
void RoomPanelTest::nextFormsPanelStartsFromTheLastRoom() {
    OpenWithPanel(test::kSelmon);
    Retype(Field("path"), kWorkedPath);
    Retype(Field("room"), QStringLiteral("6x5x3"));
    Retype(Field("room-target"), QStringLiteral("nc30"));
    qobject_cast<QComboBox*>(Field("room-model"))->setCurrentText(QStringLiteral("schultz"));
    dialog_.reset();

    OpenWithPanel(kDaxel);
    QCOMPARE(panel_->PathLine().text(), kWorkedPath);
    QCOMPARE(panel_->Table().rowCount(), 5);
    QCOMPARE(qobject_cast<QLineEdit*>(Field("room"))->text(), QStringLiteral("6x5x3"));
    QCOMPARE(qobject_cast<QLineEdit*>(Field("room-target"))->text(), QStringLiteral("nc30"));
    QCOMPARE(qobject_cast<QComboBox*>(Field("room-model"))->currentText(),
             QStringLiteral("schultz"));
    QVERIFY(panel_->Results().WhyNone().contains(QStringLiteral("calculate")));
    Type(1129, QStringLiteral("200"));
    Type(1001, QStringLiteral("500"));
    Type(1002, QStringLiteral("250"));
    PressCalculate();
    QCOMPARE(panel_->Results().WhyNone(), QString());
    QVERIFY(!panel_->Results().ValueText(QStringLiteral("room.targetReached")).isEmpty());
}

// "Add to schedule" gives the position the panel's room options, and the schedule calculates
// the room's level as the panel shows it; the form's data sheet holds the room too.
void RoomPanelTest::roomGoesWithTheFormIntoTheScheduleAndTheSheet() {
    const Product& selmon = *FindProduct(test::kSelmon);
    Open(test::kSelmon);
    std::optional<schedule::Position> added;
    app::AddFormCommands(*dialog_, selmon, state_,
                         [&](schedule::Position position, QWidget*) { added = position; });
    CalculateSelmon();
    QTest::mouseClick(dialog_->findChild<QPushButton*>(QStringLiteral("room")), Qt::LeftButton);
    panel_ = dialog_->findChild<RoomPanel*>();
    Retype(Field("path"), kWorkedPath);
    Retype(Field("room"), QStringLiteral("6x5x3"));
    Retype(Field("room-target"), QStringLiteral("NR 30"));

    QTest::mouseClick(dialog_->findChild<QPushButton*>(QStringLiteral("addToSchedule")),
                      Qt::LeftButton);
    QVERIFY(added.has_value());
    QCOMPARE(added->inputs.at("path"), kWorkedPath.toStdString());
    QCOMPARE(added->inputs.at("room"), std::string("6x5x3"));
    QCOMPARE(added->inputs.count("distance"), std::size_t(0));  // left at its default
    // The schedule calculates the position with its room, as lorvane-calc does.
    const schedule::PositionResult result = schedule::CalculatePosition(*added);
    QVERIFY(result.record.has_value());
    QCOMPARE(QString::fromStdString(forms::NumberText(
                 "%5.0lf", result.record->NumberAt("room.summationLevel"))).trimmed(),
             panel_->Results().ValueText(QStringLiteral("room.summationLevel")));

    const app::SheetContent sheet = app::SheetOfForm(selmon, *dialog_);
    QVERIFY(sheet.room.has_value());
    QCOMPARE(sheet.room->options.at("room-target"), std::string("NR 30"));
    QVERIFY2(sheet.command.find("--room 6x5x3") != std::string::npos, sheet.command.c_str());
    const auto* record = std::get_if<forms::ResultRecord>(&sheet.room->outcome);
    QVERIFY(record != nullptr);
    QCOMPARE(QString::fromStdString(forms::NumberText("%5.0lf", record->NumberAt("room.nr")))
                 .trimmed(),
             panel_->Results().ValueText(QStringLiteral("room.nr")));

    // A room input that cannot be read: its sentence on the sheet, in place of results.
    Retype(Field("room"), QStringLiteral("6x5"));
    const auto refused = app::SheetOfForm(selmon, *dialog_).room;
    QVERIFY(refused.has_value());
    const auto* sentence = std::get_if<std::string>(&refused->outcome);
    QVERIFY(sentence != nullptr);
    QVERIFY2(sentence->find("length x width x height") != std::string::npos, sentence->c_str());
}

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::RoomPanelTest, room_panel);
#include "room_panel_test.moc"
