#include "forms/qt/band_chart.h"

#include <QGraphicsLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPen>
#include <QVBoxLayout>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <limits>

#include "core/bands.h"
#include "core/number_text.h"
#include "forms/qt/chart_style.h"

namespace lorvane::forms::qt {

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
    // The legend keeps room for the most lines a form draws, so that the form does not grow,
    // nor its buttons move, when a calculation fills it.
    constexpr int kLegendLines = 12;
    legend_->setMinimumHeight(kLegendLines * (legend_->fontMetrics().height() + 1));
    legendGrid_->setColumnStretch(1, 1);
    // The chart is only looked at: it takes no focus, which it could not show.
    view_->setFocusPolicy(Qt::NoFocus);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(400, 260);
    QChart* chart = view_->chart();
    chart->legend()->hide();
    chart->layout()->setContentsMargins(0, 0, 0, 0);

    auto* bands = new QBarCategoryAxis;
    for (double frequency : OctaveBands) {
        bands->append(QString::fromStdString(WholeNumber(frequency)));
    }
    bands->append(SummationHead());
    bands->setTitleText(QStringLiteral("Frequency [Hz]"));
    QFont labels = bands->labelsFont();
    labels.setPointSizeF(labels.pointSizeF() * 0.7);  // "1000" to "8000" fit their band
    bands->setLabelsFont(labels);
    chart->addAxis(bands, Qt::AlignBottom);
    levels_ = new QValueAxis;
    levels_->setTitleText(QStringLiteral("dB"));
    levels_->setLabelFormat(QStringLiteral("%.0f"));
    levels_->setTickType(QValueAxis::TicksDynamic);
    levels_->setTickInterval(kChartLevelStep);
    chart->addAxis(levels_, Qt::AlignLeft);
    bands_ = bands;
    ShowRecord(nullptr, nullptr);
}

void BandChart::AddLegendHeading(const QString& text) {
    auto* label = new QLabel(text, legend_);
    QFont font = label->font();
    font.setItalic(true);
    label->setFont(font);
    legendGrid_->addWidget(label, legendGrid_->rowCount(), 1);  // over the labels it groups
}

void BandChart::AddLegendLine(const QString& text, const LineStyle& style) {
    const int row = legendGrid_->rowCount();
    auto* swatch = new QLabel(legend_);
    swatch->setPixmap(Swatch(style));
    legendGrid_->addWidget(swatch, row, 0);
    legendGrid_->addWidget(new QLabel(text, legend_), row, 1);
}

namespace {

// A line's summation level in the summation column: a result's as a point, a reference's (a
// target) as a short line across the column.
QXYSeries* SummationSeries(const QString& name, double level, const LineStyle& style) {
    QXYSeries* series = nullptr;
    if (style.pen == Qt::SolidLine) {
        auto* point = new QScatterSeries;
        point->setMarkerSize(8);
        point->setColor(style.colour);
        point->setBorderColor(style.colour);
        point->append(static_cast<double>(kChartSummationPlace), level);
        series = point;
    } else {
        const SummationMark mark = SummationMarkAt(level);
        auto* tick = new QLineSeries;
        tick->setPen(QPen(style.colour, 3, style.pen));
        tick->append(mark.from, mark.level);
        tick->append(mark.to, mark.level);
        series = tick;
    }
    series->setName(name);
    return series;
}

}  // namespace

void BandChart::ShowRecord(const ResultRecord* record,
                           const std::function<bool(const BandRow&)>& include) {
    QChart* chart = view_->chart();
    chart->removeAllSeries();
    while (QLayoutItem* item = legendGrid_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const std::vector<ChartLine> lines =
        record != nullptr ? ChartLines(*record, include) : std::vector<ChartLine>();
    const std::vector<LineStyle> styles = LineStyles(lines);
    std::string group;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ChartLine& line = lines[i];
        if (!line.reference && line.group != group) {
            group = line.group;
            AddLegendHeading(QString::fromStdString(group));
        }
        const QString name = QString::fromStdString(line.label);
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPen(QPen(styles[i].colour, 2, styles[i].pen));
        series->setPointsVisible(styles[i].pen == Qt::SolidLine);
        for (std::size_t k = 0; k < line.levels.size(); ++k) {
            if (line.levels[k]) {
                series->append(static_cast<double>(k), *line.levels[k]);
            }
        }
        chart->addSeries(series);
        if (line.summation) {
            chart->addSeries(SummationSeries(name, *line.summation, styles[i]));
        }
        AddLegendLine(name, styles[i]);
    }
    const LevelRange range = ChartLevelRange(lines);
    levels_->setRange(range.low, range.high);
    // A chart without lines stays quiet: no numbers on an axis that measures nothing.
    levels_->setLabelsVisible(!lines.empty());
    levels_->setTitleVisible(!lines.empty());
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(bands_);
        series->attachAxis(levels_);
    }
}

QStringList BandChart::SeriesNames() const {
    QStringList names;
    for (const QAbstractSeries* series : view_->chart()->series()) {
        // A line's summation level is a series of its own, under the line's name.
        if (names.isEmpty() || names.back() != series->name()) {
            names.append(series->name());
        }
    }
    return names;
}

QList<double> BandChart::SeriesLevels(const QString& name) const {
    QList<double> levels(static_cast<qsizetype>(kChartPlaces),
                         std::numeric_limits<double>::quiet_NaN());
    for (const QAbstractSeries* series : view_->chart()->series()) {
        if (series->name() != name) {
            continue;
        }
        for (const QPointF& point : static_cast<const QXYSeries*>(series)->points()) {
            levels[qRound(point.x())] = point.y();
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
