#include "app/room_sheet.h"

#include <QFont>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "app/column_widths.h"
#include "app/room_curves.h"
#include "app/room_rows.h"
#include "core/bands.h"
#include "core/number_text.h"
#include "forms/chart_lines.h"
#include "forms/qt/chart_painting.h"
#include "schedule/room_call.h"

namespace lorvane::app {
namespace {

constexpr int kBandTableColumns = 1 + kOctaveCount + 1;  // the labels, the bands, the dB(A)

QString Html(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

QString OptionsTable(const std::map<std::string, std::string>& options) {
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='1'>");
    for (const schedule::RoomOption& option : schedule::RoomOptions()) {
        const auto given = options.find(std::string(option.name));
        if (given != options.end()) {
            html += QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>")
                        .arg(Html(option.name), Html(given->second));
        }
    }
    return html + QStringLiteral("</table>");
}

// The texts of a row of the band table: its label, a number per band and its summation level,
// or nothing there where the row has none.
std::vector<std::string> BandCells(const RoomBandLine& line) {
    const forms::BandRow& row = *line.row;
    std::vector<std::string> cells{line.label};
    for (std::size_t band = 0; band < static_cast<std::size_t>(kOctaveCount); ++band) {
        cells.push_back(band < row.levels.size()
                            ? RoomNumberText(row.spec->format, row.levels[band])
                            : std::string());
    }
    cells.push_back(row.spec->summationKey.empty()
                        ? std::string()
                        : RoomNumberText(row.spec->format, row.summation));
    return cells;
}

std::vector<std::string> HeadingCells() {
    std::vector<std::string> cells{"[dB]"};
    for (const double frequency : OctaveBands) {
        cells.push_back(WholeNumber(frequency));
    }
    cells.emplace_back("dB(A)");
    return cells;
}

// The labels as wide as the widest on one line; the bands and the summation level alike, as wide
// as the widest number or heading (set in bold), and sharing what the page has left.
std::vector<double> BandColumnWidths(const std::vector<std::vector<std::string>>& rows,
                                     const QFont& font) {
    QFont bold = font;
    bold.setBold(true);
    const ColumnMeasure measure(font);
    const ColumnMeasure headingMeasure(bold);
    double labels = 0;
    double bands = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const ColumnMeasure& measured = row == 0 ? headingMeasure : measure;
        for (std::size_t column = 0; column < rows[row].size(); ++column) {
            const double need = measured.Least(QString::fromStdString(rows[row][column]), true);
            double& widest = column == 0 ? labels : bands;
            widest = std::max(widest, need);
        }
    }
    std::vector<double> least(kBandTableColumns, bands);
    least[0] = labels;
    std::vector<bool> growing(kBandTableColumns, true);
    growing[0] = false;
    return measure.Percent(least, growing);
}

QString BandTableRow(const std::vector<std::string>& cells, const QString& tag) {
    QString html = QStringLiteral("<tr>");
    for (std::size_t column = 0; column < cells.size(); ++column) {
        html += QStringLiteral("<%1 align='%2' style='white-space: nowrap'>%3</%1>")
                    .arg(tag, column == 0 ? QStringLiteral("left") : QStringLiteral("right"),
                         Html(cells[column]));
    }
    return html + QStringLiteral("</tr>");
}

// The bands across, a row per level: the path's under its heading, then the listener's; every
// label and number on one line.
QString BandTable(const RoomLines& lines, const QFont& font) {
    struct Group {
        const char* heading;
        const std::vector<RoomBandLine>* lines;
    };
    const Group groups[] = {{"Attenuation along the path [dB]", &lines.path},
                            {"Sound pressure at the listener [dB]", &lines.listener}};
    std::vector<std::vector<std::string>> rows{HeadingCells()};
    for (const Group& group : groups) {
        for (const RoomBandLine& line : *group.lines) {
            rows.push_back(BandCells(line));
        }
    }
    QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='1'><tr>");
    for (const double width : BandColumnWidths(rows, font)) {
        html += QStringLiteral("<td width='%1%'></td>").arg(width, 0, 'f', 2);
    }
    html += QStringLiteral("</tr>") + BandTableRow(rows.front(), QStringLiteral("th"));
    std::size_t next = 1;
    for (const Group& group : groups) {
        if (group.lines->empty()) {
            continue;
        }
        html += QStringLiteral("<tr><td colspan='%1'><i>%2</i></td></tr>")
                    .arg(kBandTableColumns)
                    .arg(Html(group.heading));
        for (std::size_t line = 0; line < group.lines->size(); ++line) {
            html += BandTableRow(rows[next++], QStringLiteral("td"));
        }
    }
    return html + QStringLiteral("</table>");
}

// The ratings, the target and the attenuator for the room, then the notes.
QString RatingsHtml(const RoomLines& lines) {
    QString html = QStringLiteral("<table cellspacing='0' cellpadding='2'>");
    for (const RoomValueLine& value : lines.values) {
        html += QStringLiteral("<tr><td>%1:</td><td>%2</td></tr>")
                    .arg(Html(value.label), Html(value.text));
    }
    html += QStringLiteral("</table>");
    for (const std::string& note : lines.notes) {
        html += QStringLiteral("<p>%1</p>").arg(Html(note));
    }
    return html;
}

}  // namespace

QString RoomSectionHtml(const SheetRoom& room, QTextDocument& document, const QUrl& chartImage,
                        int chartWidth) {
    // On a page of its own, so that its options, table and chart are read together.
    QString html = QStringLiteral("<h2 style='page-break-before: always'>Room</h2>") +
                   OptionsTable(room.options);
    if (const auto* sentence = std::get_if<std::string>(&room.outcome)) {
        return html + QStringLiteral("<p>%1</p>").arg(Html(*sentence));
    }
    const auto& record = std::get<forms::ResultRecord>(room.outcome);
    const RoomLines lines = RoomLinesOf(record);
    if (lines.path.empty() && lines.listener.empty() && lines.values.empty()) {
        return html;
    }
    html += BandTable(lines, document.defaultFont());
    QString chartCell;
    const std::vector<forms::ChartLine> chart = forms::ChartLines(RoomChartRecord(record));
    if (!chart.empty()) {
        document.addResource(QTextDocument::ImageResource, chartImage,
                             forms::qt::PaintedChart(chart, chartWidth));
        chartCell = QStringLiteral("<td width='%1'><img src='%2' width='%1'></td>")
                        .arg(chartWidth)
                        .arg(chartImage.toString());
    }
    return html + QStringLiteral(
                      "<table width='100%' cellspacing='8'><tr>%1<td valign='top'>%2</td>"
                      "</tr></table>")
                      .arg(chartCell, RatingsHtml(lines));
}

}  // namespace lorvane::app
