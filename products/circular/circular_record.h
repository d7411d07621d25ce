#pragma once

#include <array>

#include "core/attenuator_table.h"
#include "forms/result_record.h"
#include "products/circular/circular_controller.h"

namespace lorvane::circular {

// Control ids shared by the four circular controller forms.
namespace ids {
inline constexpr forms::ControlId kHiddenDiameter = 1000;
inline constexpr forms::ControlId kVolumeFlow = 1001;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kTargetLevel = 1003;
inline constexpr forms::ControlId kVelocity = 1004;
inline constexpr forms::ControlId kMinimumPressure = 1005;
inline constexpr forms::ControlId kOctave = 1007;   // to 1014
inline constexpr forms::ControlId kOctaveA = 1016;  // to 1023
inline constexpr forms::ControlId kSummationLevel = 1024;
inline constexpr forms::ControlId kCasing[] = {1025, 1034, 1043};  // 8 bands each
inline constexpr forms::ControlId kCasingSum[] = {1033, 1042, 1051};
inline constexpr forms::ControlId kCalculate = 1083;

// The fields of the attenuator rows: the length text, eight bands, the summation level and
// whether the row reaches the target.
struct AttenuatorRowIds {
    forms::ControlId length;
    forms::ControlId firstBand;
    forms::ControlId summation;
    forms::ControlId targetReached;
};
inline constexpr std::array<AttenuatorRowIds, kInsulationCount> kAttenuatorRows{{
    {1006, 1054, 1062, 1085},  // 25 mm insulation
    {1052, 1063, 1071, 1086},  // 50 mm
    {1053, 1072, 1080, 1087},  // 75 mm
}};
}  // namespace ids

// Every result of a circular controller form: its key, label, format and field.
struct CircularResults {
    forms::ValueSpec vmin;
    forms::ValueSpec vmax;
    forms::ValueSpec velocity;
    forms::ValueSpec zeta;
    forms::ValueSpec minimumPressure;
    forms::ValueSpec accepted;
    forms::BandRowSpec thirdOctave;
    forms::BandRowSpec octave;
    forms::BandRowSpec octaveA;  // with the summation level
    std::array<forms::BandRowSpec, kCasingVariants> casing;
    forms::ValueSpec attenuatorOutcome;
    std::array<forms::ValueSpec, kInsulationCount> attenuatorLength;
    std::array<forms::BandRowSpec, kInsulationCount> attenuatorRows;
    std::array<forms::ValueSpec, kInsulationCount> targetReached;
};

// The results of the controller's record, made on first use.
const CircularResults& ResultsOf(const CircularController& controller);
// The results a controller's record can hold; ResultsOf makes them once and keeps them.
CircularResults MakeResults(const CircularController& controller);

// What a "calculate" came to, as one record: a refused input empties the fields its form
// names and leaves the others as they are; an attenuator selection without values for the
// diameter leaves the attenuator rows as they are.
forms::ResultRecord CircularRecord(const CircularController& controller,
                                   const CircularOutcome& outcome);

}  // namespace lorvane::circular
