#pragma once

#include "forms/product_form.h"

namespace lorvane::louvres {

// The external weather louvre form: flow and sound data of one louvre at a volume flow, for an
// installation site and a model. It opens with fixed width, height and volume flow and with the
// site and model chosen last in the run; its messages are German, under the caption "Fehler".
class WSG : public forms::ProductForm {
  public:
    explicit WSG(const forms::FormContext& context);
    static const forms::FormSpec& Spec();
};

}  // namespace lorvane::louvres
