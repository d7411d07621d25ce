#pragma once

#include <ostream>
#include <variant>

#include "cli/commands.h"

namespace lorvane::cli {

// A call of one product.
struct Call {
    const Command* command = nullptr;
    OptionTexts given;  // the options on the command line, as typed; the last one of a name wins
    bool json = false;
};

// Either the call to run, or the exit status of a command line that is already dealt with:
// 0 after the help or the version on `out`, 2 after a one-line usage error on `err`.
using Parsed = std::variant<Call, int>;

Parsed ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
