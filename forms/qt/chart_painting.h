#pragma once

#include <QImage>
#include <vector>

#include "forms/chart_lines.h"

namespace lorvane::forms::qt {

// The chart of band levels painted as a picture, without a widget: the same lines, styles,
// axes and legend as the chart beside a form, for a data sheet. `width` is in points of the
// page; the picture holds `scale` pixels per point, so that it stays sharp in print.
QImage PaintedChart(const std::vector<ChartLine>& lines, int width, int scale = 4);

}  // namespace lorvane::forms::qt
