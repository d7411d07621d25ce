#pragma once

#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "core/shared_state.h"
#include "forms/form.h"
#include "forms/text_view.h"
#include "tests/products/form_harness.h"

// Helpers for the tests of the circular controller forms: their field groups, and one form
// driven through a plain-text view with its own shared state.
namespace lorvane::circular::harness {

using lorvane::harness::ExpectFields;
using lorvane::harness::FieldRange;
using lorvane::harness::Texts;
using lorvane::harness::Union;

// Air-regenerated, A-weighted and case-radiated rows with their summation levels.
inline const std::set<int> kAcousticFields =
    Union({FieldRange(1007, 1014), FieldRange(1016, 1051)});
// Length texts, levels and summation levels behind the attenuator.
inline const std::set<int> kAttenuatorFields = Union({{1006}, FieldRange(1052, 1080)});
inline const std::set<int> kVelocityFields = {1004, 1005};
inline const std::set<int> kAcousticAndAttenuator = Union({kAcousticFields, kAttenuatorFields});

// A value to two decimals, as the catalogue prints it.
inline std::string Hundredths(double value) {
    return FormatNumber("%.2lf", value);
}

// Each level as the format shows it: "%.0lf" for whole decibels, "%.2lf" for values printed to
// two decimals.
inline Texts Shown(std::string_view format, const Octaves& levels) {
    Texts texts;
    for (double level : levels) {
        texts.push_back(FormatNumber(format, level));
    }
    return texts;
}

// One open form of a circular controller with the list id of its diameters.
struct FormHarness {
    FormHarness(forms::FormFactory make, forms::ControlId diameterList)
        : form(make(context)), list(diameterList), view(form->Description()) {}

    void Open() { forms::ShowInitialTexts(view, *form); }

    void Calculate(const std::string& diameter, const std::string& flow, const std::string& dp,
                   const std::string& target) {
        view.Type(list, diameter);
        view.Type(1001, flow);
        view.Type(1002, dp);
        view.Type(1003, target);
        form->OnButton(view, 1083);
    }

    SharedState state;
    std::ostringstream diagnostics;
    forms::FormContext context{state, diagnostics};
    std::unique_ptr<forms::Form> form;
    forms::ControlId list;
    forms::TextView view;
};

// One row of a form's failure table: what is typed, the message, which result fields end up
// empty, which show new values (all others keep their text), and what the shared state holds
// afterwards.
struct Refusal {
    const char* name;
    const char* diameter;
    const char* flow;
    const char* dp;
    const char* target;
    const char* message;
    std::set<int> emptied;
    std::set<int> updated;
    double diameterStored, flowStored, pressureStored, targetStored;
    bool storesSpectrum = false;  // the refused pressure still leaves its octave levels stored
};

inline void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

// Fills every result field with an accepted calculation at 250 mm, 1000 m3/h, 500 Pa and a
// target of 40 dB(A), then makes the refused press and checks what the refusal changed.
inline void ExpectRefusal(FormHarness& form, const std::set<int>& resultFields, const Refusal& r) {
    form.Calculate("250", "1000", "500", "40");
    ASSERT_TRUE(form.view.Errors().empty());
    for (int id : resultFields) {
        ASSERT_NE(form.view.Text(id), "") << id;
    }
    const forms::TextView before = form.view;
    const Octaves levelsBefore = form.state.octaveLevels;

    form.Calculate(r.diameter, r.flow, r.dp, r.target);

    EXPECT_EQ(form.view.Errors(), Texts{r.message});
    ExpectFields(before, form.view, resultFields, r.emptied, r.updated);
    EXPECT_EQ(form.view.Text(1001), r.flow);  // the inputs keep what the user typed
    const ProductInputs& stored = form.state.productInputs;
    EXPECT_EQ(stored.diameter, r.diameterStored);
    EXPECT_EQ(stored.volumeFlow, r.flowStored);
    EXPECT_EQ(stored.differentialPressure, r.pressureStored);
    EXPECT_EQ(form.state.targetLevel, r.targetStored);
    EXPECT_EQ(form.state.octaveLevels != levelsBefore, r.storesSpectrum);
}

}  // namespace lorvane::circular::harness
