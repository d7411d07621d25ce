#pragma once

#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/shared_state.h"
#include "forms/form.h"

namespace lorvane::cli {

// Objects keep their keys in the order they were written: "product" and "inputs" come first.
using Json = nlohmann::ordered_json;

// The texts of a product's options, keyed by option name without the dashes.
using OptionTexts = std::map<std::string, std::string>;

// Computes a product's results from its option texts, as its form would, and returns them as
// the keys of the JSON object that follow "product" and "inputs". A refused input or pressure
// puts its message under "error", beside whatever the form would still show.
using JsonRunner = std::function<Json(const OptionTexts& texts)>;

// One option of a product: the form field its text is typed into.
struct Option {
    std::string name;  // "flow", given as --flow
    forms::ControlId field;
    std::string help;
};

// One product of lorvane-calc.
struct Command {
    std::string product;  // the PRODUCT word
    std::string help;
    std::vector<Option> options;
    forms::FormFactory makeForm;
    JsonRunner runJson;
};

// Every product, in the order the help lists them.
std::span<const Command> Commands();

// A product form as it opens on its first showing in a new run of the program: with a shared
// state of start values of its own, and a diagnostics channel that discards everything.
class FreshForm {
  public:
    explicit FreshForm(forms::FormFactory makeForm);
    forms::Form& Get() { return *form_; }

  private:
    SharedState state_;
    std::ostream discard_{nullptr};
    std::unique_ptr<forms::Form> form_;
};

// The texts a product's form shows in its option fields when it first opens; empty for a
// field the form does not pre-fill.
OptionTexts StartTexts(const Command& command);

}  // namespace lorvane::cli
