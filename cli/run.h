#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lorvane::cli {

// Runs a product with its options, the missing ones at their start values, and prints the
// results on `out`: laid out as on the product's form, or as one JSON object. A refusal's
// message goes to `err`. Returns the exit status: 0, or 1 when an input or the pressure was
// refused.
int RunCall(const Call& call, std::ostream& out, std::ostream& err);

}  // namespace lorvane::cli
