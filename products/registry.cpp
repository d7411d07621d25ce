#include "products/registry.h"

#include <array>

#include "products/circular/selmon_form.h"

namespace lorvane {

namespace {

const std::array kProductForms{
    ProductForm{commands::kSelmon, circular::MakeSelmonForm},
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
