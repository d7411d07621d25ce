#include <gtest/gtest.h>

#include "forms/form.h"
#include "forms/text_view.h"

namespace lorvane::forms {
namespace {

TEST(AskCorrection, KeepsTheQuestionAndReturnsTheAnswer) {
    SharedState state;
    TextView view;
    view.QueueAnswer(true);
    EXPECT_TRUE(AskCorrection(view, state, "Would you like to correct the volume flow?"));
    EXPECT_EQ(state.correctionText, "Would you like to correct the volume flow?");
    // NO, Escape and the close box all answer false.
    EXPECT_FALSE(AskCorrection(view, state, "Again?"));
    EXPECT_EQ(state.correctionText, "Again?");
    EXPECT_EQ(view.Questions().size(), 2u);
}

TEST(ShowNumber, WritesTheFormattedValue) {
    TextView view;
    ShowNumber(view, 1004, "%5.1lf", 3.5368);
    EXPECT_EQ(view.Text(1004), "  3.5");
    ClearFieldRange(view, 1004, 1005);
    EXPECT_EQ(view.Text(1004), "");
}

}  // namespace
}  // namespace lorvane::forms
