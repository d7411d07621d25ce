#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "forms/form_description.h"
#include "forms/result_record.h"

namespace lorvane::forms {

// The grid of a form with an octave-band table: the row labels, a narrow text column (an
// attenuator's length, for example), the eight bands 63 to 8000 Hz left to right, and the
// summation column at their right.
inline constexpr int kRowLabelColumn = 0;
inline constexpr int kRowTextColumn = 1;
inline constexpr int kFirstBandColumn = 2;
inline constexpr int kSummationColumn = kFirstBandColumn + 8;

void AddLabel(FormDescription& form, Cell cell, std::string text);
// A field; `width` is the number of characters it must hold, 0 for its kind's default.
void AddField(FormDescription& form, ControlId id, ControlKind kind, Cell cell, int width = 0);

// "Frequency [Hz]:" and the eight band heads; with a summation head over the summation column.
// The form then shows its octave rows as a chart too.
void AddFrequencyRow(FormDescription& form, int row,
                     std::optional<std::string> summationHead = std::nullopt);

// "A-correction [dB]:" and the octave A-weightings rounded to whole decibels.
void AddACorrectionRow(FormDescription& form, int row);

// A labelled row of eight read-only band fields with consecutive ids from firstBand, and a
// summation field when one is given.
void AddBandRow(FormDescription& form, int row, std::string label, ControlId firstBand,
                std::optional<ControlId> summation = std::nullopt);

// The row of a result's band levels, labelled and placed as its spec says.
void AddBandRow(FormDescription& form, int row, const BandRowSpec& spec);

// The label of a row for an insulation thickness in mm, "with Insulation thickness 25 mm
// [dB]", and its key in results, "25mm".
std::string InsulationLabel(double thickness);
std::string InsulationKey(double thickness);

// Where the attenuators' insertion loss comes from: which rows are catalogue values, and that
// every other row is an estimate made from them.
const std::string& InsertionLossSource();

// The caveat of an attenuator row whose insertion loss is such an estimate; it may go on with
// more to bear in mind ("; target not reached").
inline constexpr std::string_view kEstimatedInsertionLoss =
    "Estimated insertion loss, not a catalogue value";

// Thicknesses in mm named in a sentence: "25 mm", "25 and 50 mm", "25, 50 and 75 mm"; empty
// for none.
std::string ThicknessList(std::span<const double> thicknesses);

}  // namespace lorvane::forms
