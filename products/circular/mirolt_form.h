#pragma once

#include "products/circular/circular_form.h"

namespace lorvane::circular {

// The Mirolt form.
class Mirolt : public CircularForm {
  public:
    explicit Mirolt(const forms::FormContext& context);
};

std::unique_ptr<forms::Form> MakeMiroltForm(const forms::FormContext& context);

}  // namespace lorvane::circular
