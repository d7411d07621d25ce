#pragma once

#include <string>
#include <vector>

#include "forms/result_record.h"

namespace lorvane::app {

// A row of band levels as the room's tables show it: labelled, with its summation level in the
// last column where the row has one.
struct RoomBandLine {
    std::string label;
    const forms::BandRow* row;
};

// A rating or choice of the room, as a list shows it: the record's key, a label and the text.
struct RoomValueLine {
    std::string key;
    std::string label;
    std::string text;
};

// What the room's results of a record ("room." keys, as lorvane-calc's JSON has them) come to,
// in the order the panel and the data sheet show them: the attenuation of each element of the
// path, labelled with the element, and the sound power reaching the room; the levels at the
// listener, and with the attenuator for the room; the ratings, the target and the attenuator,
// in words where no attenuator serves; the notes. The record must outlive the lines.
struct RoomLines {
    std::vector<RoomBandLine> path;
    std::vector<RoomBandLine> listener;
    std::vector<RoomValueLine> values;
    std::vector<std::string> notes;
};
RoomLines RoomLinesOf(const forms::ResultRecord& record);

// A number of a band row or value as the room's tables show it: in its format, without blanks;
// nothing for a value the model cannot give.
std::string RoomNumberText(std::string_view format, const forms::Number& number);

}  // namespace lorvane::app
