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

}  // namespace lorvane::schedule
