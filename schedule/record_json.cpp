#include "schedule/record_json.h"

#include <cmath>

namespace lorvane::schedule {
namespace {

// The member at a dotted path, made with its parents where they are missing.
Json& At(Json& object, std::string_view path) {
    Json* node = &object;
    while (true) {
        const std::size_t dot = path.find('.');
        node = &(*node)[std::string(path.substr(0, dot))];
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
    } else {
        member = std::get<bool>(value.value);
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
