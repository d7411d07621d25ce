#pragma once

#include "cli/commands.h"

namespace lorvane::cli {

// The JSON runner of the attenuator: the insertion loss per insulation thickness. The form
// ignores bad input without a message, so a refusal is named here in a sentence of its own.
// Reads the options "diameter" and "length".
Json AttenuatorJson(const OptionTexts& texts);

}  // namespace lorvane::cli
