#include "products/rectangular/basko_form.h"

#include <optional>

#include <gtest/gtest.h>

#include "tests/products/rectangular/rect_form_harness.h"

namespace lorvane::rectangular {
namespace {

using harness::AcousticFields;
using harness::FieldRange;
using harness::kFlowFields;
using harness::kNotAsked;
using harness::kNotes;
using harness::Texts;
using harness::Union;

const std::set<int> kBaskoAcoustic = AcousticFields(1024);
const std::set<int> kRange = FieldRange(1017, 1020);
const std::set<int> kBaskoResults = Union({kBaskoAcoustic, kFlowFields, kRange});
const std::set<int> kAcousticAndFlow = Union({kBaskoAcoustic, kFlowFields});

class BaskoFormTest : public testing::Test {
  protected:
    harness::FormHarness form{&forms::MakeForm<Basko>};
};

TEST_F(BaskoFormTest, ShowsTheCatalogueExampleInTheFormsFormats) {
    form.Open();
    form.Calculate("400", "200", "2000", "250");
    EXPECT_TRUE(form.view.Errors().empty());
    EXPECT_TRUE(form.view.Questions().empty());
    EXPECT_EQ(form.TextsOf({1004, 1005}), (Texts{"  6.9", "  114"}));
    EXPECT_EQ(form.TextsOf({1017, 1018, 1019, 1020}), (Texts{"  864", " 2880", "  600", " 2800"}));
    EXPECT_EQ(form.TextsOf({1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1024}),
              (Texts{"  68", "  67", "  65", "  64", "  62", "  60", "  58", "  55", "  68"}));
    EXPECT_EQ(form.TextsOf({1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033}),
              (Texts{"  68", "  63", "  60", "  58", "  54", "  51", "  47", "  44", "  60"}));
    EXPECT_EQ(form.TextsOf({1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093}),
              (Texts{"  68", "  61", "  56", "  50", "  44", "  40", "  37", "  35", "  53"}));
    EXPECT_EQ(form.view.Text(kNotes), "");
}

TEST_F(BaskoFormTest, StartValuesPutTheFlowToTheCorrectionQuestion) {
    form.state.productInputs.width = 200.4;  // shown rounded, and read back as shown
    form.Open();
    EXPECT_EQ(form.TextsOf({1084, 1003, 1001, 1002}), (Texts{"200", "100", "100", "250"}));

    form.view.QueueAnswer(true);
    form.form->OnButton(form.view, 1083);
    EXPECT_EQ(form.view.Questions(), Texts{"Would you like to correct the volume flow?"});
    // The question comes up over the ranges the flow lies outside.
    for (const int id : kRange) {
        EXPECT_NE(form.view.TextAtQuestion(0, id), "") << id;
    }
    EXPECT_TRUE(form.view.Errors().empty());  // YES ends the press without a word
    // 200.16 and 599.76 m3/h, and the scales 200-350 and 300-600.
    EXPECT_EQ(form.TextsOf({1017, 1018, 1019, 1020}), (Texts{"  200", "  600", "  200", "  600"}));
    EXPECT_EQ(form.state.productInputs.width, 200);

    // NO goes on with 100 m3/h.
    form.form->OnButton(form.view, 1083);
    EXPECT_EQ(form.view.Questions().size(), 2U);
    EXPECT_TRUE(form.view.Errors().empty());
    EXPECT_EQ(form.TextsOf({1004, 1005}), (Texts{"  1.4", "   61"}));
    EXPECT_NE(form.view.Text(1024), "");
    EXPECT_EQ(form.view.Text(kNotes),
              "The volume flow lies outside the range of this size, 200 to 600 m3/h");
    EXPECT_EQ(form.state.productInputs.volumeFlow, 100);
}

struct BaskoRangeCase {
    const char* name;
    const char* width;
    const char* height;
    const char* flow;
    Texts ranges;  // 1017 to 1020
    bool asked;
    std::string note;
};

void PrintTo(const BaskoRangeCase& c, std::ostream* out) {
    *out << c.name;
}

class BaskoRangeTest : public BaskoFormTest, public testing::WithParamInterface<BaskoRangeCase> {};

TEST_P(BaskoRangeTest, ShowsBothRangesOfTheSize) {
    const BaskoRangeCase& c = GetParam();
    form.Open();
    form.Calculate(c.width, c.height, c.flow, "250");
    EXPECT_EQ(form.TextsOf({1017, 1018, 1019, 1020}), c.ranges);
    EXPECT_EQ(form.view.Questions().size(), c.asked ? 1U : 0U);
    EXPECT_EQ(form.view.Text(kNotes), c.note);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sizes, BaskoRangeTest,
    testing::Values(
        // 299.52 to 1100.16 m3/h by its own velocity limits; scales 300-600 and 500-1100.
        BaskoRangeCase{"SpecialSize", "400", "100", "600",
                       {"  300", " 1100", "  300", " 1100"}, false, ""},
        // Below 432 - 1 m3/h, but inside the scale 400-650.
        BaskoRangeCase{"InsideAScale", "200", "200", "410",
                       {"  432", " 1440", "  400", " 1000"}, false, ""},
        BaskoRangeCase{"NoScales", "220", "200", "500",
                       {"  475", " 1584", "", ""}, false, "This size has no existing scales"},
        // NO to the correction question: the results are noted as outside the range.
        BaskoRangeCase{"NoScalesKeptBelow", "220", "200", "300",
                       {"  475", " 1584", "", ""}, true,
                       "This size has no existing scales\n"
                       "The volume flow lies outside the range of this size, 475 to 1584 m3/h"}),
    [](const testing::TestParamInfo<BaskoRangeCase>& c) { return c.param.name; });
// clang-format on

// One refused press after an accepted one at 400 x 200 mm, 2000 m3/h and 250 Pa: what is
// typed, the answer to the correction question (none: it must not be asked), the error box,
// the fields emptied and those showing new values (all others keep their text), and what the
// shared state holds afterwards.
struct BaskoFormRefusal {
    const char* name;
    const char* width;
    const char* height;
    const char* flow;
    const char* dp;
    std::optional<bool> answer;
    const char* message;  // empty: no error box
    std::set<int> emptied;
    std::set<int> updated;
    double width_, height_, flow_, dp_;
};

void PrintTo(const BaskoFormRefusal& r, std::ostream* out) {
    *out << r.name;
}

class BaskoRefusalFormTest : public BaskoFormTest,
                             public testing::WithParamInterface<BaskoFormRefusal> {};

TEST_P(BaskoRefusalFormTest, EmptiesItsFieldsAndKeepsWhatWasAccepted) {
    const BaskoFormRefusal& r = GetParam();
    form.Open();
    form.Calculate("400", "200", "2000", "250");
    ASSERT_TRUE(form.view.Errors().empty());
    const forms::TextView before = form.view;

    if (r.answer) {
        form.view.QueueAnswer(*r.answer);
    }
    form.Calculate(r.width, r.height, r.flow, r.dp);

    EXPECT_EQ(form.view.Questions().size(), r.answer ? 1U : 0U);
    if (r.answer) {
        // While the question is up, the ranges of the size show, and no result of the press
        // before.
        for (const int id : kRange) {
            EXPECT_EQ(form.view.TextAtQuestion(0, id), form.view.Text(id)) << id;
        }
        for (const int id : kAcousticAndFlow) {
            EXPECT_EQ(form.view.TextAtQuestion(0, id), "") << id;
        }
    }
    EXPECT_EQ(form.view.Errors(), std::string(r.message).empty() ? Texts{} : Texts{r.message});
    harness::ExpectFields(before, form.view, kBaskoResults, r.emptied, r.updated);
    EXPECT_EQ(form.view.Text(1001), r.flow);  // the inputs keep what the user typed
    const ProductInputs& stored = form.state.productInputs;
    EXPECT_EQ(stored.width, r.width_);
    EXPECT_EQ(stored.height, r.height_);
    EXPECT_EQ(stored.volumeFlow, r.flow_);
    EXPECT_EQ(stored.differentialPressure, r.dp_);
}

const std::set<int> kAllBaskoFields = Union({kBaskoAcoustic, kFlowFields, kRange});

// 300 x 200 mm serves 648 to 2160 m3/h, by its scales 500 to 2000 m3/h.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FailureTable, BaskoRefusalFormTest,
    testing::Values(
        //               name                W      H      V       dp      answer
        //               message                                   emptied
        //               updated                        stored: W, H, V, dp
        BaskoFormRefusal{"WidthEmpty",       "",    "250", "3000", "300",  kNotAsked,
                         "Please correct the width",               kAllBaskoFields,
                         {},                            400, 200, 2000, 250},
        BaskoFormRefusal{"HeightAbove",      "300", "601", "3000", "300",  kNotAsked,
                         "Please correct the height",              kAllBaskoFields,
                         {},                            300, 200, 2000, 250},
        BaskoFormRefusal{"WidthBelowHeight", "200", "300", "3000", "300",  kNotAsked,
                         "Please correct dimensions",              kAllBaskoFields,
                         {},                            200, 300, 2000, 250},
        BaskoFormRefusal{"FlowYes",          "300", "200", "5000", "300",  true,
                         "",                                       kAcousticAndFlow,
                         kRange,                        300, 200, 2000, 250},
        // NO goes on with 5000 m3/h, which needs about 1022 Pa.
        BaskoFormRefusal{"FlowNo",           "300", "200", "5000", "300",  false,
                         "Please increase differential pressure",  kBaskoAcoustic,
                         Union({kFlowFields, kRange}),  300, 200, 5000, 300},
        // A text without a number ends the press as YES does, whatever the answer.
        BaskoFormRefusal{"FlowTextNo",       "300", "200", "abc",  "300",  false,
                         "",                                       kAcousticAndFlow,
                         kRange,                        300, 200, 2000, 250},
        BaskoFormRefusal{"PressureBelow",    "300", "200", "1500", "0.05", kNotAsked,
                         "Please correct differential pressure",   kBaskoAcoustic,
                         kRange,                        300, 200, 1500, 250},
        BaskoFormRefusal{"IncreasePressure", "300", "200", "2000", "100",  kNotAsked,
                         "Please increase differential pressure",  kBaskoAcoustic,
                         Union({kFlowFields, kRange}),  300, 200, 2000, 100}),
    [](const testing::TestParamInfo<BaskoFormRefusal>& r) { return r.param.name; });
// clang-format on

TEST(BaskoRecord, NamesTheRefusalAfterTheQuestion) {
    // YES: lorvane-calc and a schedule say how to keep the flow; a text without a number: the
    // volume-flow message. Neither shows a box on the form.
    for (const auto& [flow, message] :
         {std::pair{"5000",
                    "The volume flow lies outside 648 to 2160 m3/h; set keep-flow to calculate "
                    "it anyway"},
          std::pair{"abc", "Please correct volume flow"}}) {
        SharedState state;
        const BaskoEntry entry{"300", "200", flow, "300"};
        const auto yes = [](std::string_view, const BaskoOutcome&) { return true; };
        const forms::ResultRecord record = BaskoRecord(EvaluateBasko(state, entry, yes), entry);
        ASSERT_TRUE(record.Refused()) << flow;
        EXPECT_EQ(record.Refused()->input, "flow");
        EXPECT_EQ(record.Refused()->message, message);
        EXPECT_FALSE(record.Refused()->shownOnForm);
    }
}

}  // namespace
}  // namespace lorvane::rectangular
