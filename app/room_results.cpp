#include "app/room_results.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/room_curves.h"
#include "app/room_rows.h"
#include "core/bands.h"
#include "core/number_text.h"
#include "forms/qt/band_chart.h"

namespace lorvane::app {
namespace {

QStringList BandHeadings() {
    QStringList headings;
    for (double frequency : OctaveBands) {
        headings.append(QString::fromStdString(WholeNumber(frequency)));
    }
    return headings;
}

QTableWidget* NewBandTable(const QString& name, const QString& lastHeading, QWidget* parent) {
    auto* table = new QTableWidget(0, kOctaveCount + 1, parent);
    table->setObjectName(name);
    QStringList headings = BandHeadings();
    headings.append(lastHeading);
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A row of band levels, labelled at its left, with its summation level in the last column
// where the row has one.
void AddBandRow(QTableWidget& table, const RoomBandLine& line) {
    const int at = table.rowCount();
    table.insertRow(at);
    table.setVerticalHeaderItem(at, new QTableWidgetItem(Utf8(line.label)));
    const forms::BandRow& row = *line.row;
    const auto addCell = [&](int column, const forms::Number& number) {
        auto* cell = new QTableWidgetItem(Utf8(RoomNumberText(row.spec->format, number)));
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table.setItem(at, column, cell);
    };
    for (int band = 0; band < kOctaveCount && band < static_cast<int>(row.levels.size()); ++band) {
        addCell(band, row.levels[static_cast<std::size_t>(band)]);
    }
    if (!row.spec->summationKey.empty()) {
        addCell(kOctaveCount, row.summation);
    }
}

}  // namespace

RoomResults::RoomResults(QWidget* parent)
    : QWidget(parent),
      whyNone_(new QLabel(this)),
      path_(NewBandTable(QStringLiteral("roomPathAttenuation"), QString(), this)),
      listener_(NewBandTable(QStringLiteral("roomListenerLevels"), QStringLiteral("dB(A)"), this)),
      values_(new QWidget(this)),
      valueRows_(new QFormLayout(values_)),
      notes_(new QLabel(this)),
      chart_(new forms::qt::BandChart(this)) {
    whyNone_->setObjectName(QStringLiteral("roomWhyNone"));
    whyNone_->setWordWrap(true);
    path_->setColumnCount(kOctaveCount);
    path_->setToolTip(QStringLiteral("What each element of the path takes off, in dB"));
    notes_->setObjectName(QStringLiteral("roomNotes"));
    notes_->setWordWrap(true);
    valueRows_->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(whyNone_);
    layout->addWidget(new QLabel(QStringLiteral("Attenuation along the path [dB]:"), this));
    layout->addWidget(path_);
    layout->addWidget(new QLabel(QStringLiteral("Sound pressure at the listener [dB]:"), this));
    layout->addWidget(listener_);
    layout->addWidget(values_);
    layout->addWidget(notes_);
    layout->addWidget(chart_);
    ShowWhyNone(QString());
}

void RoomResults::Clear() {
    path_->setRowCount(0);
    listener_->setRowCount(0);
    while (valueRows_->rowCount() > 0) {
        valueRows_->removeRow(0);
    }
    notes_->clear();
    chart_->ShowRecord(nullptr, nullptr);
}

void RoomResults::ShowWhyNone(const QString& sentence) {
    Clear();
    whyNone_->setText(sentence);
    whyNone_->setVisible(!sentence.isEmpty());
}

void RoomResults::Show(const forms::ResultRecord& record) {
    Clear();
    whyNone_->clear();
    whyNone_->hide();
    const RoomLines lines = RoomLinesOf(record);
    for (const RoomBandLine& line : lines.path) {
        AddBandRow(*path_, line);
    }
    for (const RoomBandLine& line : lines.listener) {
        AddBandRow(*listener_, line);
    }
    for (const RoomValueLine& value : lines.values) {
        AddValue(Utf8(value.key), Utf8(value.label), Utf8(value.text));
    }
    QStringList notes;
    for (const std::string& note : lines.notes) {
        notes.append(Utf8(note));
    }
    notes_->setText(notes.join(QLatin1Char('\n')));
    const forms::ResultRecord chart = RoomChartRecord(record);
    chart_->ShowRecord(&chart, nullptr);
}

void RoomResults::AddValue(const QString& key, const QString& label, const QString& text) {
    auto* shown = new QLabel(text, values_);
    shown->setObjectName(key);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    valueRows_->addRow(label + QLatin1Char(':'), shown);
}

QString RoomResults::WhyNone() const {
    return whyNone_->text();
}

QString RoomResults::ValueText(const QString& key) const {
    const auto* shown = values_->findChild<QLabel*>(key);
    return shown != nullptr ? shown->text() : QString();
}

}  // namespace lorvane::app
