#pragma once

#include <array>
#include <string>

#include "core/attenuator_table.h"
#include "core/bands.h"

namespace lorvane {

enum class SelectionOutcome {
    Cleared,   // no attenuator wanted (target level 0 or less)
    NoValues,  // the diameter has no insertion-loss values
    Selected,
};

// The attenuator chosen for one insulation thickness and the levels behind it.
struct AttenuatorRow {
    int length = 0;             // position in AttenuatorLengths
    Octaves levels{};           // unweighted octave levels behind the attenuator, dB
    double summationLevel = 0;  // A-weighted summation level behind it, dB(A)
    bool reachesTarget = false;  // its rounded summation level is at most the rounded target
};

struct AttenuatorSelection {
    SelectionOutcome outcome = SelectionOutcome::Cleared;
    std::array<AttenuatorRow, kInsulationCount> rows{};  // meaningful when Selected
};

// Per insulation thickness the shortest attenuator whose A-weighted level behind it, rounded to
// a whole number, does not exceed the rounded target; the longest one when none does.
AttenuatorSelection SelectAttenuatorLengths(double diameter, const Octaves& octaveLevels,
                                            double targetLevel);

// The diagnostic trace of a selection: for each thickness the eight levels and the summation
// level in "%4.0lf" and the length text, with no separators; a notice when the diameter has
// no values; nothing when no attenuator was wanted.
std::string SelectionTrace(const AttenuatorSelection& selection);

}  // namespace lorvane
