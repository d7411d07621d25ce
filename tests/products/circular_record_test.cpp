#include "products/circular/circular_record.h"

#include <gtest/gtest.h>

#include "products/circular/daxel.h"
#include "products/circular/selmon.h"

namespace lorvane::circular {
namespace {

// The third-octave row: the only row of the record with 24 bands.
forms::BandRow ThirdOctaveRow(const forms::ResultRecord& record) {
    for (const forms::ResultItem& item : record.Items()) {
        const auto* row = std::get_if<forms::BandRow>(&item);
        if (row && row->spec->frequencies.size() == kThirdOctaveCount) {
            return *row;
        }
    }
    throw std::logic_error("no third-octave row");
}

CircularOutcome Accepted(const CircularController& controller, double diameter) {
    SharedState state;
    return EvaluateCircular(controller, state, {std::to_string(diameter), "500", "250", "0"});
}

TEST(CircularRecord, TheRegulatedModelGivesNo10kHzBand) {
    const forms::BandRow daxel =
        ThirdOctaveRow(CircularRecord(DaxelController(), Accepted(DaxelController(), 200)));
    ASSERT_EQ(daxel.levels.size(), 24u);
    EXPECT_TRUE(daxel.levels[22].has_value());   // 8 kHz
    EXPECT_FALSE(daxel.levels[23].has_value());  // 10 kHz: not modelled, not 0 dB

    const forms::BandRow selmon =
        ThirdOctaveRow(CircularRecord(SelmonController(), Accepted(SelmonController(), 200)));
    EXPECT_TRUE(selmon.levels[23].has_value());
}

TEST(CircularRecord, NamesTheRefusedInputByItsOptionAndKeepsTheFormsMessage) {
    SharedState state;
    const forms::ResultRecord record =
        CircularRecord(SelmonController(),
                       EvaluateCircular(SelmonController(), state, {"100", "69", "250", "0"}));
    ASSERT_TRUE(record.Refused());
    EXPECT_EQ(record.Refused()->input, "flow");
    EXPECT_EQ(record.Refused()->message, "Please correct volume flow");
    EXPECT_TRUE(record.Refused()->shownOnForm);
    EXPECT_EQ(record.NumberAt("flowRange.vmin"), 70);
    EXPECT_EQ(record.FindValue("velocity"), nullptr);  // emptied, not computed
}

struct FlagCase {
    const char* name;
    const CircularController& (*controller)();
    CircularEntry entry;
    std::vector<std::string> notes;
};

void PrintTo(const FlagCase& c, std::ostream* out) {
    *out << c.name;
}

class CircularFlagsTest : public testing::TestWithParam<FlagCase> {};

// What the attenuator rows cannot show by themselves is said in a note.
TEST_P(CircularFlagsTest, SaysWhatTheRowsMean) {
    SharedState state;
    const CircularController& controller = GetParam().controller();
    const forms::ResultRecord record =
        CircularRecord(controller, EvaluateCircular(controller, state, GetParam().entry));
    EXPECT_EQ(record.Notes(), GetParam().notes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Notes, CircularFlagsTest, testing::Values(
    // 250 mm: catalogue rows; the 25 mm attenuators cannot bring 61 dB(A) down to 50.
    FlagCase{"TargetNotReached", SelmonController, {"250", "1000", "250", "50"},
             {"Target not reached with 25 mm insulation: the longest attenuator is shown."}},
    FlagCase{"ControllerMeetsTarget", SelmonController, {"250", "1000", "250", "61"},
             {"The controller alone meets the target summation level: no attenuator is needed; "
              "the rows show the shortest one."}},
    FlagCase{"EstimatedRows", SelmonController, {"100", "100", "250", "40"},
             {"The attenuator rows with 25, 50 and 75 mm insulation use estimated insertion "
              "loss values, not catalogue values."}},
    FlagCase{"NoAttenuatorData", DaxelController, {"450", "1000", "250", "30"},
             {"No attenuator data for diameters above 400 mm"}},
    FlagCase{"NoTarget", SelmonController, {"250", "1000", "250", "0"}, {}}),
    [](const testing::TestParamInfo<FlagCase>& c) { return c.param.name; });
// clang-format on

}  // namespace
}  // namespace lorvane::circular
