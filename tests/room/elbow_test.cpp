#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "room/elbow.h"
#include "room/path.h"

namespace lorvane::room {
namespace {

// The value of each row of the table at one octave.
struct RowValues {
    double squareUnlined, squareLined, vanesUnlined, vanesLined, round;
};

struct EdgeCase {
    std::string name;
    int octave;
    double width;  // mm; f·w = the band's nominal centre in kHz x the width
    RowValues expected;
};

void PrintTo(const EdgeCase& c, std::ostream* out) {
    *out << c.name;
}

class ElbowEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(ElbowEdgeTest, AnEdgeBelongsToTheUpperColumn) {
    const EdgeCase& c = GetParam();
    const RowValues& e = c.expected;
    EXPECT_EQ(ElbowAttenuation(c.width, Bend::Square, false, false)[c.octave], e.squareUnlined);
    EXPECT_EQ(ElbowAttenuation(c.width, Bend::Square, false, true)[c.octave], e.squareLined);
    EXPECT_EQ(ElbowAttenuation(c.width, Bend::Square, true, false)[c.octave], e.vanesUnlined);
    EXPECT_EQ(ElbowAttenuation(c.width, Bend::Square, true, true)[c.octave], e.vanesLined);
    EXPECT_EQ(ElbowAttenuation(c.width, Bend::Round, false, false)[c.octave], e.round);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Columns, ElbowEdgeTest,
    testing::Values(
        //       name            octave width    f·w    sq  sqL vanes vanesL round
        EdgeCase{"Below48",       1,    383,  /* 47.875 */ {0,  0,  0,    0,    0}},
        EdgeCase{"On48",          1,    384,  /* 48     */ {1,  1,  1,    1,    1}},
        EdgeCase{"On96",          3,    192,  /* 96     */ {5,  6,  4,    4,    2}},
        EdgeCase{"Below190",      4,    189.9,/* 189.9  */ {5,  6,  4,    4,    2}},
        EdgeCase{"On190",         4,    190,  /* 190    */ {8, 11,  6,    7,    3}},
        EdgeCase{"On380",         5,    190,  /* 380    */ {4, 10,  4,    7,    3}},
        EdgeCase{"On760",         7,    95,   /* 760    */ {3, 10,  4,    7,    3}},
        // f is the nominal centre: 63 Hz x 762 mm is 48.006, where 62.5 Hz would give 47.6.
        EdgeCase{"At63HzNominal", 0,    762,  /* 48.006 */ {1,  1,  1,    1,    1}}),
    [](const auto& c) { return c.param.name; });
// clang-format on

TEST(Elbow, ARoundBendHasOneRowWhateverItsVanesAndLining) {
    const Octaves plain = ElbowAttenuation(400, Bend::Round, false, false);
    EXPECT_EQ(ElbowAttenuation(400, Bend::Round, true, false), plain);
    EXPECT_EQ(ElbowAttenuation(400, Bend::Round, false, true), plain);
    EXPECT_EQ(ElbowAttenuation(400, Bend::Round, true, true), plain);
    // f·w from 25.2 at 63 Hz to 3200 at 8 kHz
    EXPECT_EQ(plain, Octaves({0, 1, 2, 3, 3, 3, 3, 3}));
}

TEST(Elbow, TheWidthInThePlaneOfTheBendIsTheFirstSideWritten) {
    // 384 x 100 mm at 125 Hz: f·w = 48, not 12.5.
    const Elbow wide{Section::Rectangular(384, 100), Bend::Square, false, false};
    const Elbow narrow{Section::Rectangular(100, 384), Bend::Square, false, false};
    EXPECT_EQ(AttenuationOf(wide).decibels[1], 1);
    EXPECT_EQ(AttenuationOf(narrow).decibels[1], 0);
    // A round duct's width is its diameter.
    const Elbow round{Section::Round(384), Bend::Square, false, false};
    EXPECT_EQ(AttenuationOf(round).decibels[1], 1);
}

}  // namespace
}  // namespace lorvane::room
