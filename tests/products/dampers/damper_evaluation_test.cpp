#include "products/dampers/damper_evaluation.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "tests/products/dampers/damper_test_values.h"

namespace lorvane::dampers {
namespace {

using Texts = std::vector<std::string>;

enum class Form { Acoustics, Bending, Leakage, Torque };

// What a press did: its message, and whether it calculated.
struct Press {
    std::string message;
    bool calculated;
};

template <typename Result>
Press PressOf(const DamperOutcome<Result>& outcome) {
    return {OutcomeMessage(outcome), outcome.result.has_value()};
}

// Presses "calculate" in a form with its input texts in the form's order.
Press Calculate(SharedState& state, Form form, const Texts& t) {
    switch (form) {
        case Form::Acoustics:
            return PressOf(EvaluateDamperAcoustics(state, {t[0], t[1], t[2], t[3]}));
        case Form::Bending:
            return PressOf(EvaluateBladeBending(state, {t[0], t[1]}));
        case Form::Leakage:
            return PressOf(EvaluateDamperLeakage(state, {t[0], t[1], t[2]}));
        case Form::Torque:
            return PressOf(EvaluateDamperTorque(state, {t[0], t[1], t[2]}));
    }
    return {};
}

// Both records the damper forms write.
struct Stored {
    double width, height, pressure;                                               // ProductInputs
    double damperWidth, damperHeight, volumeFlow, damperPressure, bendingLength;  // DamperInputs

    bool operator==(const Stored&) const = default;
};

void PrintTo(const Stored& s, std::ostream* out) {
    *out << "ProductInputs {" << s.width << ", " << s.height << ", " << s.pressure
         << "}, DamperInputs {" << s.damperWidth << ", " << s.damperHeight << ", " << s.volumeFlow
         << ", " << s.damperPressure << ", " << s.bendingLength << "}";
}

Stored StoredIn(SharedState& state) {
    const ProductInputs& p = state.productInputs;
    const DamperInputs& d = state.Of<DamperInputs>();
    return {p.width,  p.height,     p.differentialPressure, d.width,
            d.height, d.volumeFlow, d.differentialPressure, d.bendingLength};
}

// clang-format off
//                     ProductInputs      DamperInputs
//                     W    H    dp       W    H    V    dp   bending length
constexpr Stored kStart{200, 100, 250,     200, 200, 200, 100, 200};
// clang-format on

struct FlowCase {
    const char* name;
    Form form;
    Texts texts;
    std::string message;  // empty when the press calculated
    Stored stored;
};

class DamperFormFlowTest : public testing::TestWithParam<FlowCase> {};

TEST_P(DamperFormFlowTest, StoresEachAcceptedValueInItsRecordAndNamesTheRefusedInput) {
    const FlowCase& c = GetParam();
    SharedState state;
    const Press press = Calculate(state, c.form, c.texts);
    EXPECT_EQ(press.message, c.message);
    EXPECT_EQ(press.calculated, c.message.empty());
    EXPECT_EQ(StoredIn(state), c.stored);
}

using test::kHeight;
using test::kWidth;

// clang-format off
INSTANTIATE_TEST_SUITE_P(FailureTable, DamperFormFlowTest, testing::Values(
    // name                    form             texts                                   message
    //         stored: ProductInputs W, H, dp; DamperInputs W, H, V, dp, bending length
    FlowCase{"AcousticsLimits",   Form::Acoustics, {"100", "2000", "0.1", "5000"},          "",
             {200, 100, 250,  100, 2000, 0.1, 5000, 200}},
    FlowCase{"AcousticsUpper",    Form::Acoustics, {"2000", "100", "175000", "0.1"},        "",
             {200, 100, 250,  2000, 100, 175000, 0.1, 200}},
    FlowCase{"AcousticsWidth",    Form::Acoustics, {"99.9", "300", "400", "50"},            kWidth,
             kStart},
    FlowCase{"AcousticsHeight",   Form::Acoustics, {"1500", "abc", "400", "50"},            kHeight,
             {200, 100, 250,  1500, 200, 200, 100, 200}},
    FlowCase{"AcousticsFlow",     Form::Acoustics, {"300", "400", "175000.1", "50"},
             "Please correct the volume flow (0.1 to 175000 m3/h)",
             {200, 100, 250,  300, 400, 200, 100, 200}},
    FlowCase{"AcousticsPressure", Form::Acoustics, {"300", "400", "500", "5000.1"},
             "Please correct the differential pressure (0.1 to 5000 Pa)",
             {200, 100, 250,  300, 400, 500, 100, 200}},
    // the bending form copies its length and pressure for the acoustics form
    FlowCase{"Bending",           Form::Bending,   {"1500", "1000"},                        "",
             {200, 100, 1000,  1500, 200, 200, 1000, 1500}},
    FlowCase{"BendingLimits",     Form::Bending,   {"100", "10000"},                        "",
             {200, 100, 10000,  100, 200, 200, 10000, 100}},
    FlowCase{"BendingLength",     Form::Bending,   {"2000.5", "1000"},
             "Please correct the blade length (100 to 2000 mm)",
             kStart},
    FlowCase{"BendingPressure",   Form::Bending,   {"1500", "10000.5"},
             "Please correct the differential pressure (0.1 to 10000 Pa)",
             {200, 100, 250,  200, 200, 200, 100, 1500}},
    // the leakage form's width is the blade length of the acoustics form
    FlowCase{"Leakage",           Form::Leakage,   {"1000", "1200", "1000"},                "",
             {1000, 1200, 1000,  1000, 200, 200, 100, 200}},
    FlowCase{"LeakagePressure",   Form::Leakage,   {"1000", "1200", "10000.1"},
             "Please correct the differential pressure (0.1 to 10000 Pa)",
             {1000, 1200, 250,  200, 200, 200, 100, 200}},
    FlowCase{"LeakageEmpty",      Form::Leakage,   {"", "1200", "1000"},                    kWidth,
             kStart},
    FlowCase{"Torque",            Form::Torque,    {"1000", "1200", "10000"},               "",
             {1000, 1200, 10000,  200, 200, 200, 100, 200}},
    FlowCase{"TorqueHeight",      Form::Torque,    {"300", "2001", "250"},                  kHeight,
             {300, 100, 250,  200, 200, 200, 100, 200}}),
    [](const testing::TestParamInfo<FlowCase>& c) { return c.param.name; });
// clang-format on

TEST(DamperForms, TheAcousticsFormOpensWithTheStartValuesAndCalculatesThem) {
    SharedState state;
    const DamperAcousticsEntry entry = DamperAcousticsStartEntry(state);
    EXPECT_EQ(entry.width, "200");
    EXPECT_EQ(entry.height, "200");
    EXPECT_EQ(entry.volumeFlow, "200");
    EXPECT_EQ(entry.differentialPressure, "100");
    const DamperAcousticsOutcome outcome = EvaluateDamperAcoustics(state, entry);
    ASSERT_TRUE(outcome.result.has_value());
    EXPECT_EQ(outcome.result->summationLevel, 51);
    EXPECT_NE(outcome.result->aerodynamicTorque, 0);  // "opposite direction"
    EXPECT_TRUE(outcome.notes.empty());
}

TEST(DamperForms, TheAcousticsFormOpensWithTheLengthAndPressureOfTheBendingForm) {
    SharedState state;
    ASSERT_TRUE(EvaluateBladeBending(state, {"1500", "1000"}).result);
    const DamperAcousticsEntry entry = DamperAcousticsStartEntry(state);
    EXPECT_EQ(entry.width, "1500");
    EXPECT_EQ(entry.differentialPressure, "1000");

    // The bending form takes up to 10000 Pa, the acoustics form refuses it when pressed.
    ASSERT_TRUE(EvaluateBladeBending(state, {"1500", "10000"}).result);
    const DamperAcousticsOutcome outcome =
        EvaluateDamperAcoustics(state, DamperAcousticsStartEntry(state));
    EXPECT_EQ(OutcomeMessage(outcome), "Please correct the differential pressure (0.1 to 5000 Pa)");
}

TEST(DamperForms, LeakageTorqueAndBendingShareTheProductInputs) {
    SharedState state;
    ASSERT_TRUE(EvaluateDamperLeakage(state, {"600", "700", "400"}).result);
    const DamperSizeEntry torque = DamperSizeStartEntry(state);
    EXPECT_EQ(torque.width, "600");
    EXPECT_EQ(torque.height, "700");
    EXPECT_EQ(torque.differentialPressure, "400");
    EXPECT_EQ(BladeBendingStartEntry(state).differentialPressure, "400");
    EXPECT_EQ(BladeBendingStartEntry(state).length, "200");
    // The acoustics form keeps its own height and pressure.
    EXPECT_EQ(DamperAcousticsStartEntry(state).height, "200");
    EXPECT_EQ(DamperAcousticsStartEntry(state).differentialPressure, "100");
}

TEST(DamperForms, AListSelectionIsStoredAtOnce) {
    SharedState state;
    EXPECT_TRUE(SelectDamperLinkage(state, 1));  // "same direction"
    EXPECT_TRUE(SelectDamperSealing(state, 0));  // "standard"
    EXPECT_FALSE(SelectDamperLinkage(state, 2));
    EXPECT_FALSE(SelectDamperSealing(state, -1));
    EXPECT_EQ(state.Of<DamperInputs>().linkageSelection, 1);
    EXPECT_EQ(state.Of<DamperInputs>().sealingSelection, 0);

    const DamperAcousticsOutcome outcome =
        EvaluateDamperAcoustics(state, DamperAcousticsStartEntry(state));
    ASSERT_TRUE(outcome.result.has_value());
    EXPECT_EQ(outcome.result->aerodynamicTorque, 0);
    EXPECT_EQ(outcome.result->maxZeta, 2000);
}

struct NoteCase {
    const char* name;
    int linkage;
    Texts texts;
    Texts notes;
};

class DamperAcousticsNoteTest : public testing::TestWithParam<NoteCase> {};

TEST_P(DamperAcousticsNoteTest, SaysWhatTheResultCannotShow) {
    const NoteCase& c = GetParam();
    SharedState state;
    SelectDamperLinkage(state, c.linkage);
    const DamperAcousticsOutcome outcome =
        EvaluateDamperAcoustics(state, {c.texts[0], c.texts[1], c.texts[2], c.texts[3]});
    ASSERT_TRUE(outcome.result.has_value());
    EXPECT_EQ(outcome.notes, c.notes);
    for (const std::optional<double>& level : outcome.result->octave) {
        EXPECT_TRUE(!level || std::isfinite(*level));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Notes, DamperAcousticsNoteTest, testing::Values(
    NoteCase{"NoBladeOf165mm",   0, {"200", "144", "200", "100"},
             {"No 165 mm blade fits a height below 145 mm"}},
    NoteCase{"OneBladeOf165mm",  0, {"200", "145", "200", "100"}, {}},
    // zeta 0.1 in "same direction" with "hollow profile": an angle of -17.9 degrees
    NoteCase{"NegativeAngle",    1, {"1000", "1000", "36000", "6"},
             {"The resistance is below that of the fully open damper: no blade angle"}},
    // zeta 3.5e12, far above the closed damper's 27000, where the angle polynomial turns down
    NoteCase{"SmallestFlow",     1, {"2000", "2000", "0.1", "100"},
             {"The resistance is above that of the closed damper: no blade angle",
              "The operating point lies outside the range of the sound model"}},
    NoteCase{"SmallestFlowOpposite", 0, {"2000", "2000", "0.1", "100"}, {}}),
    [](const testing::TestParamInfo<NoteCase>& c) { return c.param.name; });
// clang-format on

TEST(DamperForms, TheTorqueFormSaysWhenNo165mmBladeFits) {
    SharedState state;
    const DamperTorqueOutcome outcome = EvaluateDamperTorque(state, DamperSizeStartEntry(state));
    ASSERT_TRUE(outcome.result.has_value());
    EXPECT_EQ(outcome.notes, Texts{"No 165 mm blade fits a height below 145 mm"});
    EXPECT_FALSE(outcome.result->blades[1].weight.has_value());
    EXPECT_TRUE(outcome.result->blades[0].weight.has_value());
}

}  // namespace
}  // namespace lorvane::dampers
