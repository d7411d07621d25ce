#include "core/attenuator_selection.h"

#include "core/acoustics.h"
#include "core/number_text.h"

namespace lorvane {
namespace {

AttenuatorRow RowBehind(const Octaves& octaveLevels, const Octaves& insertionLoss, int length) {
    AttenuatorRow row;
    row.length = length;
    for (int k = 0; k < kOctaveCount; ++k) {
        row.levels[k] = octaveLevels[k] - insertionLoss[k];
    }
    row.summationLevel = AWeightedSummationLevel(row.levels);
    return row;
}

// Whether the A-weighted level behind an attenuator is sure to round above the target from its
// loudest band alone, so that its summation level need not be formed: a sum of bands is never
// below the loudest of them. The margin, far above the rounding error of the sum's arithmetic,
// keeps every length the sum itself might let through.
bool LoudestBandRoundsAbove(const Octaves& octaveLevels, const Octaves& insertionLoss,
                            double target) {
    constexpr double kMargin = 1e-9;  // dB
    for (int k = 0; k < kOctaveCount; ++k) {
        const double weighted = (octaveLevels[k] - insertionLoss[k]) + OctaveAWeighting(k);
        if (weighted - kMargin >= target + 0.5) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::optional<int> FindAttenuatorDiameter(double diameter) {
    for (int i = 0; i < kAttenuatorDiameterCount; ++i) {
        if (AttenuatorDiameters[i] == diameter) {
            return i;
        }
    }
    return std::nullopt;
}

AttenuatorSelection SelectAttenuatorLengths(double diameter, const Octaves& octaveLevels,
                                            double targetLevel) {
    AttenuatorSelection selection;
    if (!(targetLevel > 0)) {
        return selection;
    }
    const std::optional<int> position = FindAttenuatorDiameter(diameter);
    if (!position) {
        selection.outcome = SelectionOutcome::NoValues;
        return selection;
    }
    selection.outcome = SelectionOutcome::Selected;
    const double target = RoundWhole(targetLevel);
    for (int t = 0; t < kInsulationCount; ++t) {
        const auto& losses = InsertionLossTable[*position][t];
        for (int i = 0; i < kAttenuatorLengthCount; ++i) {
            const bool longest = i + 1 == kAttenuatorLengthCount;
            if (!longest && LoudestBandRoundsAbove(octaveLevels, losses[i], target)) {
                continue;  // too short: the next length is tried
            }
            selection.rows[t] = RowBehind(octaveLevels, losses[i], i);
            selection.rows[t].reachesTarget =
                target >= RoundWhole(selection.rows[t].summationLevel);
            if (selection.rows[t].reachesTarget) {
                break;
            }
        }
    }
    return selection;
}

std::string SelectionTrace(const AttenuatorSelection& selection) {
    switch (selection.outcome) {
        case SelectionOutcome::Cleared:
            return {};
        case SelectionOutcome::NoValues:
            return "No silencer values for this diameter";
        case SelectionOutcome::Selected:
            break;
    }
    std::string trace;
    for (const AttenuatorRow& row : selection.rows) {
        for (double level : row.levels) {
            trace += FormatNumber("%4.0lf", level);
        }
        trace += FormatNumber("%4.0lf", row.summationLevel);
        trace += AttenuatorLengths[row.length].text;
    }
    return trace;
}

}  // namespace lorvane
