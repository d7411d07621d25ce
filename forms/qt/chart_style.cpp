#include "forms/qt/chart_style.h"

#include <QPainter>
#include <array>
#include <iterator>

namespace lorvane::forms::qt {
namespace {

constexpr std::array<QRgb, 10> kColours{0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd,
                                        0x8c564b, 0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf};
constexpr Qt::PenStyle kReferenceStyles[] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                             Qt::DashDotDotLine};

}  // namespace

std::vector<LineStyle> LineStyles(const std::vector<ChartLine>& lines) {
    std::vector<LineStyle> styles;
    std::size_t results = 0;
    std::size_t references = 0;
    for (const ChartLine& line : lines) {
        if (line.reference) {
            styles.push_back(
                {Qt::black, kReferenceStyles[references++ % std::size(kReferenceStyles)]});
        } else {
            styles.push_back({QColor::fromRgb(kColours[results++ % kColours.size()])});
        }
    }
    return styles;
}

SummationMark SummationMarkAt(double level) {
    constexpr double kHalfWidth = 0.4;  // of the column's width
    const auto place = static_cast<double>(kChartSummationPlace);
    return {place - kHalfWidth, place + kHalfWidth, level};
}

QString SummationHead() {
    return QString::fromUtf8(kChartSummationHead.data(),
                             static_cast<qsizetype>(kChartSummationHead.size()));
}

QPixmap Swatch(const LineStyle& style) {
    QPixmap pixmap(24, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(style.colour, 2, style.pen));
    painter.drawLine(0, 6, 24, 6);
    if (style.pen == Qt::SolidLine) {
        painter.setBrush(style.colour);
        painter.drawEllipse(QPointF(12, 6), 3, 3);
    }
    return pixmap;
}

}  // namespace lorvane::forms::qt
