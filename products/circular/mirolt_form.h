#pragma once

#include "forms/product_form.h"

namespace lorvane::circular {

// The Mirolt form.
class Mirolt : public forms::ProductForm {
  public:
    explicit Mirolt(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::circular
