#pragma once

#include "forms/product_form.h"

namespace lorvane::circular {

// The Daxel form.
class CDaxel : public forms::ProductForm {
  public:
    explicit CDaxel(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::circular
