#include "app/room_rows.h"

#include <variant>

#include "core/words.h"
#include "forms/record_fields.h"

namespace lorvane::app {
namespace {

// The room's values the ratings list: not the path's, which its table shows, nor the notes,
// nor the flag of a rating below every NC curve, which the rating's own "< 10" says.
bool ListedValue(const forms::ResultValue& value) {
    const std::string& key = value.spec->key;
    return value.reach == forms::Reach::Computed && key.starts_with("room.") &&
           !key.starts_with("room.path") && key != "room.notes" &&
           key.find("ncBelowLowestCurve") == std::string::npos;
}

std::string ValueShown(const forms::ResultValue& value) {
    if (value.spec->key == "room.attenuator") {
        return "none of the program's attenuators makes the room meet its target";
    }
    return std::string(TrimBlanks(forms::ValueText(value)));
}

void AddPath(RoomLines& lines, const forms::ResultRecord& record) {
    for (int place = 0;; ++place) {
        const std::string key = "room.path." + std::to_string(place);
        const forms::ResultValue* element = record.FindValue(key + ".element");
        const forms::BandRow* attenuation = record.FindBands(key + ".attenuation");
        if (element == nullptr || attenuation == nullptr) {
            break;
        }
        lines.path.push_back({forms::ValueText(*element), attenuation});
    }
    if (const forms::BandRow* power = record.FindBands("room.powerAtRoom")) {
        lines.path.push_back({"Sound power at the room", power});
    }
}

}  // namespace

std::string RoomNumberText(std::string_view format, const forms::Number& number) {
    return std::string(TrimBlanks(forms::NumberText(format, number)));
}

RoomLines RoomLinesOf(const forms::ResultRecord& record) {
    RoomLines lines;
    AddPath(lines, record);
    if (const forms::BandRow* levels = record.FindBands("room.levels")) {
        lines.listener.push_back({"As it is", levels});
    }
    if (const forms::BandRow* levels = record.FindBands("room.attenuator.levels")) {
        lines.listener.push_back({"With the attenuator", levels});
    }
    if (const auto level = record.ShownNumberAt("room.summationLevel")) {
        lines.values.push_back({"room.summationLevel", "Sound pressure level [dB(A)]",
                                RoomNumberText(level->format, level->value)});
    }
    for (const forms::ResultItem& item : record.Items()) {
        const auto* value = std::get_if<forms::ResultValue>(&item);
        if (value != nullptr && ListedValue(*value)) {
            lines.values.push_back({value->spec->key, value->spec->label, ValueShown(*value)});
        }
    }
    if (const forms::ResultValue* notes = record.FindValue("room.notes")) {
        lines.notes = std::get<forms::TextList>(notes->value);
    }
    return lines;
}

}  // namespace lorvane::app
