#include "forms/product_form.h"

#include <cmath>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

#include "core/bands.h"
#include "forms/record_fields.h"
#include "forms/text_view.h"
#include "tests/forms/no_controls.h"

namespace lorvane::forms {
namespace {

const ValueSpec kVelocity{"velocity", "Velocity [m/s]", "m/s", "%5.1lf", 11};
const ValueSpec kPressure{"minimumPressure", "Minimum pressure [Pa]", "Pa", "%5.0lf", 12};
const ValueSpec kLength{"length", "Length", "m", "", 13};
const ValueSpec kRating{"nc", "NC", "", "%.0lf", 14};
const ValueSpec kUntouched{"untouched", "Untouched", "", "%.0lf", 15};
const BandRowSpec kOctave{.key = "octave",
                          .summationKey = "summationLevel",
                          .label = "Air-regenerated noise [dB]",
                          .unit = "dB",
                          .format = "%4.0lf",
                          .frequencies = OctaveBands,
                          .firstField = 100,
                          .summationField = 108};

using test::kNoControls;

TEST(ShowRecord, WritesComputedValuesAndEmptiesWhatTheModelCannotGive) {
    TextView view(kNoControls);
    for (ControlId id : {11, 12, 13, 14, 15, 100, 103, 107, 108}) {
        view.SetText(id, "old");
    }
    ResultRecord record;
    record.Add(kVelocity, 3.5368);
    record.Add(kPressure, std::nullopt);
    record.AddText(kLength, "1.50m");
    record.AddShownAs(kRating, 0, "< 10");
    Octaves levels{51.4, 50.5, 49, 48, 47, 48, 43, 42};
    levels[3] = std::numeric_limits<double>::quiet_NaN();
    levels[7] = -std::numeric_limits<double>::infinity();
    record.AddBands(kOctave, levels, 53.2);
    record.AddNote("first");
    record.AddNote("second");

    ShowRecord(view, record, 9000);

    EXPECT_EQ(view.Text(11), "  3.5");
    EXPECT_EQ(view.Text(12), "");
    EXPECT_EQ(view.Text(13), "1.50m");
    EXPECT_EQ(view.Text(14), "< 10");
    EXPECT_EQ(view.Text(15), "old");  // a result the record does not name
    EXPECT_EQ(view.Text(100), "  51");
    EXPECT_EQ(view.Text(101), "  51");  // halves away from zero
    EXPECT_EQ(view.Text(103), "");      // never a formatted NaN
    EXPECT_EQ(view.Text(107), "");      // never "-inf"
    EXPECT_EQ(view.Text(108), "  53");
    EXPECT_EQ(view.Text(9000), "first\nsecond");
}

TEST(ShowRecord, EmptiesTheFieldsOfResultsThePressDidNotReach) {
    TextView view(kNoControls);
    ResultRecord first;
    first.Add(kVelocity, 3.5);
    first.AddBands(kOctave, Octaves{1, 2, 3, 4, 5, 6, 7, 8}, 9);
    first.AddNote("a note of the first press");
    ShowRecord(view, first, 9000);

    ResultRecord second;
    second.NotComputed(kOctave);
    ShowRecord(view, second, 9000);

    EXPECT_EQ(view.Text(11), "  3.5");
    for (ControlId id = 100; id <= 108; ++id) {
        EXPECT_EQ(view.Text(id), "") << id;
    }
    EXPECT_EQ(view.Text(9000), "");
}

// A form of one input whose evaluation refuses "0", asks about "ask" over a velocity of 2.5 and
// otherwise shows a velocity of 1.25.
FormSpec TestSpec() {
    FormDescription description;
    description.caption = "Test";
    description.defaultButton = 1083;
    description.Add({.id = 1001, .kind = ControlKind::Input, .cell = {1, 0}});
    description.Add({.id = 11, .kind = ControlKind::Result, .cell = {1, 1, 3}});
    return {
        .description = description,
        .options = {{.name = "flow", .help = "volume flow", .field = 1001}},
        .initialTexts = [](SharedState&) { return std::vector<FieldText>{{1001, "100"}}; },
        .evaluate =
            [](SharedState&, const InputTexts& texts, const Ask& ask) {
                ResultRecord record;
                const std::string flow = TextOf(texts, "flow");
                ResultRecord soFar;
                soFar.Add(kVelocity, 2.5);
                if (flow == "0") {
                    record.Refuse({"flow", "Please correct volume flow"});
                } else if (flow == "silent") {
                    record.Refuse({.input = "flow", .message = "not shown", .shownOnForm = false});
                } else if (flow == "ask" &&
                           ask("Would you like to correct the volume flow?", soFar)) {
                    record.Refuse({"flow", "corrected"});
                } else {
                    record.Add(kVelocity, 1.25);
                    record.AddDiagnostics("trace");
                }
                return record;
            },
    };
}

// Notes what the velocity field shows while the correction box is up.
class WatchedView : public TextView {
  public:
    using TextView::TextView;
    bool ShowCorrectionBox(std::string_view question) override {
        velocityAtQuestion.push_back(Text(11));
        return TextView::ShowCorrectionBox(question);
    }
    std::vector<std::string> velocityAtQuestion;
};

class ProductFormTest : public testing::Test {
  protected:
    void Press(const std::string& flow) {
        view.Type(1001, flow);
        form.OnButton(view, 1083);
    }

    FormSpec spec = TestSpec();
    SharedState state;
    std::ostringstream diagnostics;
    ProductForm form{spec, FormContext{state, diagnostics}};
    WatchedView view{form.Description()};
};

TEST_F(ProductFormTest, GetsANotesLineUnderEverythingElse) {
    const Control* notes = form.Description().Find(kNotesField);
    ASSERT_NE(notes, nullptr);
    EXPECT_EQ(notes->kind, ControlKind::Note);
    EXPECT_EQ(notes->cell.row, 3);
    EXPECT_EQ(notes->cell.columnSpan, 4);
}

TEST_F(ProductFormTest, ShowsTheRecordAndKeepsIt) {
    EXPECT_EQ(form.LastRecord(), nullptr);
    Press("5");
    EXPECT_EQ(view.Text(11), "  1.3");  // 1.25 exactly: away from zero
    ASSERT_NE(form.LastRecord(), nullptr);
    EXPECT_EQ(form.LastRecord()->NumberAt("velocity"), 1.25);
    EXPECT_EQ(diagnostics.str(), "trace");
    EXPECT_TRUE(view.Errors().empty());
}

TEST_F(ProductFormTest, ShowsARefusalOnlyWhereTheFormSaysIt) {
    Press("0");
    Press("silent");
    EXPECT_EQ(view.Errors(), std::vector<std::string>{"Please correct volume flow"});
    EXPECT_EQ(form.LastRecord()->Refused()->message, "not shown");
}

TEST_F(ProductFormTest, AsksThroughTheCorrectionBoxOverTheResultsSoFar) {
    view.QueueAnswer(true);
    Press("ask");
    EXPECT_EQ(view.velocityAtQuestion, std::vector<std::string>{"  2.5"});
    EXPECT_EQ(view.Errors(), std::vector<std::string>{"corrected"});
    EXPECT_EQ(state.correctionText, "Would you like to correct the volume flow?");
    Press("ask");  // NO: the calculation goes on
    EXPECT_EQ(view.Text(11), "  1.3");  // 1.25 exactly: away from zero
}

TEST_F(ProductFormTest, OtherButtonsDoNothing) {
    form.OnButton(view, 1001);
    EXPECT_EQ(form.LastRecord(), nullptr);
}

}  // namespace
}  // namespace lorvane::forms
