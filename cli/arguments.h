#pragma once

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <variant>

#include "cli/find_command.h"
#include "products/catalogue.h"

namespace lorvane::cli {

// A call of one product.
struct Call {
    const Product* product = nullptr;
    // The options with a value, as typed (a list entry as its word); the last one of a name wins.
    std::map<std::string, std::string> given;
    std::set<std::string> flags;  // the flags given
    bool json = false;
};

// Either the call to run (of a product or of the finder), or the exit status of a command line
// that is already dealt with: 0 after the help or the version on `out`, 2 after a one-line usage
// error on `err`.
using Parsed = std::variant<Call, FindCall, int>;

Parsed ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
