#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/acoustics.h"
#include "core/attenuator_selection.h"

namespace lorvane {
namespace {

constexpr double k250mm = 250;
constexpr int k25mm = 0;

Octaves Flat(double level) {
    Octaves levels;
    levels.fill(level);
    return levels;
}

std::string LengthText(const AttenuatorRow& row) {
    return std::string(AttenuatorLengths[row.length].text);
}

double LevelBehind(const Octaves& octaveLevels, const Octaves& insertionLoss) {
    Octaves behind;
    for (int k = 0; k < kOctaveCount; ++k) {
        behind[k] = octaveLevels[k] - insertionLoss[k];
    }
    return AWeightedSummationLevel(behind);
}

// Flat octave levels for which the A-weighted level behind the given attenuator is exactly
// `level`: a shift computed from 60 dB, then moved by single steps of the last bit.
Octaves FlatLevelsGiving(double level, const Octaves& insertionLoss) {
    double shift = level - LevelBehind(Flat(60), insertionLoss);
    for (int step = 0; step < 200; ++step) {
        const double reached = LevelBehind(Flat(60 + shift), insertionLoss);
        if (reached == level) {
            break;
        }
        const double towards = reached < level ? std::numeric_limits<double>::infinity()
                                               : -std::numeric_limits<double>::infinity();
        shift = std::nextafter(shift, towards);
    }
    return Flat(60 + shift);
}

TEST(AttenuatorSelection, WorkedExampleAt250mm) {
    const AttenuatorSelection selection = SelectAttenuatorLengths(k250mm, Flat(60), 50);
    ASSERT_EQ(selection.outcome, SelectionOutcome::Selected);

    struct Expected {
        const char* length;
        Octaves levels;
        double summationLevel;
    };
    const Expected expected[] = {
        {"2.00m", {59, 58, 56, 48, 26, 18, 40, 44}, 51.31},
        {"1.50m", {57, 55.5, 50, 38, 20, 30, 44, 48}, 50.36},
        {"1.50m", {55.5, 51, 41, 30, 11, 27, 43, 47}, 48.504},
    };
    for (int t = 0; t < kInsulationCount; ++t) {
        SCOPED_TRACE(t);
        const AttenuatorRow& row = selection.rows[t];
        EXPECT_EQ(LengthText(row), expected[t].length);
        EXPECT_EQ(row.levels, expected[t].levels);
        EXPECT_NEAR(row.summationLevel, expected[t].summationLevel, 0.005);
    }
    EXPECT_EQ(SelectionTrace(selection),
              "  59  58  56  48  26  18  40  44  512.00m"
              "  57  56  50  38  20  30  44  48  501.50m"
              "  56  51  41  30  11  27  43  47  491.50m");
}

TEST(AttenuatorSelection, WorkedExampleLevelsOfEveryLengthWith25mm) {
    // The first is 60.4648 by the formula (60.47 rounded).
    const double expected[] = {60.4648, 58.40, 57.09, 55.16, 53.84, 52.41, 51.31};
    const int d = FindAttenuatorDiameter(k250mm).value();
    for (int i = 0; i < kAttenuatorLengthCount; ++i) {
        const double tolerance = i == 0 ? 0.00005 : 0.005;
        EXPECT_NEAR(LevelBehind(Flat(60), InsertionLossTable[d][k25mm][i]), expected[i], tolerance)
            << i;
    }
}

// The comparison is made on whole numbers, halves rounded up, for the target and the level.
TEST(AttenuatorSelection, ComparesRoundedLevels) {
    struct Case {
        double levelAtHalfMetre;  // A-weighted level behind 0.50 m of 250 mm / 25 mm
        double target;
        const char* chosen;
    };
    const Case cases[] = {
        {50.5, 50, "0.75m"},                            // 50.5 rounds to 51, above 50
        {50.5, 51, "0.50m"},     {50.49, 50, "0.50m"},  // 50.49 rounds to 50
        {50.49, 49.5, "0.50m"},                         // the target rounds to 50 as well
        {50.49, 49.49, "0.75m"},
    };
    const Octaves& halfMetre = InsertionLossTable[FindAttenuatorDiameter(k250mm).value()][k25mm][0];
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.levelAtHalfMetre << " against " << c.target);
        const Octaves levels = FlatLevelsGiving(c.levelAtHalfMetre, halfMetre);
        ASSERT_EQ(LevelBehind(levels, halfMetre), c.levelAtHalfMetre);
        const AttenuatorSelection selection = SelectAttenuatorLengths(k250mm, levels, c.target);
        EXPECT_EQ(LengthText(selection.rows[k25mm]), c.chosen);
    }
}

TEST(AttenuatorSelection, TargetAboveEverythingTakesTheShortestAndTarget1TheLongest) {
    const Octaves levels{70, 68, 65, 62, 60, 57, 54, 50};
    const AttenuatorSelection generous = SelectAttenuatorLengths(160, levels, 90);
    const AttenuatorSelection strict = SelectAttenuatorLengths(160, levels, 1);
    ASSERT_EQ(generous.outcome, SelectionOutcome::Selected);
    ASSERT_EQ(strict.outcome, SelectionOutcome::Selected);
    for (int t = 0; t < kInsulationCount; ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(LengthText(generous.rows[t]), "0.50m");
        EXPECT_EQ(LengthText(strict.rows[t]), "2.00m");
        EXPECT_GT(strict.rows[t].summationLevel, 1);  // missed, and nothing says so
    }
}

TEST(AttenuatorSelection, NoTargetOrNoValues) {
    struct Case {
        double diameter;
        double target;
        SelectionOutcome outcome;
        const char* trace;
    };
    const Case cases[] = {
        {250, 0, SelectionOutcome::Cleared, ""},
        {250, -3, SelectionOutcome::Cleared, ""},
        {450, 0, SelectionOutcome::Cleared, ""},  // no target: the diameter is not looked up
        {450, 50, SelectionOutcome::NoValues, "No silencer values for this diameter"},
        {250.0001, 50, SelectionOutcome::NoValues, "No silencer values for this diameter"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diameter << " mm, target " << c.target);
        const AttenuatorSelection selection =
            SelectAttenuatorLengths(c.diameter, Flat(60), c.target);
        EXPECT_EQ(selection.outcome, c.outcome);
        EXPECT_EQ(SelectionTrace(selection), c.trace);
    }
}

}  // namespace
}  // namespace lorvane
