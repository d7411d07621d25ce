#pragma once

#include <QWidget>
#include <functional>

#include "forms/result_record.h"

class QGridLayout;
class QAbstractAxis;
class QChartView;
class QValueAxis;

namespace lorvane::forms::qt {

struct LineStyle;

// The octave spectrum of a form's results as a chart: one line per row of octave levels over
// the bands 63 to 8000 Hz with its summation level in a column at their right, the record's
// reference curves dashed (a target summation level as a mark in that column), and under it a
// legend in the form's own row labels, under the form's own headings.
class BandChart : public QWidget {
    Q_OBJECT

  public:
    explicit BandChart(QWidget* parent = nullptr);

    // Draws the rows the filter lets through; no record empties the chart.
    void ShowRecord(const ResultRecord* record, const std::function<bool(const BandRow&)>& include);
    // The lines drawn: results first, then references.
    QStringList SeriesNames() const;
    // The points of the named line, band by band and then its summation level; NaN where it
    // has none.
    QList<double> SeriesLevels(const QString& name) const;
    // The legend's lines: headings and row labels, top to bottom.
    QStringList LegendLines() const;

  private:
    void AddLegendHeading(const QString& text);
    void AddLegendLine(const QString& text, const LineStyle& style);

    QChartView* view_;
    QAbstractAxis* bands_;
    QValueAxis* levels_;
    QWidget* legend_;
    QGridLayout* legendGrid_;
};

}  // namespace lorvane::forms::qt
