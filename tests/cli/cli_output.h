#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "tests/cli/calc_process.h"

namespace lorvane::cli::test {

using Json = nlohmann::json;

// The JSON a run printed; the run must have ended with `status`, and with nothing on standard
// error when it succeeded.
Json JsonOf(const CalcRun& run, int status = 0);

// Runs lorvane-calc's command line and reads what it printed as JSON (see JsonOf).
Json RunJson(const std::vector<std::string>& arguments, int status = 0);

// The keys of a JSON object, in its order.
std::vector<std::string> Keys(const Json& object);

// JSON numbers rounded to whole numbers as the forms round them.
std::vector<double> Rounded(const Json& levels);

// The words after the label on the first line of the text that holds it.
std::vector<std::string> FieldsOf(const std::string& text, const std::string& label);

}  // namespace lorvane::cli::test
