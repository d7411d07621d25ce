// The room on a data sheet, read back from the sheet's PDF as pdftotext lays it out: every
// figure in a cell of its own, on the row of its label.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "app/data_sheet.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "schedule/call.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

using test::Shown;
using test::ShownBands;

// The worked example as a call, its options taken from lorvane-calc's arguments.
schedule::Call WorkedCall() {
    const QStringList arguments = test::WorkedRoomArguments();
    schedule::Call call{.product = FindProductByWord(arguments.front().toStdString())};
    for (qsizetype at = 1; at + 1 < arguments.size(); at += 2) {
        call.given[arguments[at].mid(2).toStdString()] = arguments[at + 1].toStdString();
    }
    return call;
}

// The cells of the table row labelled `label`: what follows the label on its line, split at
// blanks; empty where no line starts with the label.
QStringList CellsOf(const QStringList& lines, const QString& label) {
    for (const QString& line : lines) {
        const QString text = line.trimmed();
        if (text.startsWith(label) && (text.size() == label.size() || text[label.size()] == u' ')) {
            static const QRegularExpression blanks(QStringLiteral("\\s+"));
            return text.mid(label.size()).split(blanks, Qt::SkipEmptyParts);
        }
    }
    return {};
}

QString Listed(const QStringList& lines) {
    return lines.join(u'\n');
}

}  // namespace

class RoomSheetTest : public QObject {
    Q_OBJECT

  private slots:
    // The worked example's sheet: a table across the bands with a row per element of the path,
    // the power at the room and the levels at the listener with and without the attenuator for
    // the room; the ratings beside the room's chart; a refused room in words.
    void sheetSetsTheRoomInTables() {
        const schedule::CalculatedCall call(WorkedCall());
        const app::SheetContent sheet = app::SheetOfCall(call);
        QTemporaryDir directory;
        const QString pdf = directory.filePath(QStringLiteral("room.pdf"));
        QString error;
        QVERIFY2(app::ExportDataSheetPdf(pdf, sheet, &error), qPrintable(error));
        const QStringList lines = test::PdfTextLines(pdf);
        QVERIFY(!lines.isEmpty());

        struct Row {
            const char* label;
            qsizetype cells;   // the bands, and the summation level where the row has one
            const char* last;  // the figure in the last cell, where it is known
        };
        const Row rows[] = {
            {"duct d250 6", 8, nullptr},
            {"elbow d250 round", 8, nullptr},
            {"duct d250 2 lined 50", 8, nullptr},
            {"branch 0.5", 8, "3.0"},
            {"outlet d200 flush", 8, nullptr},
            {"Sound power at the room", 8, nullptr},
            {"As it is", 9, "34"},
            {"With the attenuator", 9, nullptr},
            {"Sound pressure level [dB(A)]:", 1, "34"},
            {"NC:", 1, "28"},
            {"NR:", 1, "32"},
            {"Room target reached:", 1, "no"},
            {"Attenuator length:", 1, nullptr},
            {"NR with the attenuator:", 1, nullptr},
        };
        for (const Row& row : rows) {
            const QStringList cells = CellsOf(lines, QString::fromUtf8(row.label));
            QVERIFY2(cells.size() == row.cells, qPrintable(row.label + Listed(lines)));
            if (row.last != nullptr) {
                QCOMPARE(cells.last(), QString::fromUtf8(row.last));
            }
        }
        // The ratings are the room's: the product's own values stay in the form's rows.
        QCOMPARE(lines.filter(QStringLiteral("Velocity [m/s]:")).size(), 1);
        // Every band's heading in a cell of the table's head.
        QCOMPARE(CellsOf(lines, QStringLiteral("[dB]")),
                 QStringList({"63", "125", "250", "500", "1000", "2000", "4000", "8000", "dB(A)"}));

        const std::unique_ptr<QTextDocument> document = app::DataSheet(sheet);
        const QVariant chart = document->resource(QTextDocument::ImageResource,
                                                  QUrl(QStringLiteral("lorvane:room-chart.png")));
        QVERIFY(chart.isValid());

        app::SheetContent refused = sheet;
        refused.room->outcome = std::string("The room must be given as length x width x height.");
        QVERIFY(app::DataSheet(refused)->toPlainText().contains(
            QStringLiteral("The room must be given as length x width x height.")));
    }

    // lorvane --sheet with the room's options, run as a script runs it: its PDF shows the room
    // with lorvane-calc's figures for the same call, each in its format.
    void programsSheetShowsWhatLorvaneCalcSays() {
        QTemporaryDir directory;
        const QString pdf = directory.filePath(QStringLiteral("room.pdf"));
        QProcess lorvane;
        lorvane.start(QStringLiteral(LORVANE_APP),
                      QStringList{QStringLiteral("--sheet"), pdf} + test::WorkedRoomArguments());
        QVERIFY(lorvane.waitForFinished(60000));
        QCOMPARE(lorvane.exitCode(), 0);
        QCOMPARE(lorvane.readAllStandardError(), QByteArray());

        QProcess calc;
        calc.start(QStringLiteral(LORVANE_CALC), test::WorkedRoomArguments() << "--json");
        QVERIFY(calc.waitForFinished(60000));
        QCOMPARE(calc.exitCode(), 0);
        const QJsonObject room = QJsonDocument::fromJson(calc.readAllStandardOutput())
                                     .object()[QStringLiteral("room")]
                                     .toObject();
        const QJsonObject attenuator = room[QStringLiteral("attenuator")].toObject();
        QVERIFY(!attenuator.isEmpty());

        const QStringList lines = test::PdfTextLines(pdf);
        QVERIFY(lines.contains(QStringLiteral("Room")));
        const auto expect = [&lines](const QString& label, const QStringList& cells) {
            QVERIFY2(CellsOf(lines, label) == cells,
                     qPrintable(label + QStringLiteral(": ") + cells.join(u' ') + u'\n' +
                                Listed(lines)));
        };
        for (const QJsonValue& element : room[QStringLiteral("path")].toArray()) {
            expect(element[QStringLiteral("element")].toString(),
                   ShownBands("%5.1lf", element[QStringLiteral("attenuation")].toArray()));
        }
        expect(QStringLiteral("Sound power at the room"),
               ShownBands("%5.0lf", room[QStringLiteral("powerAtRoom")].toArray()));
        expect(QStringLiteral("As it is"),
               ShownBands("%5.0lf", room[QStringLiteral("levels")].toArray())
                   << Shown("%5.0lf", room[QStringLiteral("summationLevel")]));
        expect(QStringLiteral("With the attenuator"),
               ShownBands("%5.0lf", attenuator[QStringLiteral("levels")].toArray())
                   << Shown("%5.0lf", attenuator[QStringLiteral("summationLevel")]));
        expect(QStringLiteral("NC:"), {Shown("%5.0lf", room[QStringLiteral("nc")])});
        expect(QStringLiteral("NR:"), {Shown("%5.0lf", room[QStringLiteral("nr")])});
        expect(QStringLiteral("NR with the attenuator:"),
               {Shown("%5.0lf", attenuator[QStringLiteral("nr")])});
        expect(QStringLiteral("Attenuator length:"),
               {attenuator[QStringLiteral("length")].toString()});
        expect(QStringLiteral("Attenuator insulation:"),
               {attenuator[QStringLiteral("thickness")].toString()});

        // The command wraps between its words, never inside an option at its hyphen.
        const qsizetype command =
            lines.indexOf(QStringLiteral("The same figures, on the command line:"));
        QVERIFY(command >= 0);
        const QString words = lines.mid(command + 1, 6).join(u' ').simplified();
        for (const QString& argument : test::WorkedRoomArguments()) {
            if (argument.startsWith(QStringLiteral("--"))) {
                QVERIFY2(words.contains(u' ' + argument + u' '),
                         qPrintable(argument + u'\n' + words));
            }
        }
    }
};

}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::RoomSheetTest, room_sheet);
#include "room_sheet_test.moc"
