#include "products/circular/circular_record.h"

#include <gtest/gtest.h>

#include "products/circular/daxel.h"
#include "products/circular/selmon.h"

namespace lorvane::circular {
namespace {

// The third-octave row: the only row of the record with 24 bands.
const forms::BandRow& ThirdOctaves(const forms::ResultRecord& record) {
    for (const forms::ResultItem& item : record.Items()) {
        const auto* row = std::get_if<forms::BandRow>(&item);
        if (row && row->spec.frequencies.size() == kThirdOctaveCount) {
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
    const forms::BandRow& daxel = ThirdOctaves(CircularRecord(DaxelController(),
                                                              Accepted(DaxelController(), 200)));
    ASSERT_EQ(daxel.levels.size(), 24u);
    EXPECT_TRUE(daxel.levels[22].has_value());   // 8 kHz
    EXPECT_FALSE(daxel.levels[23].has_value());  // 10 kHz: not modelled, not 0 dB

    const forms::BandRow& selmon = ThirdOctaves(CircularRecord(SelmonController(),
                                                               Accepted(SelmonController(), 200)));
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

}  // namespace
}  // namespace lorvane::circular
