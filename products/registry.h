#pragma once

#include <span>

#include "forms/form.h"

namespace lorvane {

// Menu command ids of the product forms.
namespace commands {
inline constexpr int kSelmon = 32771;
inline constexpr int kDaxel = 32772;
inline constexpr int kQuenta = 32773;
inline constexpr int kBasko = 32774;
inline constexpr int kDamperAcoustics = 32776;
inline constexpr int kDamperLeakage = 32777;
inline constexpr int kDamperBending = 32778;
inline constexpr int kDamperTorque = 32779;
inline constexpr int kAttenuator = 32780;
inline constexpr int kMirolt = 32782;
inline constexpr int kTolmar = 32784;
inline constexpr int kLouvre = 32786;
}  // namespace commands

// A product form and the menu command that opens it.
struct ProductForm {
    int command;
    forms::FormFactory makeForm;
};

// Every product form that exists; a menu command without one is shown disabled.
std::span<const ProductForm> ProductForms();

// The factory of a command's form, or null when the form does not exist yet.
forms::FormFactory FindProductForm(int command);

}  // namespace lorvane
