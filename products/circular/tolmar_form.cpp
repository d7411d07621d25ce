#include "products/circular/tolmar_form.h"

#include "products/circular/tolmar.h"

namespace lorvane::circular {

Tolmar::Tolmar(const forms::FormContext& context) : CircularForm(TolmarController(), context) {}

std::unique_ptr<forms::Form> MakeTolmarForm(const forms::FormContext& context) {
    return std::make_unique<Tolmar>(context);
}

}  // namespace lorvane::circular
