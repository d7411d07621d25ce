#include "forms/qt/band_chart.h"

#include <QGraphicsLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <array>
#include <cmath>
#include <limits>

#include "core/bands.h"
#include "core/number_text.h"

namespace lorvane::forms::qt {
namespace {

constexpr double kLevelStep = 10;  // dB between the grid lines of the level axis

// Ten colours that stay apart from each other on screen and on paper.
constexpr std::array<QRgb, 10> kColours{0x1f77b4, 0xff7f0e, 0x2ca02c, 0xd62728, 0x9467bd,
                                        0x8c564b, 0xe377c2, 0x7f7f7f, 0xbcbd22, 0x17becf};

bool IsOctaveRow(const BandRow& row) {
    return row.reach == Reach::Computed && row.spec->frequencies.size() == OctaveBands.size() &&
           row.spec->firstField != kNoId;
}

QString Heading(const std::string& group) {
    QString heading = QString::fromStdString(group);
    return heading.endsWith(u':') ? heading.chopped(1) : heading;
}

QPixmap Swatch(const QColor& colour, Qt::PenStyle style) {
    QPixmap pixmap(24, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2, style));
    painter.drawLine(0, 6, 24, 6);
    if (style == Qt::SolidLine) {
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(12, 6), 3, 3);
    }
    return pixmap;
}

}  // namespace

BandChart::BandChart(QWidget* parent)
    : QWidget(parent),
      view_(new QChartView(this)),
      legend_(new QWidget(this)),
      legendGrid_(new QGridLayout(legend_)) {
    setObjectName(QStringLiteral("spectrumChart"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    layout->addWidget(legend_);
    layout->addStretch();
    legendGrid_->setContentsMargins(8, 0, 0, 0);
    legendGrid_->setVerticalSpacing(1);
    legendGrid_->setColumnStretch(1, 1);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(400, 260);
    QChart* chart = view_->chart();
    chart->legend()->hide();
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    auto* bands = new QBarCategoryAxis;
    for (double frequency : OctaveBands) {
        bands->append(QString::fromStdString(WholeNumber(frequency)));
    }
    bands->setTitleText(QStringLiteral("Frequency [Hz]"));
    QFont labels = bands->labelsFont();
    labels.setPointSizeF(labels.pointSizeF() * 0.8);  // "1000" to "8000" fit their band
    bands->setLabelsFont(labels);
    chart->addAxis(bands, Qt::AlignBottom);
    levels_ = new QValueAxis;
    levels_->setTitleText(QStringLiteral("dB"));
    levels_->setLabelFormat(QStringLiteral("%.0f"));
    levels_->setTickType(QValueAxis::TicksDynamic);
    levels_->setTickInterval(kLevelStep);
    chart->addAxis(levels_, Qt::AlignLeft);
    bands_ = bands;
    ShowRecord(nullptr, nullptr);
}

void BandChart::AddLegendLine(const QString& text, const QColor& colour, Qt::PenStyle style) {
    const int row = legendGrid_->rowCount();
    auto* label = new QLabel(text, legend_);
    if (style == Qt::NoPen) {
        QFont font = label->font();
        font.setItalic(true);
        label->setFont(font);
        legendGrid_->addWidget(label, row, 1);  // a heading, over the labels it groups
        return;
    }
    auto* swatch = new QLabel(legend_);
    swatch->setPixmap(Swatch(colour, style));
    legendGrid_->addWidget(swatch, row, 0);
    legendGrid_->addWidget(label, row, 1);
}

void BandChart::ShowRecord(const ResultRecord* record,
                           const std::function<bool(const BandRow&)>& include) {
    QChart* chart = view_->chart();
    chart->removeAllSeries();
    while (QLayoutItem* item = legendGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    const auto addLine = [&](const QString& name, Qt::PenStyle style, const QColor& colour,
                             const auto& points) {
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPen(QPen(colour, 2, style));
        series->setPointsVisible(style == Qt::SolidLine);
        for (const auto& [band, level] : points) {
            series->append(band, level);
            low = std::min(low, level);
            high = std::max(high, level);
        }
        chart->addSeries(series);
        AddLegendLine(name, colour, style);
    };
    if (record != nullptr) {
        std::string group;
        for (const ResultItem& item : record->Items()) {
            const auto* row = std::get_if<BandRow>(&item);
            if (row == nullptr || !IsOctaveRow(*row) || (include && !include(*row))) {
                continue;
            }
            if (row->spec->group != group) {
                group = row->spec->group;
                AddLegendLine(Heading(group), {}, Qt::NoPen);
            }
            QList<std::pair<int, double>> points;
            for (int k = 0; k < static_cast<int>(row->levels.size()); ++k) {
                if (row->levels[k] && std::isfinite(*row->levels[k])) {
                    points.append({k, *row->levels[k]});
                }
            }
            const QColor colour =
                QColor::fromRgb(kColours[chart->series().size() % kColours.size()]);
            addLine(QString::fromStdString(row->spec->label), Qt::SolidLine, colour, points);
        }
        if (!chart->series().isEmpty()) {
            constexpr Qt::PenStyle kStyles[] = {Qt::DashLine, Qt::DotLine, Qt::DashDotLine};
            std::size_t reference = 0;
            for (const ReferenceCurve& curve : record->References()) {
                const Qt::PenStyle style = kStyles[reference++ % std::size(kStyles)];
                QList<std::pair<int, double>> points;
                for (int k = 0; k < static_cast<int>(curve.levels.size()); ++k) {
                    if (curve.levels[k]) {
                        points.append({k, *curve.levels[k]});
                    }
                }
                addLine(QString::fromStdString(curve.label), style, Qt::black, points);
            }
        }
    }
    if (std::isfinite(low)) {
        levels_->setRange(std::floor(low / kLevelStep) * kLevelStep,
                          std::ceil(high / kLevelStep) * kLevelStep);
    } else {
        levels_->setRange(0, 100);
    }
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(bands_);
        series->attachAxis(levels_);
    }
}

QStringList BandChart::SeriesNames() const {
    QStringList names;
    for (const QAbstractSeries* series : view_->chart()->series()) {
        names.append(series->name());
    }
    return names;
}

QList<double> BandChart::SeriesLevels(const QString& name) const {
    QList<double> levels(static_cast<qsizetype>(OctaveBands.size()),
                         std::numeric_limits<double>::quiet_NaN());
    for (const QAbstractSeries* series : view_->chart()->series()) {
        if (series->name() != name) {
            continue;
        }
        for (const QPointF& point : static_cast<const QLineSeries*>(series)->points()) {
            levels[static_cast<qsizetype>(point.x())] = point.y();
        }
    }
    return levels;
}

QStringList BandChart::LegendLines() const {
    QStringList lines;
    for (int row = 0; row < legendGrid_->rowCount(); ++row) {
        for (int column = 1; column >= 0; --column) {
            QLayoutItem* item = legendGrid_->itemAtPosition(row, column);
            if (auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
                label != nullptr && !label->text().isEmpty()) {
                lines.append(label->text());
                break;
            }
        }
    }
    return lines;
}

}  // namespace lorvane::forms::qt
