#include "products/circular/tolmar_form.h"

#include "products/circular/circular_form.h"
#include "products/circular/tolmar.h"

namespace lorvane::circular {

const forms::FormSpec& Tolmar::Spec() {
    static const forms::FormSpec spec = CircularFormSpec(TolmarController());
    return spec;
}

Tolmar::Tolmar(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::circular
