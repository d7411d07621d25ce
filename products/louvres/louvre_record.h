#pragma once

#include <string_view>

#include "forms/result_record.h"
#include "products/louvres/louvre_evaluation.h"

namespace lorvane::louvres {

// Control ids of the louvre form.
namespace ids {
inline constexpr forms::ControlId kWidth = 1173;
inline constexpr forms::ControlId kHeight = 1174;
inline constexpr forms::ControlId kVolumeFlow = 1175;
inline constexpr forms::ControlId kSiteList = 1176;
inline constexpr forms::ControlId kModelList = 1177;
inline constexpr forms::ControlId kFaceArea = 1178;
inline constexpr forms::ControlId kVelocity = 1179;
inline constexpr forms::ControlId kZeta = 1180;
inline constexpr forms::ControlId kCalculate = 1181;
inline constexpr forms::ControlId kPressureLoss = 1182;
inline constexpr forms::ControlId kWaterSeparation = 1183;
inline constexpr forms::ControlId kNc = 1184;
inline constexpr forms::ControlId kTitle = 1185;
inline constexpr forms::ControlId kOctave = 1186;  // to 1193, 63 to 8000 Hz
inline constexpr forms::ControlId kSummationLevel = 1194;
}  // namespace ids

// Every result of the louvre form: its key, label, format and field.
struct LouvreResults {
    forms::ValueSpec faceArea;
    forms::ValueSpec velocity;
    forms::ValueSpec pressureLoss;
    forms::ValueSpec zeta;
    forms::ValueSpec waterSeparation;
    forms::BandRowSpec thirdOctave;  // in no field and not in JSON
    forms::BandRowSpec octave;
    forms::ValueSpec summationLevel;  // of the A-weighted third octaves, not of this row
    forms::ValueSpec nc;
    forms::ValueSpec ncBelowLowestCurve;
};

const LouvreResults& LouvreResultSpecs();

// The text the NC field shows where no band reaches the NC 10 curve.
inline constexpr std::string_view kBelowLowestCurve = "< 10";

// What a "Calculate" came to, as one record. A refused input empties every result field. A
// spectrum below every NC curve keeps 0 as its number, flagged, and the field shows "< 10".
forms::ResultRecord LouvreRecord(const LouvreOutcome& outcome);

}  // namespace lorvane::louvres
