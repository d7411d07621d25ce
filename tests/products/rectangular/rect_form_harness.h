#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/bands.h"
#include "core/number_text.h"
#include "core/shared_state.h"
#include "forms/form.h"
#include "forms/product_form.h"
#include "forms/text_view.h"
#include "tests/products/form_harness.h"

// One rectangular controller form driven through a plain-text view with its own shared state,
// the field groups its refusals empty, and the texts the tests compare.
namespace lorvane::rectangular::harness {

using lorvane::harness::ExpectFields;
using lorvane::harness::FieldRange;
using lorvane::harness::Texts;
using lorvane::harness::Union;

// The air-regenerated row and both case-radiated rows with their summation levels.
inline std::set<int> AcousticFields(int summationField) {
    return Union(
        {FieldRange(1007, 1014), {summationField}, FieldRange(1025, 1033), FieldRange(1085, 1093)});
}
inline const std::set<int> kFlowFields{1004, 1005};
inline constexpr forms::ControlId kNotes = forms::kNotesField;

// The answer to the correction question where it must not be asked.
inline constexpr std::optional<bool> kNotAsked;

// Levels and values in whole decibels, as the catalogue prints them.
inline Texts Whole(const Octaves& levels) {
    Texts texts;
    for (double level : levels) {
        texts.push_back(FormatNumber("%.0lf", level));
    }
    return texts;
}

inline std::string Whole(double value) {
    return FormatNumber("%.0lf", value);
}

// A text view that keeps what every field showed when a question came up.
class QuestionWatchingView : public forms::TextView {
  public:
    using TextView::TextView;

    bool ShowCorrectionBox(std::string_view question) override {
        shownAtQuestions_.push_back(Texts());
        return TextView::ShowCorrectionBox(question);
    }
    // What a field showed when the question of that number came up.
    std::string TextAtQuestion(std::size_t question, forms::ControlId id) const {
        const std::map<forms::ControlId, std::string>& shown = shownAtQuestions_.at(question);
        const auto text = shown.find(id);
        return text == shown.end() ? std::string() : text->second;
    }

  private:
    std::vector<std::map<forms::ControlId, std::string>> shownAtQuestions_;
};

struct FormHarness {
    explicit FormHarness(forms::FormFactory make)
        : form(make(context)), view(form->Description()) {}

    void Open() { forms::ShowInitialTexts(view, *form); }

    void Calculate(const std::string& width, const std::string& height, const std::string& flow,
                   const std::string& dp) {
        view.Type(1084, width);
        view.Type(1003, height);
        view.Type(1001, flow);
        view.Type(1002, dp);
        form->OnButton(view, 1083);
    }

    Texts TextsOf(const std::vector<int>& ids) const {
        Texts texts;
        for (int id : ids) {
            texts.push_back(view.Text(id));
        }
        return texts;
    }

    SharedState state;
    std::ostringstream diagnostics;
    forms::FormContext context{state, diagnostics};
    std::unique_ptr<forms::Form> form;
    QuestionWatchingView view;
};

}  // namespace lorvane::rectangular::harness
