#include "products/circular/selmon_form.h"

#include "products/circular/circular_form.h"
#include "products/circular/selmon.h"

namespace lorvane::circular {

const forms::FormSpec& CSelmonDialog::Spec() {
    static const forms::FormSpec spec = CircularFormSpec(SelmonController());
    return spec;
}

CSelmonDialog::CSelmonDialog(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::circular
