#include "products/circular/daxel_form.h"

#include "products/circular/daxel.h"

namespace lorvane::circular {

CDaxel::CDaxel(const forms::FormContext& context) : CircularForm(DaxelController(), context) {}

std::unique_ptr<forms::Form> MakeDaxelForm(const forms::FormContext& context) {
    return std::make_unique<CDaxel>(context);
}

}  // namespace lorvane::circular
