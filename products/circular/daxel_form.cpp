#include "products/circular/daxel_form.h"

#include "products/circular/circular_form.h"
#include "products/circular/daxel.h"

namespace lorvane::circular {

const forms::FormSpec& CDaxel::Spec() {
    static const forms::FormSpec spec = CircularFormSpec(DaxelController());
    return spec;
}

CDaxel::CDaxel(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::circular
