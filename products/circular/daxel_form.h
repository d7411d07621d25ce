#pragma once

#include "products/circular/circular_form.h"

namespace lorvane::circular {

// The Daxel form.
class CDaxel : public CircularForm {
  public:
    explicit CDaxel(const forms::FormContext& context);
};

std::unique_ptr<forms::Form> MakeDaxelForm(const forms::FormContext& context);

}  // namespace lorvane::circular
