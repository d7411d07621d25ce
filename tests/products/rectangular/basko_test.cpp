#include "products/rectangular/basko.h"

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "products/rectangular/basko_evaluation.h"
#include "products/rectangular/casing_classes.h"
#include "tests/products/rectangular/rect_form_harness.h"

namespace lorvane::rectangular {
namespace {

using harness::kNotAsked;
using harness::Texts;
using harness::Whole;

TEST(CalculateBasko, GivesTheCatalogueExample) {
    const BaskoResult r = CalculateBasko(400, 200, 2000, 250);
    EXPECT_EQ(FormatNumber("%5.1lf", r.velocity), "  6.9");
    EXPECT_EQ(FormatNumber("%5.0lf", r.minimumPressure), "  114");
    EXPECT_EQ(r.ranges.theoretical->vmin, 864);
    EXPECT_EQ(r.ranges.theoretical->vmax, 2880);
    EXPECT_EQ(r.ranges.existingScales->vmin, 600);
    EXPECT_EQ(r.ranges.existingScales->vmax, 2800);
    EXPECT_TRUE(r.accepted);
    const RectSpectrum& s = *r.spectrum;
    EXPECT_EQ(Whole(s.octave), (Texts{"68", "67", "65", "64", "62", "60", "58", "55"}));
    EXPECT_EQ(Whole(s.summationLevel), "68");
    const CasingNoise& casing = *s.casing;
    EXPECT_EQ(casing.sizeClass, 4);
    EXPECT_EQ(Whole(casing.bare.levels), (Texts{"68", "63", "60", "58", "54", "51", "47", "44"}));
    EXPECT_EQ(Whole(casing.bare.summationLevel), "60");
    EXPECT_EQ(Whole(casing.insulated30.levels),
              (Texts{"68", "61", "56", "50", "44", "40", "37", "35"}));
    EXPECT_EQ(Whole(casing.insulated30.summationLevel), "53");
}

TEST(CalculateBasko, APressureUpTo1PaBelowTheMinimumIsAccepted) {
    const double minimum = CalculateBasko(400, 200, 2000, 250).minimumPressure;
    EXPECT_TRUE(CalculateBasko(400, 200, 2000, minimum - 1).accepted);
    const BaskoResult below = CalculateBasko(400, 200, 2000, std::nextafter(minimum - 1, 0.0));
    EXPECT_FALSE(below.accepted);
    EXPECT_TRUE(below.spectrum);  // computed before the pressure is compared
}

TEST(CalculateBasko, MinimumPressureIsCappedAt9999) {
    // 6000 m3/h through 200 x 100 mm is 83 m/s.
    EXPECT_EQ(CalculateBasko(200, 100, 6000, 250).minimumPressure, 9999);
}

TEST(CalculateBasko, NoSpectrumWithoutFlow) {
    EXPECT_FALSE(CalculateBasko(400, 200, 0, 250).spectrum);
    EXPECT_FALSE(CalculateBasko(400, 200, -100, 250).spectrum);
}

struct RangeCase {
    double width, height;
    std::optional<VolumeFlowRange> range;
};

void PrintTo(const RangeCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height << " mm";
}

class TheoreticalRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(TheoreticalRangeTest, ComesFromTheSizeRangesOrASpecialSize) {
    const RangeCase& c = GetParam();
    const std::optional<VolumeFlowRange> range = TheoreticalRange(c.width, c.height);
    ASSERT_EQ(range.has_value(), c.range.has_value());
    if (range) {
        EXPECT_NEAR(range->vmin, c.range->vmin, 1e-9);
        EXPECT_NEAR(range->vmax, c.range->vmax, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, TheoreticalRangeTest,
    testing::Values(RangeCase{400, 200, VolumeFlowRange{864, 2880}},
                    RangeCase{600, 300, VolumeFlowRange{1944, 6480}},
                    RangeCase{200, 100, VolumeFlowRange{200.16, 599.76}},   // special size
                    RangeCase{400, 100, VolumeFlowRange{299.52, 1100.16}},  // special size
                    RangeCase{400, 400, VolumeFlowRange{1209.6, 5587.2}},   // special size
                    RangeCase{200, 300, std::nullopt},                      // width below height
                    RangeCase{150, 100, std::nullopt},                      // in neither table
                    RangeCase{200.5, 200, std::nullopt},                    // between two rows
                    RangeCase{600, 310, std::nullopt}));

class ExistingScaleRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(ExistingScaleRangeTest, RunsFromTheFirstScaleToTheLastOfTheSize) {
    const RangeCase& c = GetParam();
    const std::optional<VolumeFlowRange> range = ExistingScaleRange(c.width, c.height);
    ASSERT_EQ(range.has_value(), c.range.has_value());
    if (range) {
        EXPECT_EQ(range->vmin, c.range->vmin);
        EXPECT_EQ(range->vmax, c.range->vmax);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ExistingScaleRangeTest,
    testing::Values(RangeCase{400, 200, VolumeFlowRange{600, 2800}},
                    RangeCase{350, 200, VolumeFlowRange{700, 2500}},
                    RangeCase{500, 300, VolumeFlowRange{1000, 5500}},
                    RangeCase{600, 600, VolumeFlowRange{3000, 13000}},  // the last records
                    RangeCase{220, 200, std::nullopt}));

TEST(FitsExistingScale, HoldsBothLimitsOfOneScale) {
    EXPECT_TRUE(FitsExistingScale(200, 200, 400));
    EXPECT_TRUE(FitsExistingScale(200, 200, 1000));
    EXPECT_FALSE(FitsExistingScale(200, 200, 399.9));
    EXPECT_FALSE(FitsExistingScale(200, 200, 1000.1));
    EXPECT_FALSE(FitsExistingScale(200.5, 200, 500));
}

struct ClassCase {
    double width, height;
    std::optional<int> sizeClass;
};

void PrintTo(const ClassCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height << " mm";
}

class CasingSizeClassTest : public testing::TestWithParam<ClassCase> {};

TEST_P(CasingSizeClassTest, FirstWidthBoundThenHeightBoundInItsGroup) {
    const ClassCase& c = GetParam();
    EXPECT_EQ(FindCasingSizeClass(c.width, c.height), c.sizeClass);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, CasingSizeClassTest,
    testing::Values(ClassCase{400, 200, 4}, ClassCase{200, 100, 1}, ClassCase{150, 150, 2},
                    ClassCase{201, 100, 3}, ClassCase{800, 100, 10},
                    // Above every height bound of the group: the group's last class.
                    ClassCase{600, 600, 9}, ClassCase{1000, 500, 14}, ClassCase{1200, 1200, 16},
                    ClassCase{1201, 100, std::nullopt}));

// One "calculate" of the form, answering the correction question, if it comes, with `answer`.
struct BaskoPress {
    SharedState state;
    std::vector<std::string> questions;

    BaskoOutcome Calculate(const BaskoEntry& entry, bool answer = true) {
        return EvaluateBasko(state, entry, [&](std::string_view question, const BaskoOutcome&) {
            questions.emplace_back(question);
            return answer;
        });
    }
};

TEST(EvaluateBasko, TheStartValuesAskTheCorrectionQuestion) {
    BaskoPress press;
    const BaskoOutcome outcome = press.Calculate({"200", "100", "100", "250"});
    EXPECT_EQ(press.questions, Texts{"Would you like to correct the volume flow?"});
    EXPECT_EQ(outcome.refused, BaskoInput::VolumeFlow);
    EXPECT_EQ(outcome.message, "");
    const BaskoRanges& ranges = *outcome.ranges;
    EXPECT_EQ(FormatNumber("%5.0lf", ranges.theoretical->vmin), "  200");
    EXPECT_EQ(FormatNumber("%5.0lf", ranges.theoretical->vmax), "  600");
    EXPECT_EQ(ranges.existingScales->vmin, 200);
    EXPECT_EQ(ranges.existingScales->vmax, 600);
}

TEST(EvaluateBasko, CalculatesTheCatalogueExampleAndStoresIt) {
    BaskoPress press;
    const BaskoOutcome outcome = press.Calculate({"400", "200", "2000", "250"});
    EXPECT_TRUE(press.questions.empty());
    EXPECT_FALSE(outcome.refused);
    EXPECT_EQ(outcome.message, "");
    EXPECT_TRUE(outcome.emptied.empty());
    ASSERT_TRUE(outcome.pressureAccepted);
    EXPECT_EQ(FormatNumber("%5.1lf", press.state.productInputs.velocity), "  6.9");
    EXPECT_EQ(Whole(press.state.octaveLevels),
              (Texts{"68", "67", "65", "64", "62", "60", "58", "55"}));
}

TEST(EvaluateBasko, ARefusedPressureStillStoresVelocityAndSpectrum) {
    BaskoPress press;
    const BaskoOutcome outcome = press.Calculate({"400", "200", "2000", "112"});
    EXPECT_EQ(outcome.message, "Please increase differential pressure");
    EXPECT_EQ(FormatNumber("%5.1lf", press.state.productInputs.velocity), "  6.9");
    EXPECT_EQ(press.state.octaveLevels, outcome.result->spectrum->octave);
    EXPECT_NE(press.state.octaveLevels, Octaves{});
}

struct FlowCase {
    const char* name;
    const char* width;
    const char* height;
    const char* flow;
    bool asked;
};

void PrintTo(const FlowCase& c, std::ostream* out) {
    *out << c.name;
}

class BaskoFlowTest : public testing::TestWithParam<FlowCase> {};

TEST_P(BaskoFlowTest, AsksOnlyOutsideTheToleranceAndEveryScale) {
    const FlowCase& c = GetParam();
    BaskoPress press;
    press.Calculate({c.width, c.height, c.flow, "10000"});
    EXPECT_EQ(press.questions.size(), c.asked ? 1U : 0U);
}

// 225 x 200 mm has the exact range 486 to 1620 m3/h and no scales.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, BaskoFlowTest,
    testing::Values(
        //       name                   W      H      V          asked
        FlowCase{"InsideAScale",        "200", "200", "410",     false},
        FlowCase{"BelowEveryScale",     "200", "200", "399",     true},
        FlowCase{"ToleranceBelow",      "225", "200", "485",     false},
        FlowCase{"BeyondToleranceBelow","225", "200", "484.9",   true},
        FlowCase{"ToleranceAbove",      "225", "200", "1621",    false},
        FlowCase{"BeyondToleranceAbove","225", "200", "1621.1",  true}),
    [](const testing::TestParamInfo<FlowCase>& c) { return c.param.name; });
// clang-format on

TEST(EvaluateBasko, ASizeWithoutScalesShowsNoScaleRange) {
    BaskoPress press;
    const BaskoOutcome outcome = press.Calculate({"220", "200", "400", "250"});
    EXPECT_TRUE(outcome.ranges->theoretical);
    EXPECT_FALSE(outcome.ranges->existingScales);
    EXPECT_EQ(press.questions.size(), 1U);
}

TEST(EvaluateBasko, AcceptsTheLimitsOfTheDifferentialPressure) {
    BaskoPress press;
    EXPECT_TRUE(press.Calculate({"400", "200", "2000", "10000"}).pressureAccepted);
    const BaskoOutcome lowest = press.Calculate({"400", "200", "2000", "0.1"});
    EXPECT_FALSE(lowest.refused);
    EXPECT_EQ(lowest.message, "Please increase differential pressure");
    EXPECT_EQ(press.state.productInputs.differentialPressure, 0.1);
}

// One row of the form's failure table: what is typed, the answer to the correction question
// (none: it must not be asked), the outcome, and what the shared state holds afterwards. The
// state starts from 200 x 100 mm, 100 m3/h, 250 Pa.
struct Refusal {
    const char* name;
    BaskoEntry entry;
    std::optional<bool> answer;
    std::optional<BaskoInput> refused;
    std::string_view message;
    ResultGroups emptied;
    double width, height, flow, pressure;
};

void PrintTo(const Refusal& r, std::ostream* out) {
    *out << r.name;
}

class BaskoRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(BaskoRefusalTest, NamesTheInputEmptiesItsGroupsAndKeepsWhatWasAccepted) {
    const Refusal& r = GetParam();
    BaskoPress press;
    const BaskoOutcome outcome = press.Calculate(r.entry, r.answer.value_or(true));
    EXPECT_EQ(press.questions.size(), r.answer ? 1U : 0U);
    EXPECT_EQ(outcome.correctionAsked, r.answer.has_value());
    EXPECT_EQ(outcome.refused, r.refused);
    EXPECT_EQ(outcome.message, r.message);
    EXPECT_EQ(outcome.emptied, r.emptied);
    EXPECT_FALSE(outcome.pressureAccepted);
    const ProductInputs& stored = press.state.productInputs;
    EXPECT_EQ(stored.width, r.width);
    EXPECT_EQ(stored.height, r.height);
    EXPECT_EQ(stored.volumeFlow, r.flow);
    EXPECT_EQ(stored.differentialPressure, r.pressure);
}

using enum ResultGroup;
using enum BaskoInput;
constexpr std::optional<bool> kYes = true;
constexpr std::optional<bool> kNo = false;
const ResultGroups kAllBaskoGroups{Acoustic, Flow, Range};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FailureTable, BaskoRefusalTest,
    testing::Values(
        // name                 W        H      V       dp         answer     refused
        //     message                                  emptied
        //     stored: W, H, V, dp
        Refusal{"WidthBelow",   {"99",   "100", "300",  "250"},    kNotAsked, Width,
                "Please correct the width",             kAllBaskoGroups,
                200, 100, 100, 250},
        Refusal{"WidthAbove",   {"600.5", "100", "300", "250"},    kNotAsked, Width,
                "Please correct the width",             kAllBaskoGroups,
                200, 100, 100, 250},
        Refusal{"WidthEmpty",   {"",     "100", "300",  "250"},    kNotAsked, Width,
                "Please correct the width",             kAllBaskoGroups,
                200, 100, 100, 250},
        Refusal{"HeightAbove",  {"400",  "601", "300",  "250"},    kNotAsked, Height,
                "Please correct the height",            kAllBaskoGroups,
                400, 100, 100, 250},
        Refusal{"HeightText",   {"400",  "abc", "300",  "250"},    kNotAsked, Height,
                "Please correct the height",            kAllBaskoGroups,
                400, 100, 100, 250},
        Refusal{"WidthBelowHeight", {"200", "300", "300", "250"},  kNotAsked, Dimensions,
                "Please correct dimensions",            kAllBaskoGroups,
                200, 300, 100, 250},
        Refusal{"NoRangeRow",   {"150",  "100", "300",  "250"},    kNotAsked, Dimensions,
                "Please correct dimensions",            kAllBaskoGroups,
                150, 100, 100, 250},
        Refusal{"BetweenRows",  {"200.5", "200", "300", "250"},    kNotAsked, Dimensions,
                "Please correct dimensions",            kAllBaskoGroups,
                200.5, 200, 100, 250},
        Refusal{"FlowYes",      {"400",  "200", "5000", "250"},    kYes,      VolumeFlow,
                "",                                     (ResultGroups{Acoustic, Flow}),
                400, 200, 100, 250},
        // NO goes on with the typed flow; the groups emptied before the question stay empty.
        Refusal{"FlowNo",       {"400",  "200", "5000", "250"},    kNo,       std::nullopt,
                "Please increase differential pressure", (ResultGroups{Acoustic, Flow}),
                400, 200, 5000, 250},
        Refusal{"FlowEmptyNo",  {"400",  "200", "",     "250"},    kNo,       VolumeFlow,
                "",                                     (ResultGroups{Acoustic, Flow}),
                400, 200, 100, 250},
        Refusal{"PressureBelow", {"400", "200", "2000", "0.05"},   kNotAsked, DifferentialPressure,
                "Please correct differential pressure", (ResultGroups{Acoustic}),
                400, 200, 2000, 250},
        Refusal{"PressureAbove", {"400", "200", "2000", "10000.5"}, kNotAsked, DifferentialPressure,
                "Please correct differential pressure", (ResultGroups{Acoustic}),
                400, 200, 2000, 250},
        Refusal{"PressureText", {"400",  "200", "2000", "Pa"},     kNotAsked, DifferentialPressure,
                "Please correct differential pressure", (ResultGroups{Acoustic}),
                400, 200, 2000, 250},
        Refusal{"IncreasePressure", {"400", "200", "2000", "112"}, kNotAsked, std::nullopt,
                "Please increase differential pressure", (ResultGroups{Acoustic}),
                400, 200, 2000, 112},
        // A flow of 0 let through after NO gives the model nothing to work with; refused,
        // it is not kept.
        Refusal{"ZeroFlowNo",   {"400",  "200", "0",    "250"},    kNo,       VolumeFlow,
                "Please correct volume flow",           (ResultGroups{Acoustic, Flow}),
                400, 200, 100, 250},
        Refusal{"HugeFlowNo",   {"400",  "200", "1e308", "250"},   kNo,       VolumeFlow,
                "Please correct volume flow",           (ResultGroups{Acoustic, Flow}),
                400, 200, 100, 250}),
    [](const testing::TestParamInfo<Refusal>& r) { return r.param.name; });
// clang-format on

}  // namespace
}  // namespace lorvane::rectangular
