#pragma once

#include "products/circular/circular_form.h"

namespace lorvane::circular {

// The Tolmar form.
class Tolmar : public CircularForm {
  public:
    explicit Tolmar(const forms::FormContext& context);
};

std::unique_ptr<forms::Form> MakeTolmarForm(const forms::FormContext& context);

}  // namespace lorvane::circular
