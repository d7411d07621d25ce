#include "products/rectangular/quenta.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "products/rectangular/quenta_evaluation.h"
#include "tests/products/rectangular/rect_form_harness.h"

namespace lorvane::rectangular {
namespace {

using harness::Texts;
using harness::Whole;

TEST(CalculateQuenta, GivesTheCatalogueExample) {
    const QuentaResult r = CalculateQuenta(600, 300, 5000, 250);
    EXPECT_EQ(FormatNumber("%5.1lf", r.velocity), "  7.7");
    EXPECT_EQ(FormatNumber("%5.0lf", r.minimumPressure), "  100");
    ASSERT_TRUE(r.accepted);
    const RectSpectrum& s = *r.spectrum;
    EXPECT_EQ(Whole(s.octave), (Texts{"72", "70", "68", "63", "57", "52", "50", "53"}));
    EXPECT_EQ(Whole(s.summationLevel), "65");
    const CasingNoise& casing = *s.casing;
    EXPECT_EQ(casing.sizeClass, 8);
    EXPECT_EQ(Whole(casing.bare.levels), (Texts{"72", "66", "64", "57", "50", "43", "40", "41"}));
    EXPECT_EQ(Whole(casing.bare.summationLevel), "59");
    EXPECT_EQ(Whole(casing.insulated30.levels),
              (Texts{"72", "64", "60", "49", "40", "32", "30", "32"}));
    EXPECT_EQ(Whole(casing.insulated30.summationLevel), "55");
    EXPECT_EQ(r.nozzles.nominalSize, 355);
    EXPECT_EQ(r.nozzles.nozzles, 2);
    // Three 100 mm blades in 300 mm.
    EXPECT_EQ(FormatNumber("%4.1lf", r.torques.standard.value()), " 1.5");
    EXPECT_EQ(FormatNumber("%4.1lf", r.torques.hollowProfile.value()), " 2.5");
    EXPECT_EQ(FormatNumber("%4.1lf", r.torques.airtight.value()), " 5.6");
}

TEST(CalculateQuenta, TorquesOfTheWidthAndBladeCount) {
    // Two blades at the reference width of 200 mm: 0.4 and 0.5 Nm a blade, 0.259467 + 1.31486
    // per blade for the airtight damper, each grown by its pressure factor.
    const QuentaResult r = CalculateQuenta(200, 200, 400, 2560);
    EXPECT_DOUBLE_EQ(r.torques.standard.value(), 1.6);
    EXPECT_DOUBLE_EQ(r.torques.hollowProfile.value(), 1.0 * (1 + 2560 / 2900.0));
    EXPECT_DOUBLE_EQ(r.torques.airtight.value(), (0.259467 + 2 * 1.31486) * (1 + 2560 / 6666.6));
}

TEST(CalculateQuenta, NoTorqueWhereNoBladeFits) {
    // 79 mm holds no 100 mm blade: the gap of 21 mm to a full blade is too wide.
    const QuentaResult r = CalculateQuenta(600, 79, 500, 250);
    ASSERT_TRUE(r.spectrum);
    EXPECT_FALSE(r.torques.standard);
    EXPECT_FALSE(r.torques.hollowProfile);
    EXPECT_FALSE(r.torques.airtight);
}

TEST(CalculateQuenta, ItsSpectrumIsNotTheBaskos) {
    // The Basko of the same size and operating point gives 68 dB(A).
    const QuentaResult r = CalculateQuenta(400, 200, 2000, 250);
    EXPECT_EQ(FormatNumber("%5.1lf", r.velocity), "  6.9");
    EXPECT_EQ(FormatNumber("%5.0lf", r.minimumPressure), "   91");
    EXPECT_EQ(Whole(r.spectrum->summationLevel), "58");
}

TEST(CalculateQuenta, ARefusedPressureStopsBeforeTheSpectrum) {
    // 7000 m3/h through 600 x 300 mm is 10.8 m/s with a minimum pressure of 145 Pa.
    const QuentaResult r = CalculateQuenta(600, 300, 7000, 100);
    EXPECT_FALSE(r.accepted);
    EXPECT_FALSE(r.spectrum);
    EXPECT_FALSE(r.torques.standard);
    EXPECT_EQ(FormatNumber("%5.0lf", r.minimumPressure), "  145");
}

struct NozzleSelectionCase {
    double width, height;
    NozzleSelection selection;
};

void PrintTo(const NozzleSelectionCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height << " mm";
}

class SelectNozzlesTest : public testing::TestWithParam<NozzleSelectionCase> {};

TEST_P(SelectNozzlesTest, TakesTheRowWithTheLargestFlow) {
    const NozzleSelectionCase& c = GetParam();
    const NozzleSelection s = SelectNozzles(c.width, c.height);
    const NozzleSelection& e = c.selection;
    EXPECT_EQ(s.found, e.found);
    EXPECT_EQ(s.vmin, e.vmin);
    EXPECT_EQ(s.vmax, e.vmax);
    EXPECT_EQ(s.nozzles, e.nozzles);
    EXPECT_EQ(s.nominalSize, e.nominalSize);
    EXPECT_EQ(s.cFactor, e.cFactor);
    EXPECT_EQ(s.sections, e.sections);
}

const NozzleSelection kNoArrangement{};

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sizes, SelectNozzlesTest,
    testing::Values(
        //                   W       H       found  Vmin   Vmax   n   size  C     sections
        NozzleSelectionCase{ 600,    300,   {true,  1050,  7000,  2,  355,  440,  1}},
        // Only the 100 mm nozzle fits, once both margins are down to 13 mm.
        NozzleSelectionCase{ 200,    100,   {true,    75,   500,  2,  100,   32,  1}},
        // Fits with margins of 12 mm only when half the pitch keeps its half millimetre.
        NozzleSelectionCase{ 190,    100,   {true,    75,   500,  2,  100,   32,  1}},
        // Cut to 189 mm, where one nozzle stands in the row; rounded it would be two.
        NozzleSelectionCase{ 189.9,  100,   {true,  37.5,   250,  1,  100,   16,  1}},
        // 5 x 200 mm carries more than every row recorded after it; 8 x 125 mm ends the walk.
        NozzleSelectionCase{1000,    200,   {true,   825,  5500,  5,  200,  355,  1}},
        NozzleSelectionCase{ 600,    600,   {true,  2100, 14000,  4,  355,  880,  2}},
        NozzleSelectionCase{1200,   1200,   {true,  6300, 42000, 12,  355, 2640,  3}},
        NozzleSelectionCase{ 500,    403,   kNoArrangement},
        NozzleSelectionCase{ 600,    405.6, kNoArrangement},  // cut to 405 mm
        NozzleSelectionCase{1000,    820,   kNoArrangement},  // halves of 410 mm
        // Each 203 mm half would need 6 nozzles of 224 mm.
        NozzleSelectionCase{1200,    406,   kNoArrangement}));
// clang-format on

// The state starts from 200 x 100 mm, 100 m3/h, 250 Pa.
struct Press {
    const char* name;
    QuentaEntry entry;
    std::optional<QuentaInput> refused;
    std::string_view message;
    ResultGroups emptied;
    bool showsNozzles;
    double width, height, flow, pressure;  // stored afterwards
};

void PrintTo(const Press& p, std::ostream* out) {
    *out << p.name;
}

class QuentaPressTest : public testing::TestWithParam<Press> {};

TEST_P(QuentaPressTest, NamesTheInputEmptiesItsGroupsAndKeepsWhatWasAccepted) {
    const Press& p = GetParam();
    SharedState state;
    const QuentaOutcome outcome = EvaluateQuenta(state, p.entry);
    EXPECT_EQ(outcome.refused, p.refused);
    EXPECT_EQ(outcome.message, p.message);
    EXPECT_EQ(outcome.emptied, p.emptied);
    EXPECT_EQ(outcome.nozzles.has_value(), p.showsNozzles);
    EXPECT_EQ(outcome.pressureAccepted, p.message.empty());
    const ProductInputs& stored = state.productInputs;
    EXPECT_EQ(stored.width, p.width);
    EXPECT_EQ(stored.height, p.height);
    EXPECT_EQ(stored.volumeFlow, p.flow);
    EXPECT_EQ(stored.differentialPressure, p.pressure);
}

using enum ResultGroup;
const ResultGroups kAllQuentaGroups{Acoustic, Flow, Nozzles, Torque};
const ResultGroups kGroupsBehindTheNozzles{Acoustic, Flow, Torque};

// The rows name the refused input by its enumerator, in this scope only: the Basko's inputs
// have the same names.
std::vector<Press> QuentaFailureTable() {
    using enum QuentaInput;
    // clang-format off
    return {
        // name                W       H       V        dp          refused
        //     message                                   emptied                  nozzles
        //     stored: W, H, V, dp
        Press{"WidthBelow",   {"99",   "100",  "300",   "250"},     Width,
               "Please correct the width",               kAllQuentaGroups,        false,
               200, 100, 100, 250},
        Press{"WidthAbove",   {"1201", "100",  "300",   "250"},     Width,
               "Please correct the width",               kAllQuentaGroups,        false,
               200, 100, 100, 250},
        Press{"WidthEmpty",   {"",     "100",  "300",   "250"},     Width,
               "Please correct the width",               kAllQuentaGroups,        false,
               200, 100, 100, 250},
        Press{"HeightAbove",  {"1200", "1201", "300",   "250"},     Height,
               "Please correct the height",              kAllQuentaGroups,        false,
               1200, 100, 100, 250},
        Press{"HeightAboveWidth", {"300", "400", "300",  "250"},    Height,
               "Please correct the height: it may not exceed the width", kAllQuentaGroups, false,
               300, 100, 100, 250},
        Press{"FlowBelow",    {"600",  "300",  "1049",  "250"},     VolumeFlow,
               "Please correct volume flow",             kGroupsBehindTheNozzles, true,
               600, 300, 100, 250},
        Press{"FlowAbove",    {"600",  "300",  "7001",  "250"},     VolumeFlow,
               "Please correct volume flow",             kGroupsBehindTheNozzles, true,
               600, 300, 100, 250},
        Press{"FlowLowest",   {"600",  "300",  "1050",  "250"},     std::nullopt,
               "",                                       {},                      true,
               600, 300, 1050, 250},
        Press{"FlowHighest",  {"600",  "300",  "7000",  "250"},     std::nullopt,
               "",                                       {},                      true,
               600, 300, 7000, 250},
        // Where no nozzles fit, any number passes, but a text without one does not.
        Press{"AnyFlowWithoutNozzles", {"500", "403", "99999", "10000"}, std::nullopt,
               "",                                       {},                      true,
               500, 403, 99999, 10000},
        Press{"NoFlowWithoutNozzles", {"500", "403", "abc", "250"}, VolumeFlow,
               "Please correct volume flow",             kGroupsBehindTheNozzles, true,
               500, 403, 100, 250},
        // ... nor a flow the model cannot take, which is then not kept.
        Press{"ZeroFlowWithoutNozzles", {"500", "403", "0", "250"}, VolumeFlow,
               "Please correct volume flow",             kGroupsBehindTheNozzles, true,
               500, 403, 100, 250},
        Press{"PressureBelow", {"600", "300",  "5000",  "0.05"},    DifferentialPressure,
               "Please correct differential pressure",   kGroupsBehindTheNozzles, true,
               600, 300, 5000, 250},
        Press{"PressureAbove", {"600", "300",  "5000",  "10000.5"}, DifferentialPressure,
               "Please correct differential pressure",   kGroupsBehindTheNozzles, true,
               600, 300, 5000, 250},
        Press{"IncreasePressure", {"600", "300", "7000", "100"},    std::nullopt,
               "Please increase differential pressure",  (ResultGroups{Acoustic, Torque}), true,
               600, 300, 7000, 100}};
    // clang-format on
}

INSTANTIATE_TEST_SUITE_P(FailureTable, QuentaPressTest, testing::ValuesIn(QuentaFailureTable()),
                         [](const testing::TestParamInfo<Press>& p) { return p.param.name; });

TEST(EvaluateQuenta, StoresVelocityAndSpectrumOfTheCatalogueExample) {
    SharedState state;
    const QuentaOutcome outcome = EvaluateQuenta(state, {"600", "300", "5000", "250"});
    ASSERT_TRUE(outcome.pressureAccepted);
    EXPECT_EQ(outcome.nozzles->cFactor, 440);
    EXPECT_EQ(FormatNumber("%5.1lf", state.productInputs.velocity), "  7.7");
    EXPECT_EQ(Whole(state.octaveLevels), (Texts{"72", "70", "68", "63", "57", "52", "50", "53"}));
}

TEST(EvaluateQuenta, ARefusedPressureKeepsTheEarlierSpectrum) {
    SharedState state;
    state.octaveLevels.fill(40);
    EvaluateQuenta(state, {"600", "300", "7000", "100"});
    EXPECT_EQ(FormatNumber("%5.1lf", state.productInputs.velocity), " 10.8");
    EXPECT_EQ(Whole(state.octaveLevels), Texts(8, "40"));
}

}  // namespace
}  // namespace lorvane::rectangular
