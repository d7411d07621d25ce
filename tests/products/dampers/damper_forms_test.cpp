#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "forms/form.h"
#include "forms/product_form.h"
#include "forms/text_view.h"
#include "products/dampers/blade_bending_form.h"
#include "products/dampers/damper_acoustics_form.h"
#include "products/dampers/damper_inputs.h"
#include "products/dampers/damper_leakage_form.h"
#include "products/dampers/damper_torque_form.h"
#include "tests/products/dampers/damper_test_values.h"

namespace lorvane::dampers {
namespace {

using forms::ControlId;
using Fields = std::map<ControlId, std::string>;
using Texts = std::vector<std::string>;

constexpr ControlId kCalculate = 1083;

// One open damper form on plain texts, over the shared state of the run.
class OpenForm {
  public:
    OpenForm(forms::FormFactory make, forms::FormContext context)
        : form_(make(context)), view_(form_->Description()) {
        forms::ShowInitialTexts(view_, *form_);
    }

    void Calculate(const Fields& typed) {
        for (const auto& [id, text] : typed) {
            view_.Type(id, text);
        }
        form_->OnButton(view_, kCalculate);
    }
    // A pick in a list, as the dialog reports it.
    void Pick(ControlId list, int index) {
        const forms::Control* control = form_->Description().Find(list);
        view_.Type(list, control->items.at(static_cast<std::size_t>(index)));
        form_->OnSelectionChange(view_, list, index);
    }

    std::string Text(ControlId id) const { return view_.Text(id); }
    std::string Notes() const { return view_.Text(forms::kNotesField); }
    const Texts& Errors() const { return view_.Errors(); }
    // Every read-only result field of the form.
    std::set<ControlId> ResultFields() const {
        std::set<ControlId> ids;
        for (const forms::Control& control : form_->Description().controls) {
            if (control.kind == forms::ControlKind::Result) {
                ids.insert(control.id);
            }
        }
        return ids;
    }

  private:
    std::unique_ptr<forms::Form> form_;
    forms::TextView view_;
};

class DamperFormsTest : public testing::Test {
  protected:
    OpenForm Open(forms::FormFactory make) { return OpenForm(make, context); }

    SharedState state;
    std::ostringstream diagnostics;
    forms::FormContext context{state, diagnostics};
};

const forms::FormFactory kAcoustics = forms::MakeForm<JKLorvane>;
const forms::FormFactory kBending = forms::MakeForm<JKDurch>;
const forms::FormFactory kLeakage = forms::MakeForm<JKLeck>;
const forms::FormFactory kTorque = forms::MakeForm<JKMoment>;

// --- The worked examples as the fields show them ---

struct Example {
    const char* name;
    forms::FormFactory form;
    Fields typed;
    Fields shown;
    std::string notes;
};

void PrintTo(const Example& example, std::ostream* out) {
    *out << example.name;
}

class DamperExampleTest : public DamperFormsTest, public testing::WithParamInterface<Example> {};

TEST_P(DamperExampleTest, ShowsTheCatalogueValuesInTheFormsFormats) {
    const Example& e = GetParam();
    OpenForm form = Open(e.form);
    form.Calculate(e.typed);
    EXPECT_TRUE(form.Errors().empty());
    for (const auto& [id, text] : e.shown) {
        EXPECT_EQ(form.Text(id), text) << "field " << id;
    }
    EXPECT_EQ(form.Notes(), e.notes);
}

const std::string kNo165mmBlade = "No 165 mm blade fits a height below 145 mm";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Catalogue, DamperExampleTest, testing::Values(
    // The start values: 200 x 200 mm, 200 m3/h, "opposite direction", "hollow profile", 100 Pa.
    Example{"AcousticsStart", kAcoustics, {},
            {{1132, "0.040"}, {1004, "  1.4"}, {1017, " 86.4"}, {1005, " 61.6"},
             {1018, "27000.0"}, {1015, "  0.8"},
             {1007, "   48"}, {1008, "   42"}, {1009, "   40"}, {1010, "   41"},
             {1011, "   43"}, {1012, "   45"}, {1013, "   45"}, {1014, "   43"}, {1024, "   51"},
             // 100 mm blade: maximum torque, required torque, Pmax, bending; then 165 mm
             {1136, "  2.7"}, {1006, "  1.0"}, {1016, "5000.0"}, {1019, "  0.0"},
             {1137, "  1.5"}, {1020, "  0.5"}, {1021, "5000.0"}, {1022, "  0.0"}},
            ""},
    Example{"AcousticsSameDirection", kAcoustics, {{102, "same direction"}},
            {{1015, "  0.0"}}, ""},
    Example{"Bending2000mm", kBending, {{1001, "2000"}, {1002, "10000"}},
            {{1135, " 73.8"}, {1136, " 66.1"}, {1138, " 31.8"}, {1140, " 38.7"}}, ""},
    Example{"Bending1500mm", kBending, {{1001, "1500"}, {1002, "1000"}},
            {{1135, "  2.3"}, {1136, "  2.1"}, {1138, "  1.0"}, {1140, "  1.2"}}, ""},
    Example{"BendingStart", kBending, {},
            {{1135, "  0.0"}, {1136, "  0.0"}, {1138, "  0.0"}, {1140, "  0.0"}}, ""},
    // Leakage, then Pmax, per construction: 100 mm, then 165 mm.
    Example{"Leakage1000mm", kLeakage, {{1084, "1000"}, {1003, "1000"}, {1002, "1000"}},
            {{1135, " 31.6"}, {1133, "3250.2"}, {1136, " 31.6"}, {1137, "3630.9"},
             {1138, "3852.2"}, {1139, "5000.0"}, {1140, "2400.3"}, {1141, "5000.0"},
             {1142, "1319.3"}, {1143, "3250.2"}, {1144, "1324.3"}, {1145, "3630.9"},
             {1146, "452.0"},  {1147, "3250.2"}, {1148, "452.0"},  {1149, "3630.9"},
             {1150, "574.9"},  {1151, "3250.2"}, {1152, "597.9"},  {1153, "3630.9"}},
            ""},
    // 200 x 100 mm holds no 165 mm blade: its column stays empty, with a note.
    Example{"TorqueStart", kTorque, {},
            {{1137, "  0.4"}, {1139, "  0.5"}, {1140, "  1.1"}, {1144, "  1.6"}, {1146, "  1.6"},
             {1141, ""},      {1142, ""},      {1143, ""},      {1145, ""},      {1147, ""}},
            kNo165mmBlade},
    Example{"Torque1000mm", kTorque, {{1084, "1000"}, {1003, "1000"}, {1002, "1000"}},
            {{1137, "  7.5"}, {1139, " 14.1"}, {1140, " 18.6"}, {1144, " 23.0"}, {1146, " 22.1"},
             {1141, "  6.4"}, {1142, "  9.0"}, {1143, " 12.3"}, {1145, " 15.6"}, {1147, " 25.6"}},
            ""}),
    [](const testing::TestParamInfo<Example>& e) { return e.param.name; });
// clang-format on

// --- The honest edges: an empty field and a note ---

TEST_F(DamperFormsTest, ANegativeBladeAngleLeavesItsFieldEmptyWithANote) {
    OpenForm form = Open(kAcoustics);
    // zeta = 6 / (0.6 * 10^2) = 0.1: less than the open damper's
    form.Calculate(
        {{1084, "1000"}, {1003, "1000"}, {1001, "36000"}, {102, "same direction"}, {1002, "6"}});
    EXPECT_EQ(form.Text(1005), "");
    EXPECT_EQ(form.Text(1017), "  0.1");
    EXPECT_EQ(form.Notes(),
              "The resistance is below that of the fully open damper: no blade angle");
}

TEST_F(DamperFormsTest, TheSmallestFlowThroughTheLargestFrameShowsOnlyFiniteLevels) {
    OpenForm form = Open(kAcoustics);
    form.Calculate(
        {{1084, "2000"}, {1003, "2000"}, {1001, "0.1"}, {102, "same direction"}, {1002, "100"}});
    const Texts levels{form.Text(1007), form.Text(1008), form.Text(1009), form.Text(1010),
                       form.Text(1011), form.Text(1012), form.Text(1013), form.Text(1014)};
    EXPECT_EQ(levels, (Texts{"-1146", "-1500", "-1928", "-2438", "-3039", "", "", ""}));
    EXPECT_EQ(form.Text(1005), "");  // zeta 3.5e12 lies beyond the angle polynomial
    EXPECT_EQ(form.Notes(),
              "The resistance is above that of the closed damper: no blade angle\n"
              "The operating point lies outside the range of the sound model");
}

TEST_F(DamperFormsTest, ANewCalculationTakesBackTheNotesAndFillsTheFieldsAgain) {
    OpenForm form = Open(kAcoustics);
    form.Calculate({{1003, "144"}});
    EXPECT_EQ(form.Text(1137), "");
    EXPECT_EQ(form.Text(1020), "");
    EXPECT_EQ(form.Text(1021), "5000.0");  // Pmax and bending need no blade count
    EXPECT_EQ(form.Text(1022), "  0.0");
    EXPECT_EQ(form.Notes(), kNo165mmBlade);

    form.Calculate({{1003, "145"}});
    EXPECT_NE(form.Text(1137), "");
    EXPECT_NE(form.Text(1020), "");
    EXPECT_EQ(form.Notes(), "");
}

TEST_F(DamperFormsTest, AHeightOf145mmHoldsOne165mmBlade) {
    OpenForm form = Open(kTorque);
    form.Calculate({{1003, "145"}});
    for (ControlId id : {1141, 1142, 1143, 1145, 1147}) {
        EXPECT_NE(form.Text(id), "") << "field " << id;
    }
    EXPECT_EQ(form.Notes(), "");
}

// --- Refusals: a message, every result emptied, the inputs as typed ---

struct Refused {
    const char* name;
    forms::FormFactory form;
    Fields typed;
    std::string message;
};

void PrintTo(const Refused& refused, std::ostream* out) {
    *out << refused.name;
}

class DamperRefusalTest : public DamperFormsTest, public testing::WithParamInterface<Refused> {};

TEST_P(DamperRefusalTest, ShowsTheMessageAndEmptiesEveryResult) {
    const Refused& r = GetParam();
    OpenForm form = Open(r.form);
    form.Calculate({});  // the start values; the torque form's come with a note
    ASSERT_TRUE(form.Errors().empty());
    ASSERT_NE(form.Text(*form.ResultFields().begin()), "");

    form.Calculate(r.typed);
    EXPECT_EQ(form.Errors(), Texts{r.message});
    for (ControlId id : form.ResultFields()) {
        EXPECT_EQ(form.Text(id), "") << "field " << id;
    }
    EXPECT_EQ(form.Notes(), "");
    for (const auto& [id, text] : r.typed) {
        EXPECT_EQ(form.Text(id), text) << "field " << id;
    }
}

using test::kHeight;
using test::kWidth;
const std::string kPressure5000 = "Please correct the differential pressure (0.1 to 5000 Pa)";
const std::string kPressure10000 = "Please correct the differential pressure (0.1 to 10000 Pa)";

// clang-format off
INSTANTIATE_TEST_SUITE_P(FailureTable, DamperRefusalTest, testing::Values(
    Refused{"AcousticsWidth",    kAcoustics, {{1084, "99.9"}},                    kWidth},
    Refused{"AcousticsHeight",   kAcoustics, {{1084, "300"}, {1003, "abc"}},      kHeight},
    Refused{"AcousticsFlow",     kAcoustics, {{1001, "175000.1"}},
            "Please correct the volume flow (0.1 to 175000 m3/h)"},
    Refused{"AcousticsPressure", kAcoustics, {{1002, "5000.1"}},                  kPressure5000},
    Refused{"AcousticsLinkage",  kAcoustics, {{102, "crossed"}},
            "Please correct the blade linkage (opposite direction or same direction)"},
    Refused{"BendingLength",     kBending,   {{1001, "2000.5"}},
            "Please correct the blade length (100 to 2000 mm)"},
    Refused{"BendingPressure",   kBending,   {{1001, "300"}, {1002, ""}},        kPressure10000},
    Refused{"LeakagePressure",   kLeakage,   {{1002, "10000.1"}},                 kPressure10000},
    Refused{"LeakageWidth",      kLeakage,   {{1084, "2001"}},                    kWidth},
    Refused{"TorqueHeight",      kTorque,    {{1003, "99"}},                      kHeight},
    Refused{"TorquePressure",    kTorque,    {{1002, "nan"}},                     kPressure10000}),
    [](const testing::TestParamInfo<Refused>& r) { return r.param.name; });
// clang-format on

TEST_F(DamperFormsTest, TheLimitsOfEveryRangeAreAccepted) {
    const struct {
        forms::FormFactory form;
        Fields typed;
    } cases[] = {
        {kAcoustics, {{1084, "100"}, {1003, "2000"}, {1001, "0.1"}, {1002, "5000"}}},
        {kAcoustics, {{1084, "2000"}, {1003, "100"}, {1001, "175000"}, {1002, "0.1"}}},
        {kBending, {{1001, "100"}, {1002, "10000"}}},
        {kLeakage, {{1084, "2000"}, {1003, "100"}, {1002, "0.1"}}},
        {kTorque, {{1084, "100"}, {1003, "2000"}, {1002, "10000"}}},
    };
    for (const auto& c : cases) {
        OpenForm form = Open(c.form);
        form.Calculate(c.typed);
        EXPECT_TRUE(form.Errors().empty()) << form.Errors().front();
    }
}

// --- The lists of the acoustics form ---

TEST_F(DamperFormsTest, APickInAListIsStoredAtOnceAndShownWhenTheFormOpensAgain) {
    {
        OpenForm form = Open(kAcoustics);
        EXPECT_EQ(form.Text(102), "opposite direction");
        EXPECT_EQ(form.Text(103), "hollow profile");
        form.Pick(102, 1);
        form.Pick(103, 2);
        EXPECT_EQ(form.Text(1132), "");  // nothing is calculated
    }
    EXPECT_EQ(state.Of<DamperInputs>().linkageSelection, 1);
    EXPECT_EQ(state.Of<DamperInputs>().sealingSelection, 2);
    OpenForm reopened = Open(kAcoustics);
    EXPECT_EQ(reopened.Text(102), "same direction");
    EXPECT_EQ(reopened.Text(103), "airtight");
}

TEST_F(DamperFormsTest, AListEntryTypedWithoutAPickIsStoredByTheCalculation) {
    OpenForm form = Open(kAcoustics);
    form.Calculate({{103, "standard"}});
    EXPECT_EQ(form.Text(1018), "2000.0");  // the closed unsealed damper
    EXPECT_EQ(state.Of<DamperInputs>().sealingSelection, 0);
    EXPECT_EQ(Open(kAcoustics).Text(103), "standard");
}

// --- Which record each form reads and writes ---

TEST_F(DamperFormsTest, EachFormReadsAndWritesItsOwnRecord) {
    // An invalid height after a valid width: only the width is stored, in DamperInputs.
    Open(kAcoustics).Calculate({{1084, "1200"}, {1003, "abc"}, {1001, "900"}});
    OpenForm acoustics = Open(kAcoustics);
    EXPECT_EQ(acoustics.Text(1084), "1200");
    EXPECT_EQ(acoustics.Text(1003), "200");
    EXPECT_EQ(acoustics.Text(1001), "200");
    EXPECT_EQ(Open(kTorque).Text(1084), "200");  // ProductInputs keeps its width

    // The bending form hands its length and pressure to the acoustics form; its pressure is
    // the ProductInputs one that the leakage and torque forms open with.
    Open(kBending).Calculate({{1001, "1500"}, {1002, "1000"}});
    acoustics = Open(kAcoustics);
    EXPECT_EQ(acoustics.Text(1084), "1500");
    EXPECT_EQ(acoustics.Text(1002), "1000");
    OpenForm torque = Open(kTorque);
    EXPECT_EQ(torque.Text(1084), "200");
    EXPECT_EQ(torque.Text(1002), "1000");

    // The leakage form writes ProductInputs and hands its width to the acoustics form.
    Open(kLeakage).Calculate({{1084, "600"}, {1003, "700"}, {1002, "400"}});
    acoustics = Open(kAcoustics);
    EXPECT_EQ(acoustics.Text(1084), "600");
    EXPECT_EQ(acoustics.Text(1003), "200");
    EXPECT_EQ(acoustics.Text(1002), "1000");
    torque = Open(kTorque);
    EXPECT_EQ(torque.Text(1084), "600");
    EXPECT_EQ(torque.Text(1003), "700");
    EXPECT_EQ(torque.Text(1002), "400");
    OpenForm bending = Open(kBending);
    EXPECT_EQ(bending.Text(1001), "1500");  // its own length
    EXPECT_EQ(bending.Text(1002), "400");

    // A refused leakage pressure keeps the accepted width and height, but the acoustics form's
    // width is only set by a calculation.
    Open(kLeakage).Calculate({{1084, "800"}, {1003, "900"}, {1002, "10000.1"}});
    EXPECT_EQ(Open(kAcoustics).Text(1084), "600");
    EXPECT_EQ(Open(kTorque).Text(1084), "800");

    // The torque form touches DamperInputs not at all.
    Open(kTorque).Calculate({{1084, "300"}, {1003, "400"}, {1002, "500"}});
    EXPECT_EQ(Open(kAcoustics).Text(1084), "600");
    EXPECT_EQ(Open(kLeakage).Text(1003), "400");
}

}  // namespace
}  // namespace lorvane::dampers
