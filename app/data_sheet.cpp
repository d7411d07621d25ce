#include "app/data_sheet.h"

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "app/option_arguments.h"
#include "forms/qt/band_chart.h"
#include "forms/qt/form_dialog.h"
#include "forms/result_record.h"

namespace lorvane::app {
namespace {

constexpr int kChartWidth = 290;  // on the page, where the text is about 510 wide

bool IsNumber(const std::string& text) {
    bool number = false;
    QString::fromStdString(text).toDouble(&number);
    return number;
}

// The form's rows as a table: each text in the columns of its cell, results right-aligned.
// The first, empty row gives the columns their widths: the row labels, a narrow text column,
// then equal columns for the bands and the summation level.
QString FormTable(const std::vector<std::vector<forms::GridText>>& grid) {
    int columns = 1;
    for (const auto& row : grid) {
        for (const forms::GridText& text : row) {
            columns = std::max(columns, text.cell.column + text.cell.columnSpan);
        }
    }
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='1'><tr>");
    const double labelWidth = 36;
    for (int c = 0; c < columns; ++c) {
        const double width = c == 0 ? labelWidth : (100 - labelWidth) / (columns - 1);
        html += QStringLiteral("<td width='%1%'></td>").arg(width, 0, 'f', 1);
    }
    html += QStringLiteral("</tr>");
    for (const auto& row : grid) {
        html += QStringLiteral("<tr>");
        int column = 0;
        for (const forms::GridText& text : row) {
            if (text.cell.column > column) {
                html += QStringLiteral("<td colspan='%1'></td>").arg(text.cell.column - column);
            }
            html += QStringLiteral("<td colspan='%1'%2>%3</td>")
                        .arg(text.cell.columnSpan)
                        .arg(text.isResult || IsNumber(text.text) ? QStringLiteral(" align='right'")
                                                                  : QString())
                        .arg(QString::fromStdString(text.text).toHtmlEscaped());
            column = text.cell.column + text.cell.columnSpan;
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString Paragraphs(const std::vector<std::string>& lines) {
    QString html;
    for (const std::string& line : lines) {
        html += QStringLiteral("<p>%1</p>").arg(QString::fromStdString(line).toHtmlEscaped());
    }
    return html;
}

}  // namespace

void SetUpSheetDocument(QTextDocument& document) {
    document.setDocumentMargin(0);
    QFont font = document.defaultFont();
    font.setPointSizeF(7.5);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 11pt; } h2 { font-size: 8.5pt; } p.caption { color: #555; }"
                       " th { text-align: left; }"));
}

QString DataSheetHtml(const Product& product, const forms::qt::FormDialog& dialog,
                      QTextDocument& document, const SheetPlace& place) {
    const forms::FormDescription& form = dialog.form().Description();
    const QString caption = QString::fromStdString(form.caption);
    const forms::Control* title = form.Find(form.titleLabel);
    const QString heading = title ? QString::fromStdString(title->text) : QString();
    const forms::ResultRecord* record = dialog.form().LastRecord();

    const QString pageBreak =
        place.newPage ? QStringLiteral(" style='page-break-before: always'") : QString();
    const QString subject =
        place.tag.isEmpty() ? caption : place.tag + QStringLiteral(": ") + caption;
    QString html = QStringLiteral("<h1%1>%2</h1><h2>%3</h2>")
                       .arg(pageBreak, subject.toHtmlEscaped(), heading.toHtmlEscaped());
    html += QStringLiteral("<p class='caption'>Lorvane %1 &middot; calculated %2</p>")
                .arg(QStringLiteral(LORVANE_VERSION),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    html += FormTable(dialog.CurrentGrid());
    // The chart, where the form has one, and beside it where the figures come from.
    QString chartCell;
    if (forms::qt::BandChart* chart = dialog.Chart()) {
        document.addResource(QTextDocument::ImageResource, place.chartImage,
                             chart->grab().toImage());
        chartCell = QStringLiteral("<td width='%1'><img src='%2' width='%1'></td>")
                        .arg(kChartWidth)
                        .arg(place.chartImage.toString());
    }
    QString sources = QStringLiteral("<h2>Where the figures come from</h2>");
    sources += QStringLiteral(
                   "<p>Every figure is computed by the formulas of Lorvane %1 for the %2, from "
                   "the inputs above; levels in dB, A-weighted summation levels in dB(A).</p>")
                   .arg(QStringLiteral(LORVANE_VERSION), caption.toHtmlEscaped());
    if (record != nullptr) {
        sources += Paragraphs(record->Sources());
    }
    html += QStringLiteral(
                "<table width='100%' cellspacing='8'><tr>%1<td valign='top'>%2</td>"
                "</tr></table>")
                .arg(chartCell, sources);
    // On one line, to be copied as it stands.
    html += QStringLiteral("<p>The same figures, on the command line:</p><pre>%1</pre>")
                .arg(ReproducingCommand(product, dialog).toHtmlEscaped());
    return html;
}

std::unique_ptr<QTextDocument> DataSheet(const Product& product,
                                         const forms::qt::FormDialog& dialog) {
    auto document = std::make_unique<QTextDocument>();
    SetUpSheetDocument(*document);
    document->setHtml(DataSheetHtml(product, dialog, *document, SheetPlace{}));
    return document;
}

void SetSheetPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
}

void PrintDataSheet(QPagedPaintDevice& device, const Product& product,
                    const forms::qt::FormDialog& dialog) {
    SetSheetPageLayout(device);
    std::unique_ptr<QTextDocument> document = DataSheet(product, dialog);
    document->print(&device);
}

bool ExportDataSheetPdf(const QString& path, const Product& product,
                        const forms::qt::FormDialog& dialog, QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromUtf8(product.menuText) + QStringLiteral(" data sheet"));
        writer.setCreator(QStringLiteral("Lorvane " LORVANE_VERSION));
        PrintDataSheet(writer, product, dialog);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf.data()) != pdf.data().size() ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace lorvane::app
