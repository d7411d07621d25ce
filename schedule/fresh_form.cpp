#include "schedule/fresh_form.h"

#include <algorithm>
#include <map>

#include "forms/form.h"
#include "forms/text_view.h"

namespace lorvane::schedule {

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

const forms::InputTexts& StartItemTexts(const Product& product) {
    static const std::map<const Product*, forms::InputTexts> all = [] {
        std::map<const Product*, forms::InputTexts> texts;
        for (const Product& each : Catalogue()) {
            FreshForm fresh(each);
            forms::TextView view(fresh.Get().Description());
            forms::ShowInitialTexts(view, fresh.Get());
            forms::InputTexts& start = texts[&each];
            for (const forms::Option& option : fresh.Spec().options) {
                if (option.field != forms::kNoId) {
                    start[option.name] = view.Text(option.field);
                }
            }
        }
        return texts;
    }();
    return all.at(&product);
}

}  // namespace lorvane::schedule
