#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <variant>

#include "cli/batch_command.h"
#include "cli/find_command.h"
#include "products/catalogue.h"
#include "schedule/call.h"

namespace lorvane::cli {

// A call of one product, printed as text or as JSON.
struct Call : schedule::Call {
    bool json = false;
};

// Either the call to run (of a product, of the finder or of a schedule), or the exit status of a command line
// that is already dealt with: 0 after the help or the version on `out`, 2 after a one-line usage
// error on `err`.
using Parsed = std::variant<Call, FindCall, BatchCall, int>;

Parsed ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Whether a value given to an option is itself an option ("--dp --json"): the option's value is
// then missing. A number with a minus sign ("--dp -1") is a value.
bool IsAnOption(const std::string& value);

}  // namespace lorvane::cli
