#include "app/schedule_cells.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "core/number_text.h"
#include "finder/candidate_record.h"
#include "finder/candidate_text.h"
#include "forms/qt/utf8_text.h"
#include "products/catalogue.h"
#include "room/room_target.h"
#include "schedule/fresh_form.h"

namespace lorvane::app {
namespace {

using forms::qt::FromUtf8;

QString Shown(const forms::ShownNumber& number) {
    try {
        return QString::fromStdString(FormatNumber(number.format, number.value)).trimmed();
    } catch (const std::invalid_argument&) {
        return QString::number(number.value, 'g', 6);
    }
}

// An input as the form reads it: the number in its text, or the text itself where it holds
// none. Empty for an input the position leaves out and the form does not pre-fill.
class Inputs {
  public:
    explicit Inputs(const schedule::Position& position) : position_(position) {
        if (const Product* product = FindProductByWord(position.product)) {
            start_ = &schedule::StartItemTexts(*product);
        }
    }

    QString Text(std::string_view name) const {
        const std::string key(name);
        std::string text;
        if (const auto given = position_.inputs.find(key); given != position_.inputs.end()) {
            text = given->second;
        }
        if (text.empty() && start_ != nullptr) {
            text = forms::TextOf(*start_, key);
        }
        if (const std::optional<double> number = ReadNumber(text)) {
            return QString::number(*number, 'g', 12);
        }
        return QString::fromStdString(text).trimmed();
    }

  private:
    const schedule::Position& position_;
    const forms::InputTexts* start_ = nullptr;
};

// "Ø 250", "400 × 200", "L 1000", or together for a product that has more than one of them.
QString SizeText(const Inputs& inputs) {
    QStringList parts;
    if (const QString diameter = inputs.Text("diameter"); !diameter.isEmpty()) {
        parts.append(QStringLiteral("Ø ") + diameter);
    }
    const QString width = inputs.Text("width");
    const QString height = inputs.Text("height");
    if (!width.isEmpty() || !height.isEmpty()) {
        parts.append(width + QStringLiteral(" × ") + height);
    }
    if (const QString length = inputs.Text("length"); !length.isEmpty()) {
        parts.append(QStringLiteral("L ") + length);
    }
    return parts.join(QStringLiteral(", "));
}

// A target above 0 dB(A); 0 asks for none.
std::optional<double> Target(const Inputs& inputs) {
    const std::optional<double> target = ReadNumber(inputs.Text("target").toStdString());
    return target && *target > 0 ? target : std::nullopt;
}

// The attenuator behind a controller whose level misses its target, chosen as the finder
// chooses it: "50mm 1.00m, 33 dB(A)", "none reaches", or "-" where none is needed. Empty for a
// position without a target or a record without a controller's results.
QString AttenuatorText(const Inputs& inputs, const forms::ResultRecord* record) {
    const std::optional<double> target = Target(inputs);
    finder::Candidate candidate;
    if (!target || record == nullptr || !finder::ReadRecord(*record, target, candidate)) {
        return {};
    }
    return QString::fromStdString(finder::AttenuatorCell(candidate));
}

// Whether the room meets its target as it is; empty without a room target.
QString RoomTargetText(const forms::ResultRecord* record) {
    const forms::ResultValue* reached =
        record != nullptr ? record->FindValue("room.targetReached") : nullptr;
    if (reached == nullptr || reached->reach != forms::Reach::Computed ||
        !std::holds_alternative<bool>(reached->value)) {
        return {};
    }
    return std::get<bool>(reached->value) ? QStringLiteral("met") : QStringLiteral("missed");
}

// The room's rating of the kind its target names, NR without an NC target: "NR 32", "NC 28",
// "NC < 10" below the lowest NC curve. Empty without a room.
QString RoomRatingText(const Inputs& inputs, const forms::ResultRecord* record) {
    if (record == nullptr) {
        return {};
    }
    const auto target = room::ReadRoomTarget(inputs.Text("room-target").toStdString());
    const auto* roomTarget = std::get_if<room::RoomTarget>(&target);
    const bool nc = roomTarget != nullptr && roomTarget->rating == room::RatingKind::Nc;
    if (nc && record->FindValue("room.ncBelowLowestCurve") != nullptr) {
        return QStringLiteral("NC < 10");
    }
    const std::optional<forms::ShownNumber> rating =
        record->ShownNumberAt(nc ? "room.nc" : "room.nr");
    if (!rating || !std::isfinite(rating->value)) {
        return {};
    }
    return (nc ? QStringLiteral("NC ") : QStringLiteral("NR ")) + Shown(*rating);
}

// The attenuator the room needs to meet its target, as the finder names it: "25mm 0.50m", "none
// reaches", or "-" where the room meets it without one. Empty where no attenuator was sought:
// no room target, or a product without attenuator data.
QString RoomAttenuatorText(const forms::ResultRecord* record) {
    if (record == nullptr) {
        return {};
    }
    const forms::ResultValue* thickness = record->FindValue("room.attenuator.thickness");
    const forms::ResultValue* length = record->FindValue("room.attenuator.length");
    if (thickness != nullptr && length != nullptr) {
        return QString::fromStdString(std::get<std::string>(thickness->value) + " " +
                                      std::get<std::string>(length->value));
    }
    if (record->FindValue("room.attenuator") != nullptr) {
        return QStringLiteral("none reaches");
    }
    return RoomTargetText(record) == QStringLiteral("met") ? QStringLiteral("-") : QString();
}

}  // namespace

QString ScheduleHeading(int column) {
    return QString::fromUtf8(ScheduleColumns.at(static_cast<std::size_t>(column)).heading);
}

bool IsNumberColumn(int column) {
    return ScheduleColumns.at(static_cast<std::size_t>(column)).numbers;
}

QString ProductName(std::string_view word) {
    const Product* product = FindProductByWord(word);
    if (product == nullptr) {
        return FromUtf8(word);
    }
    QString name = FromUtf8(product->menuText);
    if (!product->place.submenu.empty()) {
        name = FromUtf8(product->place.submenu) + QStringLiteral(": ") + name;
    }
    return name;
}

QStringList PositionCells(const schedule::Position& position,
                          const schedule::PositionResult& result) {
    const Inputs inputs(position);
    QStringList cells;
    for (int column = 0; column < kScheduleColumnCount; ++column) {
        const ScheduleColumn& spec = ScheduleColumns[static_cast<std::size_t>(column)];
        QString text;
        switch (column) {
            case kTagColumn:
                text = QString::fromStdString(position.tag);
                break;
            case kProductColumn:
                text = ProductName(position.product);
                break;
            case kSizeColumn:
                text = SizeText(inputs);
                break;
            case kStatusColumn:
                text = QString::fromLatin1(schedule::StatusWord(result.status));
                break;
            case kMessageColumn:
                text = QString::fromStdString(result.message);
                break;
            case kTargetColumn:
                if (const std::optional<double> target = Target(inputs)) {
                    text = QString::number(*target, 'g', 12);
                }
                break;
            case kAttenuatorColumn:
                text = AttenuatorText(inputs, result.record ? &*result.record : nullptr);
                break;
            case kRoomRatingColumn:
                text = RoomRatingText(inputs, result.record ? &*result.record : nullptr);
                break;
            case kRoomTargetColumn:
                text = RoomTargetText(result.record ? &*result.record : nullptr);
                break;
            case kRoomAttenuatorColumn:
                text = RoomAttenuatorText(result.record ? &*result.record : nullptr);
                break;
            default: {
                const std::optional<forms::ShownNumber> number =
                    result.record && !spec.resultKey.empty()
                        ? result.record->ShownNumberAt(spec.resultKey)
                        : std::nullopt;
                if (number && std::isfinite(number->value)) {
                    text = Shown(*number);
                } else if (!spec.inputName.empty()) {
                    text = inputs.Text(spec.inputName);
                }
            }
        }
        cells.append(text);
    }
    return cells;
}

}  // namespace lorvane::app
