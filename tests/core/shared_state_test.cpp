#include "core/shared_state.h"

#include <gtest/gtest.h>

namespace lorvane {
namespace {

struct FamilyRecord {
    double width = 200;
};

TEST(SharedState, AFamilyRecordStartsWithItsOwnValuesAndKeepsWhatIsStored) {
    SharedState state;
    EXPECT_EQ(state.Of<FamilyRecord>().width, 200);
    state.Of<FamilyRecord>().width = 1500;
    EXPECT_EQ(state.Of<FamilyRecord>().width, 1500);

    SharedState copy = state;  // a copy carries the records with it
    copy.Of<FamilyRecord>().width = 300;
    EXPECT_EQ(state.Of<FamilyRecord>().width, 1500);
    EXPECT_EQ(SharedState{}.Of<FamilyRecord>().width, 200);
}

}  // namespace
}  // namespace lorvane
