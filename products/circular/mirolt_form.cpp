#include "products/circular/mirolt_form.h"

#include "products/circular/circular_form.h"
#include "products/circular/mirolt.h"

namespace lorvane::circular {

const forms::FormSpec& Mirolt::Spec() {
    static const forms::FormSpec spec = CircularFormSpec(MiroltController());
    return spec;
}

Mirolt::Mirolt(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::circular
