#include "app/schedule_pdf.h"

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>
#include <numeric>

#include "app/column_widths.h"
#include "app/data_sheet.h"
#include "app/schedule_cells.h"
#include "app/schedule_files.h"
#include "app/schedule_model.h"
#include "schedule/call.h"

namespace lorvane::app {
namespace {

// The table's font: smaller than the sheets', as the table has many columns; with every column
// filled, smaller still, down to this.
constexpr double kTablePointSize = 6.5;
constexpr double kSmallestTablePointSize = 4.5;
constexpr double kHeadingWidening = 1.2;

// The columns the page shows: those with something in them for some position, so that a schedule
// without rooms or targets leaves their columns out rather than squeezing the others.
std::vector<int> PrintedColumns(const ScheduleModel& model) {
    std::vector<int> columns;
    for (int column = 0; column < kScheduleColumnCount; ++column) {
        for (int row = 0; row < model.rowCount(); ++row) {
            if (!model.index(row, column).data().toString().isEmpty()) {
                columns.push_back(column);
                break;
            }
        }
    }
    return columns;
}

// What each column needs: its widest heading word and cell, a number or tag or size whole; and
// whether it wraps, the columns of names and messages, which take what is left of the page.
struct ColumnNeeds {
    std::vector<double> least;
    std::vector<bool> wrapping;

    double Total() const { return std::accumulate(least.begin(), least.end(), 0.0); }
};

ColumnNeeds TableNeeds(const ScheduleModel& model, const std::vector<int>& columns,
                       const QFont& font, const QPaintDevice& page) {
    const ColumnMeasure measure(font, &page);
    QFont bold = font;  // of the headings
    bold.setBold(true);
    const ColumnMeasure headings(bold, &page);
    ColumnNeeds needs;
    for (int column : columns) {
        // The page sets the headings' bold a fifth wider than it measures here.
        double need = kHeadingWidening * headings.Least(ScheduleHeading(column), false);
        const bool whole = IsNumberColumn(column) || column == kTagColumn || column == kSizeColumn;
        for (int row = 0; row < model.rowCount(); ++row) {
            need = std::max(need, measure.Least(model.index(row, column).data().toString(), whole));
        }
        // The cell's padding and rules.
        needs.least.push_back(need + measure.Least(QString(), true));
        needs.wrapping.push_back(!whole);
    }
    return needs;
}

// The table's font and what its columns need in it.
struct FittedTable {
    QFont font;
    ColumnNeeds needs;
};

// The table in its usual size, or smaller where its columns need more than the page's width, so
// that no word is broken; never below the smallest size that still reads.
FittedTable FitTable(const ScheduleModel& model, const std::vector<int>& columns, QFont font,
                     const QPaintDevice& page) {
    constexpr double kStep = 0.25;
    // The share of the page's width the columns' text may take: the cells' padding and rules
    // come on top of their widths.
    constexpr double kColumnsShare = 0.9;
    for (double size = kTablePointSize;; size -= kStep) {
        font.setPointSizeF(std::max(size, kSmallestTablePointSize));
        ColumnNeeds needs = TableNeeds(model, columns, font, page);
        if (size <= kSmallestTablePointSize ||
            needs.Total() <= kColumnsShare * ColumnMeasure(font, &page).PageWidth()) {
            return {font, std::move(needs)};
        }
    }
}

QString TableHtml(const ScheduleModel& model, const QFont& font, const QPaintDevice& page) {
    const std::vector<int> columns = PrintedColumns(model);
    const FittedTable table = FitTable(model, columns, font, page);
    const std::vector<double> widths =
        ColumnMeasure(table.font, &page).Percent(table.needs.least, table.needs.wrapping);
    // Numbers, tags and sizes stay on one line; names and messages wrap.
    const auto cell = [](const QString& tag, int column, const QString& text) {
        QString html = text.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
        if (tag == QStringLiteral("td") &&
            (IsNumberColumn(column) || column == kTagColumn || column == kSizeColumn)) {
            html.replace(u' ', QChar(QChar::Nbsp));
        }
        const QString name = tag.section(u' ', 0, 0);
        return QStringLiteral("<%1%2>%3</%4>")
            .arg(tag, IsNumberColumn(column) ? QStringLiteral(" align='right'") : QString(), html,
                 name);
    };
    QString html = QStringLiteral(
                       "<table width='100%' border='1' cellspacing='0' cellpadding='2'"
                       " style='border-collapse: collapse; border-color: #999; font-size: %1pt'>"
                       "<thead><tr>")
                       .arg(table.font.pointSizeF());
    for (std::size_t place = 0; place < columns.size(); ++place) {
        html += cell(QStringLiteral("th width='%1%'").arg(widths[place], 0, 'f', 2), columns[place],
                     ScheduleHeading(columns[place]));
    }
    html += QStringLiteral("</tr></thead>");
    for (int row = 0; row < model.rowCount(); ++row) {
        html += QStringLiteral("<tr>");
        for (int column : columns) {
            html += cell(QStringLiteral("td"), column, model.index(row, column).data().toString());
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

// The data sheet of one calculated position.
QString SheetHtml(const schedule::Call& call, const schedule::Position& position, int row,
                  QTextDocument& document) {
    SheetPlace place;
    place.chartImage = QUrl(QStringLiteral("lorvane:chart-%1.png").arg(row));
    place.newPage = true;
    place.tag = QString::fromStdString(position.tag);
    return DataSheetHtml(SheetOfCall(schedule::CalculatedCall(call)), document, place);
}

}  // namespace

bool ExportSchedulePdf(const QString& path, const QString& title, const ScheduleModel& model,
                       QString* error) {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QStringLiteral("Schedule ") + title);
        writer.setCreator(QStringLiteral("Lorvane " LORVANE_VERSION));
        SetSheetPageLayout(writer);

        QTextDocument document;
        SetUpSheetDocument(document);
        QString html = QStringLiteral("<h1>Schedule %1</h1>").arg(title.toHtmlEscaped());
        html += QStringLiteral(
                    "<p class='caption'>Lorvane %1 &middot; calculated %2 &middot; %3 "
                    "positions</p>")
                    .arg(QStringLiteral(LORVANE_VERSION),
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")))
                    .arg(model.rowCount());
        html += TableHtml(model, document.defaultFont(), writer);
        for (int row = 0; row < model.rowCount(); ++row) {
            const schedule::Position& position = model.PositionAt(row);
            const auto call = schedule::CallOfCells(position.product, position.inputs);
            if (model.ResultAt(row).status == schedule::PositionStatus::Ok &&
                std::holds_alternative<schedule::Call>(call)) {
                html += SheetHtml(std::get<schedule::Call>(call), position, row, document);
            }
        }
        document.setHtml(html);
        document.print(&writer);
    }
    return WriteWholeFile(path, pdf.data(), error);
}

}  // namespace lorvane::app
