#pragma once

#include <nlohmann/json.hpp>

#include "forms/result_record.h"

namespace lorvane::schedule {

// Objects keep their keys in the order they were written: "product" and "inputs" come first.
using Json = nlohmann::ordered_json;

// The keys of a record, each at its path: the unrounded numbers, null for a value the model
// cannot give, nothing for a result the calculation did not reach; then the notes and the
// refusal's message as "error".
Json RecordJson(const forms::ResultRecord& record);

// The text of a JSON value. Texts that are not UTF-8 (a cell of a schedule saved in a Windows
// code page, say) have each bad byte replaced by U+FFFD rather than stop the output.
std::string JsonText(const Json& json, int indent = -1);

}  // namespace lorvane::schedule
