#pragma once

#include "forms/form_description.h"

namespace lorvane::test {

// A form without controls, for a view that holds only the texts a test sets.
inline const forms::FormDescription kNoControls;

}  // namespace lorvane::test
