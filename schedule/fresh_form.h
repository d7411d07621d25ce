#pragma once

#include <memory>
#include <ostream>

#include "core/shared_state.h"
#include "forms/product_form.h"
#include "products/catalogue.h"

namespace lorvane::schedule {

// A product form as it opens on its first showing in a new run of the program: with a shared
// state of start values of its own, and a diagnostics channel that discards everything.
class FreshForm {
  public:
    explicit FreshForm(const Product& product);
    forms::Form& Get() { return *form_; }
    const forms::Form& Get() const { return *form_; }
    const forms::FormSpec& Spec() const { return spec_; }

  private:
    const forms::FormSpec& spec_;
    SharedState state_;
    std::ostream discard_{nullptr};
    std::unique_ptr<forms::Form> form_;
};

// The texts a product's form shows in its option fields when it first opens, by option name;
// a list entry as the word that picks it. Empty for a field the form does not pre-fill.
forms::InputTexts StartTexts(const Product& product);

// The texts of a product's inputs as its form shows them when it first opens, by option name
// (a list entry as the entry itself). Worked out once per product; safe from any thread.
const forms::InputTexts& StartItemTexts(const Product& product);

// The word of an option that picks a list entry; the text itself for other options.
std::string WordOf(const forms::Option& option, const std::string& text);

}  // namespace lorvane::schedule
