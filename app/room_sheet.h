#pragma once

#include <QString>
#include <QUrl>
#include <map>
#include <string>
#include <variant>

#include "forms/result_record.h"

class QTextDocument;

namespace lorvane::app {

// What a data sheet shows of a room: its options as given, by name, and the record of the
// calculation with the room, whose "room." results it shows, or the sentence why the room comes
// to nothing.
struct SheetRoom {
    std::map<std::string, std::string> options;
    std::variant<forms::ResultRecord, std::string> outcome;
};

// The room's section of a data sheet: the options; a table of the octave bands with the
// attenuation of each element of the path, the sound power at the room and the levels at the
// listener (and with the attenuator for the room); the ratings and notes beside the room's
// chart, which is painted `chartWidth` points wide and added to `document` as `chartImage`.
QString RoomSectionHtml(const SheetRoom& room, QTextDocument& document, const QUrl& chartImage,
                        int chartWidth);

}  // namespace lorvane::app
