#include "forms/qt/chart_painting.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <optional>
#include <string>

#include "core/bands.h"
#include "core/number_text.h"
#include "forms/qt/chart_style.h"

namespace lorvane::forms::qt {
namespace {

constexpr double kPlotHeightShare = 0.6;  // of the width
constexpr double kLeftMargin = 34;        // the level labels and the axis title
constexpr double kBottomMargin = 30;      // the band labels and the axis title
constexpr double kEdge = 6;
constexpr int kFontSize = 7;  // points of the picture

struct Plot {
    QRectF area;
    LevelRange range;

    // The width of a band's or the summation column's place.
    double PlaceWidth() const { return area.width() / static_cast<double>(kChartPlaces); }
    // The centre of a place; a place and a fraction lies between two centres.
    double X(double place) const { return area.left() + (place + 0.5) * PlaceWidth(); }
    double Centre(std::size_t place) const { return X(static_cast<double>(place)); }
    double Y(double level) const {
        return area.bottom() - (level - range.low) / (range.high - range.low) * area.height();
    }
};

void PaintAxes(QPainter& painter, const Plot& plot) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(QColor(0xdd, 0xdd, 0xdd), 0.5));
    for (double level = plot.range.low; level <= plot.range.high; level += kChartLevelStep) {
        painter.drawLine(QPointF(plot.area.left(), plot.Y(level)),
                         QPointF(plot.area.right(), plot.Y(level)));
    }
    const double summationLeft = plot.Centre(kChartSummationPlace) - plot.PlaceWidth() / 2;
    painter.drawLine(QPointF(summationLeft, plot.area.top()),
                     QPointF(summationLeft, plot.area.bottom()));
    painter.setPen(QPen(Qt::black, 0.8));
    painter.drawRect(plot.area);
    for (double level = plot.range.low; level <= plot.range.high; level += kChartLevelStep) {
        const QString text = QString::fromStdString(WholeNumber(level));
        painter.drawText(
            QRectF(0, plot.Y(level) - metrics.height() / 2, plot.area.left() - 3, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, text);
    }
    const double placeWidth = plot.PlaceWidth();
    for (std::size_t k = 0; k < kChartPlaces; ++k) {
        const QString head = k < kChartSummationPlace
                                 ? QString::fromStdString(WholeNumber(OctaveBands[k]))
                                 : SummationHead();
        painter.drawText(QRectF(plot.Centre(k) - placeWidth / 2, plot.area.bottom() + 2, placeWidth,
                                metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, head);
    }
    painter.drawText(QRectF(plot.area.left(), plot.area.bottom() + 2 + metrics.height(),
                            plot.area.width(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Frequency [Hz]"));
    painter.save();
    painter.translate(2, plot.area.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.area.height() / 2, 0, plot.area.height(), metrics.height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("dB"));
    painter.restore();
}

void PaintLine(QPainter& painter, const Plot& plot, const ChartLine& line, const LineStyle& style) {
    painter.setPen(QPen(style.colour, 1.2, style.pen, Qt::RoundCap, Qt::RoundJoin));
    std::optional<QPointF> previous;
    for (std::size_t k = 0; k < line.levels.size(); ++k) {
        if (!line.levels[k]) {
            previous.reset();  // a band without a point breaks the line
            continue;
        }
        const QPointF point(plot.Centre(k), plot.Y(*line.levels[k]));
        if (previous) {
            painter.drawLine(*previous, point);
        }
        previous = point;
    }
    if (style.pen == Qt::SolidLine) {
        painter.setBrush(style.colour);
        for (std::size_t k = 0; k < line.levels.size(); ++k) {
            if (line.levels[k]) {
                painter.drawEllipse(QPointF(plot.Centre(k), plot.Y(*line.levels[k])), 1.6, 1.6);
            }
        }
        if (line.summation) {
            painter.drawEllipse(QPointF(plot.Centre(kChartSummationPlace), plot.Y(*line.summation)),
                                1.6, 1.6);
        }
        painter.setBrush(Qt::NoBrush);
    } else if (line.summation) {
        const SummationMark mark = SummationMarkAt(*line.summation);
        painter.setPen(QPen(style.colour, 1.6, style.pen));
        painter.drawLine(QPointF(plot.X(mark.from), plot.Y(mark.level)),
                         QPointF(plot.X(mark.to), plot.Y(mark.level)));
    }
}

// The legend's entries, top to bottom: a heading (no style) or a line's label with its style.
struct LegendEntry {
    QString text;
    std::optional<LineStyle> style;
};

std::vector<LegendEntry> Legend(const std::vector<ChartLine>& lines,
                                const std::vector<LineStyle>& styles) {
    std::vector<LegendEntry> entries;
    std::string group;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].reference && lines[i].group != group) {
            group = lines[i].group;
            entries.push_back({QString::fromStdString(group), std::nullopt});
        }
        entries.push_back({QString::fromStdString(lines[i].label), styles[i]});
    }
    return entries;
}

void PaintLegend(QPainter& painter, const std::vector<LegendEntry>& entries, QPointF at,
                 double lineHeight) {
    for (const LegendEntry& entry : entries) {
        const QRectF text(at.x() + 24, at.y(), 1000, lineHeight);
        if (entry.style) {
            const double y = at.y() + lineHeight / 2;
            painter.setPen(QPen(entry.style->colour, 1.2, entry.style->pen));
            painter.drawLine(QPointF(at.x() + 2, y), QPointF(at.x() + 18, y));
            if (entry.style->pen == Qt::SolidLine) {
                painter.setBrush(entry.style->colour);
                painter.drawEllipse(QPointF(at.x() + 10, y), 1.6, 1.6);
                painter.setBrush(Qt::NoBrush);
            }
            painter.setPen(Qt::black);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        } else {
            QFont italic = painter.font();
            italic.setItalic(true);
            painter.save();
            painter.setFont(italic);
            painter.setPen(Qt::black);
            painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            painter.restore();
        }
        at.ry() += lineHeight;
    }
}

}  // namespace

QImage PaintedChart(const std::vector<ChartLine>& lines, int width, int scale) {
    const std::vector<LineStyle> styles = LineStyles(lines);
    const std::vector<LegendEntry> legend = Legend(lines, styles);
    QFont font;
    font.setPixelSize(kFontSize);
    const double lineHeight = QFontMetricsF(font).height() * 1.15;
    const double plotHeight = width * kPlotHeightShare;
    const double height =
        plotHeight + kBottomMargin + kEdge + static_cast<double>(legend.size()) * lineHeight;

    QImage image(width * scale, static_cast<int>(height * scale) + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    painter.setFont(font);
    const Plot plot{QRectF(kLeftMargin, kEdge, width - kLeftMargin - kEdge, plotHeight - kEdge),
                    ChartLevelRange(lines)};
    PaintAxes(painter, plot);
    painter.save();
    painter.setClipRect(plot.area);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        PaintLine(painter, plot, lines[i], styles[i]);
    }
    painter.restore();
    PaintLegend(painter, legend, QPointF(kLeftMargin - 24, plotHeight + kBottomMargin), lineHeight);
    return image;
}

}  // namespace lorvane::forms::qt
