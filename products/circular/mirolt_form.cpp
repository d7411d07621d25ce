#include "products/circular/mirolt_form.h"

#include "products/circular/mirolt.h"

namespace lorvane::circular {

Mirolt::Mirolt(const forms::FormContext& context) : CircularForm(MiroltController(), context) {}

std::unique_ptr<forms::Form> MakeMiroltForm(const forms::FormContext& context) {
    return std::make_unique<Mirolt>(context);
}

}  // namespace lorvane::circular
