#include "schedule/room_text.h"

#include <algorithm>
#include <vector>

#include "core/bands.h"
#include "core/number_text.h"
#include "forms/record_fields.h"

namespace lorvane::schedule {
namespace {

constexpr int kBandWidth = 7;

bool IsRoomKey(std::string_view key) {
    return key.starts_with("room.");
}

std::string_view ItemKey(const forms::ResultItem& item) {
    if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
        return value->spec->key;
    }
    return std::get<forms::BandRow>(item).spec->key;
}

std::string_view ItemLabel(const forms::ResultItem& item) {
    if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
        return value->spec->label;
    }
    return std::get<forms::BandRow>(item).spec->label;
}

std::string RightAligned(std::string text) {
    const std::size_t width = static_cast<std::size_t>(kBandWidth);
    return text.size() < width ? std::string(width - text.size(), ' ') + text : " " + text;
}

std::string Padded(std::string_view label, std::size_t width) {
    return std::string(label) + std::string(width - label.size(), ' ');
}

std::string BandLine(const forms::BandRow& row, std::size_t labelWidth) {
    std::string line = Padded(row.spec->label, labelWidth);
    for (const forms::Number& level : row.levels) {
        line += RightAligned(forms::NumberText(row.spec->format, level));
    }
    if (!row.spec->summationKey.empty()) {
        line += RightAligned(forms::NumberText(row.spec->format, row.summation)) + " dB(A)";
    }
    return line;
}

}  // namespace

std::string RoomText(const forms::ResultRecord& record) {
    std::vector<const forms::ResultItem*> items;
    std::size_t labelWidth = 0;
    for (const forms::ResultItem& item : record.Items()) {
        if (IsRoomKey(ItemKey(item))) {
            items.push_back(&item);
            labelWidth = std::max(labelWidth, ItemLabel(item).size());
        }
    }
    if (items.empty()) {
        return {};
    }
    labelWidth += 2;
    std::string text = "\nRoom\n" + std::string(labelWidth, ' ');
    for (const double frequency : OctaveBands) {
        text += RightAligned(WholeNumber(frequency));
    }
    text += RightAligned("Sum") + "\n";
    for (const forms::ResultItem* item : items) {
        if (const auto* value = std::get_if<forms::ResultValue>(item)) {
            const std::string shown = forms::ValueText(*value);
            if (!shown.empty()) {
                text += Padded(value->spec->label, labelWidth) + shown + "\n";
            }
        } else {
            text += BandLine(std::get<forms::BandRow>(*item), labelWidth) + "\n";
        }
    }
    return text;
}

}  // namespace lorvane::schedule
