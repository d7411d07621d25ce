#pragma once

#include <string_view>

#include "core/attenuator_selection.h"
#include "forms/form_description.h"
#include "forms/form_view.h"

namespace lorvane::circular {

// The fields of one attenuator row of a circular controller form: the same ids in all four.
struct AttenuatorRowIds {
    forms::ControlId length;
    forms::ControlId firstBand;
    forms::ControlId summation;
};

inline constexpr std::array<AttenuatorRowIds, kInsulationCount> kAttenuatorRowIds{{
    {1006, 1054, 1062},  // 25 mm insulation
    {1052, 1063, 1071},  // 50 mm
    {1053, 1072, 1080},  // 75 mm
}};

// Empties the 30 attenuator fields.
void ClearAttenuatorFields(forms::FormView& view);

// Binds a selection to the attenuator rows: Cleared empties them, NoValues leaves them as they
// are, Selected writes each row's length text, levels and summation level in the given format.
void ShowAttenuatorSelection(forms::FormView& view, const AttenuatorSelection& selection,
                             std::string_view levelFormat);

}  // namespace lorvane::circular
