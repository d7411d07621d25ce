#pragma once

#include <QColor>
#include <QPixmap>
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

// The sample of a line's style beside its label in a legend.
QPixmap Swatch(const LineStyle& style);

}  // namespace lorvane::forms::qt
