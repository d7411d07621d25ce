#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "core/acoustics.h"
#include "core/attenuator_selection.h"
#include "core/number_text.h"
#include "tests/core/insulation_columns.h"

namespace lorvane {
namespace {

constexpr double k250mm = 250;
using test::k25mm;

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

// Lengths whose loudest band alone rounds above the target are passed over without their
// summation level. The choice must be the one that trying every length in turn makes, down to
// the last bit of the levels, also where one band makes nearly all of the sum and lies within
// a hair of the rounding boundary.
TEST(AttenuatorSelection, PassingOverShortLengthsChangesNoChoice) {
    const auto everyLengthInTurn = [](const Octaves& levels, const Octaves& losses, int length,
                                      double target) {
        return RoundWhole(target) >= RoundWhole(LevelBehind(levels, losses)) ||
               length + 1 == kAttenuatorLengthCount;
    };
    std::vector<std::pair<Octaves, double>> cases;  // levels and target
    for (double level = 20; level <= 110; level += 7.3) {
        for (double target : {1.0, 25.0, 35.4, 45.5, 60.0}) {
            cases.push_back({Flat(level), target});
            cases.push_back({Octaves{level, level - 3, level - 8, level - 12, level - 15,
                                     level - 20, level - 26, level - 30},
                             target});
        }
    }
    // One band, the 1 kHz octave (no A-weighting), holding the sum: its level behind 0.75 m of
    // 250 mm / 25 mm is the target plus a half, give or take a few steps of the last bit.
    const Octaves& losses = InsertionLossTable[FindAttenuatorDiameter(k250mm).value()][k25mm][1];
    for (int steps = -4; steps <= 4; ++steps) {
        Octaves levels = Flat(-200);
        double loud = 40.5 + losses[4];
        for (int s = 0; s < std::abs(steps); ++s) {
            loud = std::nextafter(loud, steps < 0 ? 0.0 : 1000.0);
        }
        levels[4] = loud;
        cases.push_back({levels, 40});
    }
    for (const double diameter : AttenuatorDiameters) {
        const int position = FindAttenuatorDiameter(diameter).value();
        for (const auto& [levels, target] : cases) {
            const AttenuatorSelection selection =
                SelectAttenuatorLengths(diameter, levels, target);
            for (int t = 0; t < kInsulationCount; ++t) {
                SCOPED_TRACE(testing::Message() << diameter << " mm, insulation " << t << ", "
                                                << levels[0] << " dB, target " << target);
                const auto& rows = InsertionLossTable[position][t];
                int length = 0;
                while (!everyLengthInTurn(levels, rows[length], length, target)) {
                    ++length;
                }
                EXPECT_EQ(selection.rows[t].length, length);
                EXPECT_EQ(selection.rows[t].summationLevel, LevelBehind(levels, rows[length]));
            }
        }
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
