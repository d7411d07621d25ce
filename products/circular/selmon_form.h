#pragma once

#include "forms/product_form.h"

namespace lorvane::circular {

// The Selmon form.
class CSelmonDialog : public forms::ProductForm {
  public:
    explicit CSelmonDialog(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::circular
