#include "products/rectangular/casing_classes.h"

#include <stdexcept>

namespace lorvane::rectangular {
namespace {

bool LastOfItsGroup(std::size_t row) {
    return row + 1 == CasingSizeClasses.size() ||
           CasingSizeClasses[row + 1].widthBound != CasingSizeClasses[row].widthBound;
}

}  // namespace

std::optional<int> FindCasingSizeClass(double width, double height) {
    std::size_t row = 0;
    while (row < CasingSizeClasses.size() && !(CasingSizeClasses[row].widthBound >= width)) {
        ++row;
    }
    if (row == CasingSizeClasses.size()) {
        return std::nullopt;
    }
    // The last class of the group is taken without looking at its height bound.
    while (!LastOfItsGroup(row) && !(CasingSizeClasses[row].heightBound >= height)) {
        ++row;
    }
    return CasingSizeClasses[row].number;
}

const Octaves& CasingLossOf(const std::array<CasingLoss, kCasingSizeClassCount>& table,
                            int sizeClass) {
    if (sizeClass < 1 || sizeClass > kCasingSizeClassCount) {
        throw std::out_of_range("no casing size class of that number");
    }
    return table[static_cast<std::size_t>(sizeClass - 1)].dB;
}

}  // namespace lorvane::rectangular
