// The lines of a chart of a record's octave levels, shared by the chart beside a form and the one
// painted on a data sheet.

#include <gtest/gtest.h>

#include "core/bands.h"
#include "forms/chart_lines.h"

namespace lorvane::forms {
namespace {

const BandRowSpec kShown{.key = "octave",
                         .label = "Air-regenerated noise [dB]",
                         .group = "",
                         .unit = "dB",
                         .format = "%4.0lf",
                         .frequencies = OctaveBands,
                         .firstField = 100};
const BandRowSpec kGrouped{.key = "casing",
                           .label = "without insulation [dB]",
                           .group = "Case-radiated noise:",
                           .unit = "dB",
                           .format = "%4.0lf",
                           .frequencies = OctaveBands,
                           .firstField = 200};
const BandRowSpec kNotOnTheForm{.key = "hidden",
                                .label = "hidden",
                                .unit = "dB",
                                .format = "%4.0lf",
                                .frequencies = OctaveBands};

const BandRowSpec kCharted{.key = "listener",
                           .label = "At the listener",
                           .unit = "dB",
                           .format = "%5.0lf",
                           .frequencies = OctaveBands,
                           .charted = true};

ResultRecord Record() {
    ResultRecord record;
    const std::array<Number, 8> levels{50, 51, std::nullopt, 53, 54, 55, 56, 57};
    record.AddBands(kShown, levels);
    const std::array<double, 8> nan{40, 41, 42, 43, 44, 45, 46, std::nan("")};
    record.AddBands(kGrouped, nan);
    record.AddBands(kNotOnTheForm, nan);
    record.NotComputed(kGrouped);
    // A target summation level: a mark beside the summation levels, no curve over the bands.
    record.AddReference({"Target 35 dB(A)", std::vector<Number>(8), 35});
    return record;
}

TEST(ChartLines, AreTheRowsShownOnTheFormThenTheReferences) {
    const std::vector<ChartLine> lines = ChartLines(Record());
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].label, "Air-regenerated noise [dB]");
    EXPECT_FALSE(lines[0].levels[2]);  // a band the model cannot give has no point
    EXPECT_EQ(lines[1].label, "without insulation [dB]");
    EXPECT_EQ(lines[1].group, "Case-radiated noise");  // the heading without its colon
    EXPECT_FALSE(lines[1].levels[7]);                  // nor has a level that is not finite
    EXPECT_TRUE(lines[2].reference);
    EXPECT_EQ(lines[2].summation, 35);  // counted in the level range
    EXPECT_EQ(ChartLevelRange(lines).low, 30);
    EXPECT_EQ(ChartLevelRange(lines).high, 60);
}

TEST(ChartLines, AFilteredOutRowTakesItsReferencesWithIt) {
    const auto none = [](const BandRow&) { return false; };
    EXPECT_TRUE(ChartLines(Record(), none).empty());
    EXPECT_EQ(ChartLevelRange({}).low, 0);
    EXPECT_EQ(ChartLevelRange({}).high, 100);
}

TEST(ChartLines, ARowWithoutFieldsIsDrawnOnlyWhereItIsCharted) {
    ResultRecord record;
    const std::array<double, 8> levels{40, 41, 42, 43, 44, 45, 46, 47};
    record.AddBands(kNotOnTheForm, levels);
    record.AddBands(kCharted, levels, 50);
    const std::vector<ChartLine> lines = ChartLines(record);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].label, "At the listener");
    EXPECT_EQ(lines[0].levels[7], 47);
    EXPECT_EQ(lines[0].summation, 50);  // and its summation level, beside the bands
}

}  // namespace
}  // namespace lorvane::forms
