#include <gtest/gtest.h>

#include "forms/form.h"
#include "forms/text_view.h"
#include "tests/forms/no_controls.h"

namespace lorvane::forms {
namespace {

using test::kNoControls;

TEST(AskCorrection, KeepsTheQuestionAndReturnsTheAnswer) {
    SharedState state;
    TextView view(kNoControls);
    view.QueueAnswer(true);
    EXPECT_TRUE(AskCorrection(view, state, "Would you like to correct the volume flow?"));
    EXPECT_EQ(state.correctionText, "Would you like to correct the volume flow?");
    // NO, Escape and the close box all answer false.
    EXPECT_FALSE(AskCorrection(view, state, "Again?"));
    EXPECT_EQ(state.correctionText, "Again?");
    EXPECT_EQ(view.Questions().size(), 2u);
}

TEST(ShowNumber, WritesTheFormattedValue) {
    TextView view(kNoControls);
    ShowNumber(view, 1004, "%5.1lf", 3.5368);
    EXPECT_EQ(view.Text(1004), "  3.5");
    ClearFieldRange(view, 1004, 1005);
    EXPECT_EQ(view.Text(1004), "");
}

FormDescription Lists() {
    FormDescription form;
    form.Add({.id = 1, .kind = ControlKind::ComboBox, .items = {"80", "100", "125"}});
    form.Add({.id = 2, .kind = ControlKind::List, .items = {"80", "100", "125"}});
    return form;
}

struct ListCase {
    const char* name;
    ControlId list;
    const char* text;
    const char* shown;  // what the list shows afterwards; it showed "100" before
};

void PrintTo(const ListCase& c, std::ostream* out) {
    *out << c.name;
}

class TextViewListTest : public testing::TestWithParam<ListCase> {};

// The contract the dialog keeps too: a text given to a list selects the first entry that begins
// with it; where none does, a list one may type into shows the text and a selection-only list
// keeps its entry.
TEST_P(TextViewListTest, SelectsAsTheDialogDoes) {
    const FormDescription form = Lists();
    TextView view(form);
    view.SetText(GetParam().list, "100");
    view.SetText(GetParam().list, GetParam().text);
    EXPECT_EQ(view.Text(GetParam().list), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, TextViewListTest,
    testing::Values(ListCase{"ComboPrefix", 1, "8", "80"}, ListCase{"ComboExact", 1, "125", "125"},
                    ListCase{"ComboNoEntry", 1, "90", "90"}, ListCase{"ComboEmpty", 1, "", ""},
                    ListCase{"ListPrefix", 2, "12", "125"}, ListCase{"ListNoEntry", 2, "81", "100"},
                    ListCase{"ListEmpty", 2, "", ""}),
    [](const testing::TestParamInfo<ListCase>& c) { return c.param.name; });

TEST(TextView, TypedTextIsTakenAsItIs) {
    const FormDescription form = Lists();
    TextView view(form);
    view.Type(1, "8");
    view.Type(2, "81");
    EXPECT_EQ(view.Text(1), "8");
    EXPECT_EQ(view.Text(2), "81");
}

TEST(TextView, AnswersFromTheQueueThenTheStandingAnswerThenNo) {
    TextView view(kNoControls);
    view.AnswerAlways("Correct it?", true);
    view.QueueAnswer(false);
    EXPECT_FALSE(view.ShowCorrectionBox("Correct it?"));
    EXPECT_TRUE(view.ShowCorrectionBox("Correct it?"));
    EXPECT_FALSE(view.ShowCorrectionBox("Something else?"));
}

}  // namespace
}  // namespace lorvane::forms
