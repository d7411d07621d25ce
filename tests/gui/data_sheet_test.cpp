// Data sheets are made from the calculation's record and its form's description: no window, no
// dialog kept off the screen.

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QProcess>
#include <QTextDocument>
#include <QtTest>
#include <algorithm>

#include "app/data_sheet.h"
#include "app/schedule_model.h"
#include "app/schedule_pdf.h"
#include "gui_fixture.h"
#include "products/catalogue.h"
#include "schedule/call.h"
#include "tests/gui/gui_tests.h"

namespace lorvane {
namespace {

class DataSheetTest : public QObject {
    Q_OBJECT

  private slots:
    void everyProductsSheetIsMadeWithoutAWidget() {
        QVERIFY(QApplication::allWidgets().isEmpty());
        for (const Product& product : Catalogue()) {
            const schedule::CalculatedCall call(schedule::Call{.product = &product});
            const app::SheetContent sheet = app::SheetOfCall(call);
            const std::unique_ptr<QTextDocument> document = app::DataSheet(sheet);
            QBuffer pdf;
            pdf.open(QIODevice::WriteOnly);
            {
                QPdfWriter writer(&pdf);
                app::PrintDataSheet(writer, sheet);
            }
            const QString word = QString::fromUtf8(product.word);
            QVERIFY2(pdf.data().startsWith("%PDF"), qPrintable(word));
            QVERIFY2(QApplication::allWidgets().isEmpty(), qPrintable(word));
            QVERIFY2(document->toPlainText().contains(
                         QString::fromStdString("lorvane-calc " + std::string(product.word))),
                     qPrintable(word));
            // A form with a chart has its chart painted into the document.
            const QVariant chart = document->resource(QTextDocument::ImageResource,
                                                      QUrl(QStringLiteral("lorvane:chart.png")));
            QCOMPARE(chart.isValid(), product.spec().description.showsSpectrum);
        }
    }

    // A position read from a CRLF file the wrong way ("selmon\r") has its sheet too.
    void theSchedulesPdfMakesItsSheetsWithoutADialog() {
        app::ScheduleModel model;
        model.Append(schedule::Position{.tag = "V-1",
                                        .product = "selmon\r",
                                        .inputs = {{"diameter", "250"}, {"flow", "1000"}}});
        model.Append(schedule::Position{.tag = "V-2", .product = "fan"});
        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("schedule.pdf"));
        QString error;
        QVERIFY2(app::ExportSchedulePdf(path, QStringLiteral("Floor 1"), model, &error),
                 qPrintable(error));
        QVERIFY(QApplication::allWidgets().isEmpty());
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(60000));
        const QString pages = QString::fromUtf8(text.readAllStandardOutput());
        QVERIFY2(pages.contains(QStringLiteral("V-1: Selmon")), qPrintable(pages));
        QVERIFY(pages.contains(QStringLiteral("lorvane-calc selmon --diameter 250")));
        QVERIFY(!pages.contains(QStringLiteral("V-2: ")));  // no sheet for a position that fails
    }

    // Every product's sheet, made by the program and read back from its PDF: every word of the
    // form's rows whole on one line, every number on one line.
    void sheetsLayOutWordsWholeAndNumbersOnOneLine() {
        for (const Product& product : Catalogue()) {
            QStringList arguments{QString(), QString::fromUtf8(product.word)};
            if (product.word == "basko") {
                arguments << QStringLiteral("--keep-flow");  // its start flow asks a question
            }
            const QString word = QString::fromUtf8(product.word);
            QTemporaryDir directory;
            arguments[0] = directory.filePath(QStringLiteral("sheet.pdf"));
            QProcess lorvane;
            lorvane.start(QStringLiteral(LORVANE_APP),
                          QStringList{QStringLiteral("--sheet")} + arguments);
            QVERIFY(lorvane.waitForFinished(60000));
            QVERIFY2(lorvane.exitCode() == 0, qPrintable(word));
            const QStringList lines = test::PdfTextLines(arguments[0]);
            QVERIFY2(!lines.isEmpty(), qPrintable(word));
            const auto onOneLine = [&lines](const QString& piece) {
                return std::any_of(lines.begin(), lines.end(),
                                   [&piece](const QString& line) { return line.contains(piece); });
            };
            schedule::Call call{.product = &product};
            if (product.word == "basko") {
                call.flags.insert("keep-flow");
            }
            const app::SheetContent sheet = app::SheetOfCall(schedule::CalculatedCall(call));
            for (const auto& row : sheet.grid) {
                for (const forms::GridText& cell : row) {
                    const QString shown = QString::fromStdString(cell.text);
                    const QStringList pieces =
                        cell.isResult ? QStringList{shown} : shown.split(u' ', Qt::SkipEmptyParts);
                    for (const QString& piece : pieces) {
                        QVERIFY2(onOneLine(piece), qPrintable(word + QStringLiteral(": ") + piece));
                    }
                }
            }
        }
    }

    // Help and version need no display; a sheet made for a script says nothing on standard error.
    void theProgramAnswersScriptsQuietly() {
        QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
        bare.remove(QStringLiteral("DISPLAY"));
        bare.remove(QStringLiteral("WAYLAND_DISPLAY"));
        bare.remove(QStringLiteral("QT_QPA_PLATFORM"));
        bare.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        QProcess lorvane;
        lorvane.setProcessEnvironment(bare);
        lorvane.start(QStringLiteral(LORVANE_APP), {QStringLiteral("--help")});
        QVERIFY(lorvane.waitForFinished(60000));
        QCOMPARE(lorvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(lorvane.exitCode(), 0);
        QVERIFY(lorvane.readAllStandardOutput().startsWith("Usage: lorvane"));
        lorvane.start(QStringLiteral(LORVANE_APP), {QStringLiteral("--version")});
        QVERIFY(lorvane.waitForFinished(60000));
        QCOMPARE(lorvane.exitCode(), 0);
        QCOMPARE(lorvane.readAllStandardOutput(), QByteArray("lorvane " LORVANE_VERSION "\n"));

        QTemporaryDir directory;
        lorvane.start(QStringLiteral(LORVANE_APP),
                      {QStringLiteral("--sheet"), directory.filePath(QStringLiteral("s.pdf")),
                       QStringLiteral("selmon")});
        QVERIFY(lorvane.waitForFinished(60000));
        QCOMPARE(lorvane.exitCode(), 0);
        QCOMPARE(lorvane.readAllStandardError(), QByteArray());
    }

    void theSheetShowsTheCallsFiguresAndItsChartLines() {
        const Product& selmon = *FindProductByWord("selmon");
        const schedule::CalculatedCall call(schedule::Call{
            .product = &selmon,
            .given = {{"diameter", "250"}, {"flow", "1000"}, {"dp", "250"}, {"target", "35"}}});
        const app::SheetContent sheet = app::SheetOfCall(call);
        QCOMPARE(QString::fromStdString(sheet.command),
                 QStringLiteral("lorvane-calc selmon --diameter 250 --flow 1000 --dp 250 "
                                "--target 35"));
        QVERIFY(sheet.chart.has_value());
        QStringList labels;
        for (const forms::ChartLine& line : *sheet.chart) {
            labels.append(QString::fromStdString(line.label));
        }
        QCOMPARE(labels.first(), QStringLiteral("Air-regenerated noise [dB]"));
        QCOMPARE(labels.last(), QStringLiteral("Target 35 dB(A)"));
        const QString text = app::DataSheet(sheet)->toPlainText();
        for (const char* expected :
             {"Velocity [m/s]:", "5.7", "2.00m", "Where the figures come from"}) {
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        }
    }
};

}  // namespace
}  // namespace lorvane

LORVANE_GUI_TEST(lorvane::DataSheetTest, data_sheet);
#include "data_sheet_test.moc"
