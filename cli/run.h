#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lorvane::cli {

// Types the given options into a fresh form of the product (the missing ones keep the form's
// start values), answers its questions as the flags say, presses "calculate" and prints the
// results on `out`: laid out as on the product's form, or as one JSON object. A refusal's
// message goes to `err`. Returns the exit status: 0, or 1 when an input or the pressure was
// refused.
int RunCall(const Call& call, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
