#include "products/circular/attenuator_rows.h"

namespace lorvane::circular {

void ClearAttenuatorFields(forms::FormView& view) {
    for (const AttenuatorRowIds& ids : kAttenuatorRowIds) {
        view.SetText(ids.length, "");
        forms::ClearFieldRange(view, ids.firstBand, ids.summation);
    }
}

void ShowAttenuatorSelection(forms::FormView& view, const AttenuatorSelection& selection,
                             std::string_view levelFormat) {
    switch (selection.outcome) {
        case SelectionOutcome::Cleared:
            ClearAttenuatorFields(view);
            return;
        case SelectionOutcome::NoValues:
            return;
        case SelectionOutcome::Selected:
            break;
    }
    for (int t = 0; t < kInsulationCount; ++t) {
        const AttenuatorRowIds& ids = kAttenuatorRowIds[t];
        const AttenuatorRow& row = selection.rows[t];
        view.SetText(ids.length, AttenuatorLengths[row.length].text);
        for (int k = 0; k < kOctaveCount; ++k) {
            forms::ShowNumber(view, ids.firstBand + k, levelFormat, row.levels[k]);
        }
        forms::ShowNumber(view, ids.summation, levelFormat, row.summationLevel);
    }
}

}  // namespace lorvane::circular
