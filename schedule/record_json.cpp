#include "schedule/record_json.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lorvane::schedule {
namespace {

bool IsPlace(std::string_view segment) {
    return !segment.empty() &&
           std::all_of(segment.begin(), segment.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The member at a dotted path, made with its parents where they are missing. A part of the path
// made of digits is a place in an array ("room.path.0.element").
Json& At(Json& object, std::string_view path) {
    Json* node = &object;
    while (true) {
        const std::size_t dot = path.find('.');
        const std::string_view segment = path.substr(0, dot);
        if (IsPlace(segment)) {
            std::size_t place = 0;
            std::from_chars(segment.data(), segment.data() + segment.size(), place);
            node = &(*node)[place];
        } else {
            node = &(*node)[std::string(segment)];
        }
        if (dot == std::string_view::npos) {
            return *node;
        }
        path.remove_prefix(dot + 1);
    }
}

Json NumberJson(forms::Number number) {
    return number && std::isfinite(*number) ? Json(*number) : Json(nullptr);
}

void AddValue(Json& object, const forms::ResultValue& value) {
    Json& member = At(object, value.spec->key);
    if (const forms::Number* number = std::get_if<forms::Number>(&value.value)) {
        member = NumberJson(*number);
    } else if (const std::string* text = std::get_if<std::string>(&value.value)) {
        member = *text;
    } else if (const bool* flag = std::get_if<bool>(&value.value)) {
        member = *flag;
    } else {
        member = std::get<forms::TextList>(value.value);
    }
}

void AddBands(Json& object, const forms::BandRow& row) {
    if (!row.spec->key.empty()) {
        Json levels = Json::array();
        for (const forms::Number& level : row.levels) {
            levels.push_back(NumberJson(level));
        }
        At(object, row.spec->key) = std::move(levels);
    }
    if (!row.spec->summationKey.empty()) {
        At(object, row.spec->summationKey) = NumberJson(row.summation);
    }
}

}  // namespace

Json RecordJson(const forms::ResultRecord& record) {
    Json object = Json::object();
    for (const forms::ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            if (value->reach == forms::Reach::Computed && !value->spec->key.empty()) {
                AddValue(object, *value);
            }
        } else if (const auto& row = std::get<forms::BandRow>(item);
                   row.reach == forms::Reach::Computed) {
            AddBands(object, row);
        }
    }
    if (!record.Notes().empty()) {
        object["notes"] = record.Notes();
    }
    if (record.Refused()) {
        object["error"] = record.Refused()->message;
    }
    return object;
}

std::string JsonText(const Json& json, int indent) {
    return json.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace lorvane::schedule
