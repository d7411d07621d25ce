#include "products/circular/selmon_form.h"

#include "products/circular/selmon.h"

namespace lorvane::circular {

CSelmonDialog::CSelmonDialog(const forms::FormContext& context)
    : CircularForm(SelmonController(), context) {}

std::unique_ptr<forms::Form> MakeSelmonForm(const forms::FormContext& context) {
    return std::make_unique<CSelmonDialog>(context);
}

}  // namespace lorvane::circular
