#include "cli/fresh_form.h"

#include <algorithm>

namespace lorvane::cli {

FreshForm::FreshForm(const Product& product)
    : spec_(product.spec()), form_(product.makeForm(forms::FormContext{state_, discard_})) {}

std::string WordOf(const forms::Option& option, const std::string& text) {
    for (const forms::Choice& choice : option.choices) {
        if (choice.item == text) {
            return choice.word;
        }
    }
    return text;
}

forms::InputTexts StartTexts(const Product& product) {
    FreshForm fresh(product);
    const std::vector<forms::FieldText> initial = fresh.Get().InitialTexts();
    forms::InputTexts texts;
    for (const forms::Option& option : fresh.Spec().options) {
        const auto field =
            std::find_if(initial.begin(), initial.end(),
                         [&](const forms::FieldText& f) { return f.id == option.field; });
        texts[option.name] =
            field == initial.end() || option.IsFlag() ? std::string() : WordOf(option, field->text);
    }
    return texts;
}

}  // namespace lorvane::cli
