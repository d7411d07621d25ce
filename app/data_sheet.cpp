#include "app/data_sheet.h"

#include <QBuffer>
#include <QDateTime>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "app/column_widths.h"
#include "app/option_arguments.h"
#include "app/position_form.h"
#include "app/room_panel.h"
#include "app/schedule_files.h"
#include "forms/qt/chart_painting.h"
#include "forms/qt/form_dialog.h"
#include "forms/result_record.h"
#include "schedule/call.h"
#include "schedule/room_call.h"

namespace lorvane::app {
namespace {

constexpr int kChartWidth = 290;  // on the page, where the text is about 510 wide

bool IsNumber(const std::string& text) {
    bool number = false;
    QString::fromStdString(text).toDouble(&number);
    return number;
}

// The widths of the table's columns, in per cent of the page's text width: each band and text
// column as wide as its longest number or word, the row labels as wide as they need, as far as
// the page allows; what is left goes to the label column, then to all columns alike.
std::vector<double> ColumnWidths(const std::vector<std::vector<forms::GridText>>& grid,
                                 const QFont& font) {
    const ColumnMeasure measure(font);
    int columns = 1;
    for (const auto& row : grid) {
        for (const forms::GridText& text : row) {
            columns = std::max(columns, text.cell.column + text.cell.columnSpan);
        }
    }
    std::vector<double> least(static_cast<std::size_t>(columns), 0);
    double labels = 0;  // the widest row label on one line
    for (const auto& row : grid) {
        for (const forms::GridText& text : row) {
            if (text.cell.columnSpan != 1) {
                continue;
            }
            const QString shown = QString::fromStdString(text.text);
            const double need = measure.Least(shown, text.isResult || IsNumber(text.text));
            auto& column = least[static_cast<std::size_t>(text.cell.column)];
            column = std::max(column, need);
            if (text.cell.column == 0) {
                labels = std::max(labels, measure.Least(shown, true));
            }
        }
    }
    double used = 0;
    for (double column : least) {
        used += column;
    }
    least[0] += std::clamp(labels - least[0], 0.0, std::max(0.0, measure.PageWidth() - used));
    return measure.Percent(least);
}

// The form's rows as a table: each text in the columns of its cell, results right-aligned. The
// first, empty row gives the columns their widths; a label breaks between its words, never
// inside one, and a number stays on one line.
QString FormTable(const std::vector<std::vector<forms::GridText>>& grid, const QFont& font) {
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='1'><tr>");
    for (double width : ColumnWidths(grid, font)) {
        html += QStringLiteral("<td width='%1%'></td>").arg(width, 0, 'f', 2);
    }
    html += QStringLiteral("</tr>");
    for (const auto& row : grid) {
        html += QStringLiteral("<tr>");
        int column = 0;
        for (const forms::GridText& text : row) {
            if (text.cell.column > column) {
                html += QStringLiteral("<td colspan='%1'></td>").arg(text.cell.column - column);
            }
            const bool number = text.isResult || IsNumber(text.text);
            html += QStringLiteral("<td colspan='%1'%2>%3</td>")
                        .arg(text.cell.columnSpan)
                        .arg(number ? QStringLiteral(" align='right' style='white-space: nowrap'")
                                    : QString())
                        .arg(QString::fromStdString(text.text).toHtmlEscaped());
            column = text.cell.column + text.cell.columnSpan;
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// A command as lines of whole words that fit the page in the sheet's typewriter face, as HTML:
// broken only at blanks, never inside an option at its hyphen.
QString CommandLines(const QString& command, const QTextDocument& document) {
    QFont typewriter = document.defaultFont();
    typewriter.setFamily(QStringLiteral("monospace"));
    typewriter.setStyleHint(QFont::TypeWriter);
    // Measured on the screen, set on the page: a little room for the difference.
    const double characterWidth = 1.2 * QFontMetricsF(typewriter).horizontalAdvance(u'M');
    const auto fitting =
        static_cast<qsizetype>(ColumnMeasure(typewriter).PageWidth() / characterWidth);
    QStringList lines;
    QString line;
    for (const QString& word : command.split(u' ')) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > fitting) {
            lines.append(line.toHtmlEscaped());
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    lines.append(line.toHtmlEscaped());
    return lines.join(QStringLiteral("<br>"));
}

QString Paragraphs(const std::vector<std::string>& lines) {
    QString html;
    for (const std::string& line : lines) {
        html += QStringLiteral("<p>%1</p>").arg(QString::fromStdString(line).toHtmlEscaped());
    }
    return html;
}

// What the room comes to: the calculation's record, or the sentence that refuses it.
std::variant<forms::ResultRecord, std::string> RoomOutcome(const forms::ResultRecord& record) {
    if (const auto& refusal = record.Refused()) {
        return refusal->message;
    }
    return record;
}

// The room options a call was given.
std::map<std::string, std::string> RoomOptionsOfCall(const schedule::Call& call) {
    std::map<std::string, std::string> options;
    for (const auto& [name, value] : call.given) {
        if (schedule::IsRoomOption(name)) {
            options[name] = value;
        }
    }
    return options;
}

// The room of a form's panel on its sheet: the form's inputs with the room's options called as
// a schedule calls a position, so that the results and the command line are lorvane-calc's.
void AddRoomOfForm(SheetContent& sheet, const Product& product,
                   const forms::qt::FormDialog& dialog) {
    std::map<std::string, std::string> cells = FormInputs(dialog, product);
    cells.insert(sheet.room->options.begin(), sheet.room->options.end());
    auto call = schedule::CallOfCells(product.word, cells);
    if (auto* fault = std::get_if<std::string>(&call)) {
        sheet.room->outcome = std::move(*fault);
        return;
    }
    const schedule::CalculatedCall calculated(std::get<schedule::Call>(call));
    sheet.room->outcome = RoomOutcome(calculated.Record());
    sheet.command = calculated.Command();
}

// The caption and heading of a form's description.
void SetTitles(SheetContent& sheet, const forms::FormDescription& form) {
    sheet.caption = form.caption;
    if (const forms::Control* title = form.Find(form.titleLabel)) {
        sheet.heading = title->text;
    }
}

// The name of a sheet's room chart in its document, made from its form's chart's.
QUrl RoomChartImage(const QUrl& chartImage) {
    return QUrl(chartImage.scheme() + QStringLiteral(":room-") + chartImage.path());
}

}  // namespace

SheetContent SheetOfForm(const Product& product, const forms::qt::FormDialog& dialog) {
    SheetContent sheet{.product = &product, .grid = dialog.CurrentGrid()};
    const forms::FormDescription& form = dialog.form().Description();
    SetTitles(sheet, form);
    if (const forms::ResultRecord* record = dialog.form().LastRecord()) {
        sheet.sources = record->Sources();
        if (form.showsSpectrum) {
            sheet.chart = forms::ChartLines(*record, [&dialog](const forms::BandRow& row) {
                return !dialog.IsStale(row.spec->firstField);
            });
        }
    } else if (form.showsSpectrum) {
        sheet.chart.emplace();
    }
    sheet.command = ReproducingCommand(product, dialog).toStdString();
    const forms::ResultRecord* record = dialog.form().LastRecord();
    if (auto options = RoomOptionsOf(dialog); !options.empty()) {
        sheet.room = SheetRoom{.options = std::move(options), .outcome = {}};
        if (record != nullptr && !record->Refused()) {
            AddRoomOfForm(sheet, product, dialog);
        }
    }
    return sheet;
}

SheetContent SheetOfCall(const schedule::CalculatedCall& call) {
    const forms::FormDescription& form = call.Description();
    SheetContent sheet{
        .product = call.Called().product,
        .grid = forms::FormGrid(form, call.View(), [](forms::ControlId) { return false; })};
    SetTitles(sheet, form);
    sheet.sources = call.Record().Sources();
    if (form.showsSpectrum) {
        sheet.chart = forms::ChartLines(call.Record());
    }
    sheet.command = call.Command();
    if (auto options = RoomOptionsOfCall(call.Called()); !options.empty()) {
        sheet.room =
            SheetRoom{.options = std::move(options), .outcome = RoomOutcome(call.Record())};
    }
    return sheet;
}

void SetUpSheetDocument(QTextDocument& document) {
    document.setDocumentMargin(0);
    QFont font = document.defaultFont();
    font.setPointSizeF(7.5);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(
        QStringLiteral("h1 { font-size: 11pt; } h2 { font-size: 8.5pt; } p.caption { color: #555; }"
                       " th { text-align: left; }"));
}

QString DataSheetHtml(const SheetContent& sheet, QTextDocument& document, const SheetPlace& place) {
    const QString caption = QString::fromStdString(sheet.caption);
    const QString heading = QString::fromStdString(sheet.heading);
    const QString pageBreak =
        place.newPage ? QStringLiteral(" style='page-break-before: always'") : QString();
    const QString subject =
        place.tag.isEmpty() ? caption : place.tag + QStringLiteral(": ") + caption;
    QString html = QStringLiteral("<h1%1>%2</h1><h2>%3</h2>")
                       .arg(pageBreak, subject.toHtmlEscaped(), heading.toHtmlEscaped());
    html += QStringLiteral("<p class='caption'>Lorvane %1 &middot; calculated %2</p>")
                .arg(QStringLiteral(LORVANE_VERSION),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    html += FormTable(sheet.grid, document.defaultFont());
    // The chart, where the form has one, and beside it where the figures come from.
    QString chartCell;
    if (sheet.chart) {
        document.addResource(QTextDocument::ImageResource, place.chartImage,
                             forms::qt::PaintedChart(*sheet.chart, kChartWidth));
        chartCell = QStringLiteral("<td width='%1'><img src='%2' width='%1'></td>")
                        .arg(kChartWidth)
                        .arg(place.chartImage.toString());
    }
    QString sources = QStringLiteral("<h2>Where the figures come from</h2>");
    sources += QStringLiteral(
                   "<p>Every figure is computed by the formulas of Lorvane %1 for the %2, from "
                   "the inputs above; levels in dB, A-weighted summation levels in dB(A).</p>")
                   .arg(QStringLiteral(LORVANE_VERSION), caption.toHtmlEscaped());
    sources += Paragraphs(sheet.sources);
    html += QStringLiteral(
                "<table width='100%' cellspacing='8'><tr>%1<td valign='top'>%2</td>"
                "</tr></table>")
                .arg(chartCell, sources);
    if (sheet.room) {
        html +=
            RoomSectionHtml(*sheet.room, document, RoomChartImage(place.chartImage), kChartWidth);
    }
    // In a typewriter face, broken between its words where the page is too narrow for it.
    html += QStringLiteral(
                "<p>The same figures, on the command line:</p>"
                "<p style='font-family: monospace; white-space: pre'>%1</p>")
                .arg(CommandLines(QString::fromStdString(sheet.command), document));
    return html;
}

std::unique_ptr<QTextDocument> DataSheet(const SheetContent& sheet) {
    auto document = std::make_unique<QTextDocument>();
    SetUpSheetDocument(*document);
    document->setHtml(DataSheetHtml(sheet, *document, SheetPlace{}));
    return document;
}

void SetSheetPageLayout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter));
}

void PrintDataSheet(QPagedPaintDevice& device, const SheetContent& sheet) {
    SetSheetPageLayout(device);
    std::unique_ptr<QTextDocument> document = DataSheet(sheet);
    document->print(&device);
}

bool ExportDataSheetPdf(const QString& path, const SheetContent& sheet, QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromUtf8(sheet.product->menuText) + QStringLiteral(" data sheet"));
        writer.setCreator(QStringLiteral("Lorvane " LORVANE_VERSION));
        PrintDataSheet(writer, sheet);
    }
    return WriteWholeFile(path, pdf.data(), error);
}

}  // namespace lorvane::app
