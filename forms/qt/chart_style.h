#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>
#include <cstddef>

#include "forms/chart_lines.h"

namespace lorvane::forms::qt {

// How a chart of band levels draws its lines, on screen and on a data sheet alike: result lines
// solid in colours that stay apart on screen and on paper, each point marked; reference curves
// black, dashed or dotted.
struct LineStyle {
    QColor colour;
    Qt::PenStyle pen = Qt::SolidLine;
};

// The style of each line, in order.
std::vector<LineStyle> LineStyles(const std::vector<ChartLine>& lines);

// Where a reference's level for the summation levels (a target) is drawn: a short line across
// the summation column, in the reference's style. `from` and `to` are places of the chart, 0
// the centre of the first band's.
struct SummationMark {
    double from;
    double to;
    double level;
};
SummationMark SummationMarkAt(double level);

// The head of the summation column under the chart.
QString SummationHead();

// The sample of a line's style beside its label in a legend.
QPixmap Swatch(const LineStyle& style);

}  // namespace lorvane::forms::qt
