#include "app/room_results.h"

#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/room_curves.h"
#include "core/bands.h"
#include "core/number_text.h"
#include "forms/qt/band_chart.h"
#include "forms/record_fields.h"

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

QString NumberShown(std::string_view format, const forms::Number& number) {
    return QString::fromStdString(forms::NumberText(format, number)).trimmed();
}

// A row of band levels, labelled at its left, with its summation level in the last column
// where the row has one.
void AddBandRow(QTableWidget& table, const QString& label, const forms::BandRow& row) {
    const int at = table.rowCount();
    table.insertRow(at);
    table.setVerticalHeaderItem(at, new QTableWidgetItem(label));
    for (int band = 0; band < kOctaveCount && band < static_cast<int>(row.levels.size()); ++band) {
        auto* cell = new QTableWidgetItem(NumberShown(row.spec->format, row.levels[band]));
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table.setItem(at, band, cell);
    }
    if (!row.spec->summationKey.empty()) {
        auto* cell = new QTableWidgetItem(NumberShown(row.spec->format, row.summation));
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table.setItem(at, kOctaveCount, cell);
    }
}

bool StartsWith(const std::string& text, std::string_view start) {
    return text.compare(0, start.size(), start) == 0;
}

// The values the ratings list shows: not the path's, which its table shows, nor the notes, nor
// the flag of a rating below every NC curve, which the rating's own "< 10" says.
bool ListedValue(const forms::ResultValue& value) {
    const std::string& key = value.spec->key;
    return !StartsWith(key, "room.path") && key != "room.notes" &&
           key.find("ncBelowLowestCurve") == std::string::npos;
}

QString ValueShown(const forms::ResultValue& value) {
    if (value.spec->key == "room.attenuator") {
        return QStringLiteral("none of the program's attenuators makes the room meet its target");
    }
    return QString::fromStdString(forms::ValueText(value)).trimmed();
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
    for (int place = 0;; ++place) {
        const std::string key = "room.path." + std::to_string(place);
        const forms::ResultValue* element = record.FindValue(key + ".element");
        const forms::BandRow* attenuation = record.FindBands(key + ".attenuation");
        if (element == nullptr || attenuation == nullptr) {
            break;
        }
        AddBandRow(*path_, QString::fromStdString(forms::ValueText(*element)), *attenuation);
    }
    if (const forms::BandRow* power = record.FindBands("room.powerAtRoom")) {
        AddBandRow(*path_, QStringLiteral("Sound power at the room"), *power);
    }
    if (const forms::BandRow* levels = record.FindBands("room.levels")) {
        AddBandRow(*listener_, QStringLiteral("As it is"), *levels);
    }
    if (const forms::BandRow* levels = record.FindBands("room.attenuator.levels")) {
        AddBandRow(*listener_, QStringLiteral("With the attenuator"), *levels);
    }
    if (const auto level = record.ShownNumberAt("room.summationLevel")) {
        AddValue(QStringLiteral("room.summationLevel"), QStringLiteral("Sound pressure level [dB(A)]"),
                 NumberShown(level->format, level->value));
    }
    for (const forms::ResultItem& item : record.Items()) {
        const auto* value = std::get_if<forms::ResultValue>(&item);
        if (value != nullptr && value->reach == forms::Reach::Computed && ListedValue(*value)) {
            AddValue(QString::fromStdString(value->spec->key),
                     QString::fromStdString(value->spec->label), ValueShown(*value));
        }
    }
    QStringList notes;
    if (const forms::ResultValue* roomNotes = record.FindValue("room.notes")) {
        for (const std::string& note : std::get<forms::TextList>(roomNotes->value)) {
            notes.append(QString::fromStdString(note));
        }
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
