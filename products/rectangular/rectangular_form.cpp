#include "products/rectangular/rectangular_form.h"

#include "core/bands.h"
#include "core/number_text.h"
#include "forms/band_layout.h"
#include "forms/input_layout.h"
#include "products/rectangular/casing_classes.h"

namespace lorvane::rectangular {
namespace {

using forms::BandRowSpec;
using forms::Cell;
using forms::ControlKind;

BandRowSpec OctaveRow(std::string key, std::string summationKey, std::string label,
                      forms::ControlId first, forms::ControlId summation) {
    return {.key = std::move(key),
            .summationKey = std::move(summationKey),
            .label = std::move(label),
            .unit = "dB",
            .format = "%4.0lf",
            .frequencies = OctaveBands,
            .firstField = first,
            .summationField = summation};
}

// A row the model cannot give: every band and the summation level are absent.
void AddAbsentBands(forms::ResultRecord& record, const BandRowSpec& spec) {
    const std::vector<forms::Number> absent(spec.frequencies.size());
    record.AddBands(spec, std::span<const forms::Number>(absent), std::nullopt);
}

constexpr const char* kCasingHeading = "Case-radiated noise:";

}  // namespace

RectResults RectResultsOf(forms::ControlId summationField) {
    RectResults results{
        .velocity = {"velocity", "Velocity [m/s]", "m/s", "%5.1lf", ids::kVelocity},
        .minimumPressure = {"minimumPressure", "Minimum pressure [Pa]", "Pa", "%5.0lf",
                            ids::kMinimumPressure},
        .accepted = {"accepted", "Differential pressure sufficient"},
        .casingClass = {"casingClass", "Casing size class", "", "%.0lf"},
        .octave = OctaveRow("octave", "summationLevel", "Air-regenerated noise [dB]", ids::kOctave,
                            summationField),
        .bare = OctaveRow("casing.none.levels", "casing.none.summationLevel",
                          "without insulation [dB]", ids::kBare, ids::kBareSum),
        .insulated30 =
            OctaveRow("casing.30mm.levels", "casing.30mm.summationLevel",
                      forms::InsulationLabel(30), ids::kInsulated30, ids::kInsulated30Sum),
    };
    results.bare.group = kCasingHeading;
    results.insulated30.group = kCasingHeading;
    return results;
}

forms::FormDescription DescribeInputs(std::string caption, forms::ControlId titleId,
                                      std::string heading, const RectResults& results) {
    forms::FormDescription form;
    form.caption = std::move(caption);
    form.titleLabel = titleId;
    form.defaultButton = ids::kCalculate;
    form.Add({.id = titleId,
              .kind = ControlKind::Title,
              .text = std::move(heading),
              .cell = {0, 0, kRectColumnCount}});
    forms::AddInputRow(form, 1, "Width [mm]:", ids::kWidth);
    form.Add({.id = ids::kCalculate,
              .kind = ControlKind::Button,
              .text = "calculate",
              .cell = {1, 3, 2}});
    forms::AddInputRow(form, 2, "Height [mm]:", ids::kHeight);
    forms::AddInputRow(form, 3, "Volume flow [m3/h]:", ids::kVolumeFlow);
    forms::AddInputRow(form, 4, "Differential pressure [Pa]:", ids::kDifferentialPressure);
    forms::AddResultPair(form, 1, results.velocity);
    forms::AddResultPair(form, 2, results.minimumPressure);
    return form;
}

void AddBandTable(forms::FormDescription& form, int firstRow, const RectResults& results) {
    forms::AddFrequencyRow(form, firstRow, "Summation level [dB(A)]:");
    forms::AddACorrectionRow(form, firstRow + 1);
    forms::AddBandRow(form, firstRow + 2, results.octave);
    forms::AddLabel(form, {firstRow + 3, 0}, kCasingHeading);
    forms::AddBandRow(form, firstRow + 4, results.bare);
    forms::AddBandRow(form, firstRow + 5, results.insulated30);
}

std::vector<forms::Option> SizeAndFlowOptions(std::string_view sideRange) {
    const std::string sides(sideRange);
    return {
        {.name = "width", .help = "width [mm], " + sides, .field = ids::kWidth},
        {.name = "height",
         .help = "height [mm], " + sides + ", at most the width",
         .field = ids::kHeight},
        {.name = "flow", .help = "volume flow [m3/h]", .field = ids::kVolumeFlow},
        {.name = "dp",
         .help = "differential pressure [Pa], 0.1 to 10000",
         .field = ids::kDifferentialPressure},
    };
}

forms::InputTexts SizeTexts(double width, double height) {
    return {{"width", WholeNumber(width)}, {"height", WholeNumber(height)}};
}

std::vector<forms::FieldText> InitialInputTexts(const SharedState& state) {
    const ProductInputs& inputs = state.productInputs;
    return {
        {ids::kWidth, WholeNumber(inputs.width)},
        {ids::kHeight, WholeNumber(inputs.height)},
        {ids::kVolumeFlow, WholeNumber(inputs.volumeFlow)},
        {ids::kDifferentialPressure, WholeNumber(inputs.differentialPressure)},
    };
}

void NotComputedFlow(forms::ResultRecord& record, const RectResults& results) {
    record.NotComputed(results.velocity);
    record.NotComputed(results.minimumPressure);
    record.NotComputed(results.accepted);
}

void NotComputedAcoustic(forms::ResultRecord& record, const RectResults& results) {
    record.NotComputed(results.casingClass);
    record.NotComputed(results.octave);
    record.NotComputed(results.bare);
    record.NotComputed(results.insulated30);
}

void AddFlow(forms::ResultRecord& record, const RectResults& results, double velocity,
             double minimumPressure, bool accepted) {
    record.Add(results.velocity, velocity);
    record.Add(results.minimumPressure, minimumPressure);
    record.AddFlag(results.accepted, accepted);
}

void AddSpectrum(forms::ResultRecord& record, const RectResults& results,
                 const RectSpectrum& spectrum) {
    record.AddBands(results.octave, spectrum.octave, spectrum.summationLevel);
    if (!spectrum.casing) {
        record.Add(results.casingClass, std::nullopt);
        AddAbsentBands(record, results.bare);
        AddAbsentBands(record, results.insulated30);
        record.AddNote("No casing size class holds a width above " +
                       WholeNumber(CasingSizeClasses.back().widthBound) +
                       " mm: the case-radiated noise is not given");
        return;
    }
    const CasingNoise& casing = *spectrum.casing;
    record.Add(results.casingClass, casing.sizeClass);
    record.AddBands(results.bare, casing.bare.levels, casing.bare.summationLevel);
    record.AddBands(results.insulated30, casing.insulated30.levels,
                    casing.insulated30.summationLevel);
}

}  // namespace lorvane::rectangular
