#include "cli/command_line.h"

#include "cli/arguments.h"
#include "cli/run.h"

namespace lorvane::cli {

int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const Parsed parsed = ParseArguments(argc, argv, out, err);
    if (const int* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    if (const FindCall* find = std::get_if<FindCall>(&parsed)) {
        return RunFind(*find, out, err);
    }
    if (const BatchCall* batch = std::get_if<BatchCall>(&parsed)) {
        return RunBatch(*batch, out, err);
    }
    return RunCall(std::get<Call>(parsed), out, err);
}

}  // namespace lorvane::cli
