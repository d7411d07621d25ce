#pragma once

#include "forms/product_form.h"
#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// The form of a circular controller, built from the controller's description: its layout, its
// options, its pre-filled texts, its "calculate" and its diameter list, which shows the flow
// range of a picked diameter at once.
forms::FormSpec CircularFormSpec(const CircularController& controller);

}  // namespace lorvane::circular
