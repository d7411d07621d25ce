#pragma once

#include "forms/product_form.h"

namespace lorvane::circular {

// The Tolmar form.
class Tolmar : public forms::ProductForm {
  public:
    explicit Tolmar(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::circular
