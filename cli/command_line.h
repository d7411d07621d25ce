#pragma once

#include <ostream>

namespace lorvane::cli {

// One run of lorvane-calc on its command line: the help, the version, a product's calculation,
// the finder or a schedule, printed on `out` with messages on `err`. Returns the exit status
// (see the README); writing failures of `out` are left to the caller, which owns the stream.
int RunCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
