#pragma once

#include <QWidget>

#include "forms/result_record.h"

class QFormLayout;
class QLabel;
class QTableWidget;

namespace lorvane::forms::qt {
class BandChart;
}

namespace lorvane::app {

// What the room came to, from the room's results of a record ("room." keys, as lorvane-calc's
// JSON has them): the attenuation of each element of the path and the sound power reaching the
// room, band by band; the levels at the listener; the ratings, the target and the attenuator
// for the room; the notes; and a chart of the levels with the NC and NR curves that bracket
// them. Or, where there are none, the sentence that says why, and nothing else.
class RoomResults : public QWidget {
    Q_OBJECT

  public:
    explicit RoomResults(QWidget* parent = nullptr);

    void Show(const forms::ResultRecord& record);
    void ShowWhyNone(const QString& sentence);

    // The sentence shown in place of results; empty while results are shown.
    QString WhyNone() const;
    // The text a result of the record's key shows ("room.nr"); empty for one not shown.
    QString ValueText(const QString& key) const;
    forms::qt::BandChart& Chart() const { return *chart_; }

  private:
    void Clear();
    void AddValue(const QString& key, const QString& label, const QString& text);

    QLabel* whyNone_;
    QTableWidget* path_;       // per element, and at the room
    QTableWidget* listener_;   // at the listener, and with the attenuator
    QWidget* values_;
    QFormLayout* valueRows_;
    QLabel* notes_;
    forms::qt::BandChart* chart_;
};

}  // namespace lorvane::app
