#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/shared_state.h"
#include "forms/product_form.h"
#include "products/rectangular/rectangular_controller.h"

namespace lorvane::rectangular {

// Control ids the Basko and Quenta forms share.
namespace ids {
inline constexpr forms::ControlId kVolumeFlow = 1001;
inline constexpr forms::ControlId kDifferentialPressure = 1002;
inline constexpr forms::ControlId kHeight = 1003;
inline constexpr forms::ControlId kVelocity = 1004;
inline constexpr forms::ControlId kMinimumPressure = 1005;
inline constexpr forms::ControlId kOctave = 1007;  // to 1014
inline constexpr forms::ControlId kVmin = 1017;
inline constexpr forms::ControlId kVmax = 1018;
inline constexpr forms::ControlId kBare = 1025;  // to 1032
inline constexpr forms::ControlId kBareSum = 1033;
inline constexpr forms::ControlId kCalculate = 1083;
inline constexpr forms::ControlId kWidth = 1084;
inline constexpr forms::ControlId kInsulated30 = 1085;  // to 1092
inline constexpr forms::ControlId kInsulated30Sum = 1093;
}  // namespace ids

// The results both forms show: velocity, minimum pressure and the acoustic rows. Only the
// field of the air-regenerated summation level differs between them.
struct RectResults {
    forms::ValueSpec velocity;
    forms::ValueSpec minimumPressure;
    forms::ValueSpec accepted;
    forms::ValueSpec casingClass;
    forms::BandRowSpec octave;  // with the summation level
    forms::BandRowSpec bare;
    forms::BandRowSpec insulated30;
};

RectResults RectResultsOf(forms::ControlId summationField);

// The grid of both forms: row labels, the input fields, the eight bands and the summation
// column.
inline constexpr int kRectColumnCount = 11;

// Caption, heading, the four inputs top left with "calculate" beside them, and velocity and
// minimum pressure at the right.
forms::FormDescription DescribeInputs(std::string caption, forms::ControlId titleId,
                                      std::string heading, const RectResults& results);

// Frequency and A-correction heads, the air-regenerated row and the two case-radiated rows,
// from the given row down.
void AddBandTable(forms::FormDescription& form, int firstRow, const RectResults& results);

// The options of width, height, volume flow and differential pressure, with the ranges the
// form accepts in their help.
std::vector<forms::Option> SizeAndFlowOptions(std::string_view sideRange);

// The texts of the width and height options of a size in mm.
forms::InputTexts SizeTexts(double width, double height);

// The four inputs as the shared state fills them when a form opens.
std::vector<forms::FieldText> InitialInputTexts(const SharedState& state);

// Record helpers. A group the press did not reach is emptied on the form and left out of JSON.
void NotComputedFlow(forms::ResultRecord& record, const RectResults& results);
void NotComputedAcoustic(forms::ResultRecord& record, const RectResults& results);

// Velocity, minimum pressure and whether the differential pressure is enough.
void AddFlow(forms::ResultRecord& record, const RectResults& results, double velocity,
             double minimumPressure, bool accepted);

// The air-regenerated and case-radiated rows. A width beyond every casing size class gives no
// case-radiated noise: its rows stay empty and a note says why.
void AddSpectrum(forms::ResultRecord& record, const RectResults& results,
                 const RectSpectrum& spectrum);

}  // namespace lorvane::rectangular
