#include "products/registry.h"

#include <array>

#include "products/attenuators/attenuator_form.h"
#include "products/circular/daxel_form.h"
#include "products/circular/mirolt_form.h"
#include "products/circular/selmon_form.h"
#include "products/circular/tolmar_form.h"

namespace lorvane {

namespace {

const std::array kProductForms{
    ProductForm{commands::kTolmar, circular::MakeTolmarForm},
    ProductForm{commands::kSelmon, circular::MakeSelmonForm},
    ProductForm{commands::kDaxel, circular::MakeDaxelForm},
    ProductForm{commands::kMirolt, circular::MakeMiroltForm},
    ProductForm{commands::kAttenuator, attenuators::MakeAttenuatorForm},
};

}  // namespace

std::span<const ProductForm> ProductForms() {
    return kProductForms;
}

forms::FormFactory FindProductForm(int command) {
    for (const ProductForm& product : kProductForms) {
        if (product.command == command) {
            return product.makeForm;
        }
    }
    return nullptr;
}

}  // namespace lorvane
