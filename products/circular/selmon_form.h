#pragma once

#include "products/circular/circular_form.h"

namespace lorvane::circular {

// The Selmon form.
class CSelmonDialog : public CircularForm {
  public:
    explicit CSelmonDialog(const forms::FormContext& context);
};

std::unique_ptr<forms::Form> MakeSelmonForm(const forms::FormContext& context);

}  // namespace lorvane::circular
