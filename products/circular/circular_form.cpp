#include "products/circular/circular_form.h"

#include "core/number_text.h"
#include "forms/band_layout.h"
#include "forms/input_layout.h"
#include "products/circular/circular_record.h"

namespace lorvane::circular {
namespace {

using forms::Cell;
using forms::ControlKind;
using forms::FormView;

// Whether an attenuator row reaches the target stands right of its summation level.
constexpr int kTargetReachedColumn = forms::kSummationColumn + 1;
constexpr int kColumnCount = kTargetReachedColumn + 1;

forms::FormDescription Describe(const CircularController& c) {
    const CircularResults& r = ResultsOf(c);
    forms::FormDescription form;
    form.caption = std::string(c.caption);
    form.titleLabel = c.titleId;
    form.defaultButton = ids::kCalculate;
    form.Add({.id = c.titleId,
              .kind = ControlKind::Title,
              .text = std::string(c.heading),
              .cell = {0, 0, kColumnCount}});

    std::vector<std::string> diameters;
    for (const FlowRange& range : c.flowRanges) {
        diameters.push_back(WholeNumber(range.diameter));
    }
    forms::AddLabel(form, {1, 0}, "Diameter [mm]:");
    form.Add({.id = c.diameterListId,
              .kind = ControlKind::ComboBox,
              .cell = forms::InRow(forms::kInputFieldCell, 1),
              .items = std::move(diameters)});
    forms::AddInputRow(form, 2, "Volume flow [m3/h]:", ids::kVolumeFlow);
    forms::AddInputRow(form, 3, "Differential pressure [Pa]:", ids::kDifferentialPressure);
    forms::AddInputRow(form, 4, "Summation level [dB(A)]:", ids::kTargetLevel);
    form.Add({.id = ids::kCalculate,
              .kind = ControlKind::Button,
              .text = "calculate",
              .cell = {1, 3, 2}});
    forms::AddLabel(form, {5, 1, 8}, "Maximum summation level A-weighted with attenuator");
    if (c.hasHiddenDiameterField) {
        forms::AddField(form, ids::kHiddenDiameter, ControlKind::Hidden, {0, 0});
    }
    forms::AddResultPair(form, 1, r.vmin);
    forms::AddResultPair(form, 2, r.vmax);
    forms::AddResultPair(form, 3, r.velocity);
    forms::AddResultPair(form, 4, r.minimumPressure);

    forms::AddFrequencyRow(form, 7, "Summation level [dB(A)]:");
    forms::AddACorrectionRow(form, 8);
    forms::AddBandRow(form, 9, r.octave);
    forms::AddBandRow(form, 10, r.octaveA);
    forms::AddLabel(form, {11, 0}, std::string(c.casingHeading));
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        forms::AddBandRow(form, 12 + variant, r.casing[variant]);
    }
    forms::AddLabel(form, {15, 0}, r.attenuatorRows[0].group);
    forms::AddLabel(form, {15, forms::kRowTextColumn}, "Length [mm]:");
    forms::AddLabel(form, {15, kTargetReachedColumn}, r.targetReached[0].label + ":");
    for (int t = 0; t < kInsulationCount; ++t) {
        forms::AddField(form, r.attenuatorLength[t].field, ControlKind::Result,
                        {16 + t, forms::kRowTextColumn});
        forms::AddBandRow(form, 16 + t, r.attenuatorRows[t]);
        forms::AddField(form, r.targetReached[t].field, ControlKind::Result,
                        {16 + t, kTargetReachedColumn});
    }
    return form;
}

std::vector<forms::Option> Options(const CircularController& c) {
    const std::string pressures = FormatNumber("%.1lf", kMinimumDifferentialPressure) + " to " +
                                  WholeNumber(ProductInputs{}.maxDifferentialPressure);
    return {
        {.name = "diameter", .help = "nominal diameter [mm]", .field = c.diameterListId},
        {.name = "flow",
         .help = "volume flow [m3/h], in the range of the diameter (below)",
         .field = ids::kVolumeFlow},
        {.name = "dp",
         .help = "differential pressure [Pa], " + pressures,
         .field = ids::kDifferentialPressure},
        {.name = "target",
         .help = "summation level wanted behind an attenuator [dB(A)], 0 to " +
                 WholeNumber(kMaximumTargetLevel) + "; 0: no attenuator wanted",
         .field = ids::kTargetLevel},
    };
}

// The volume flow range of every diameter, as lorvane-calc's help lists them.
std::vector<std::string> FlowRangeNotes(const CircularController& c) {
    std::vector<std::string> notes{"Volume flow range [m3/h] of each diameter [mm]:"};
    for (const FlowRange& range : c.flowRanges) {
        notes.push_back("  " + WholeNumber(range.diameter) + ": " + WholeNumber(range.vmin) +
                        " to " + WholeNumber(range.vmax));
    }
    return notes;
}

// The diameters whose flow range holds the volume flow, in the order of the diameter list, each
// as its list shows it.
std::vector<forms::InputTexts> DiametersServing(const CircularController& c, double volumeFlow) {
    std::vector<forms::InputTexts> sizes;
    for (const FlowRange& range : c.flowRanges) {
        if (range.vmin <= volumeFlow && volumeFlow <= range.vmax) {
            sizes.push_back({{"diameter", WholeNumber(range.diameter)}});
        }
    }
    return sizes;
}

}  // namespace

forms::FormSpec CircularFormSpec(const CircularController& c) {
    return {
        .description = Describe(c),
        .options = Options(c),
        .initialTexts =
            [&c](SharedState& state) {
                std::vector<forms::FieldText> texts{
                    {c.diameterListId, "100"},
                    {ids::kVolumeFlow, WholeNumber(state.productInputs.volumeFlow)},
                    {ids::kDifferentialPressure,
                     WholeNumber(state.productInputs.differentialPressure)},
                    {ids::kTargetLevel, WholeNumber(state.targetLevel)},
                };
                if (c.hasHiddenDiameterField) {
                    texts.push_back(
                        {ids::kHiddenDiameter, WholeNumber(state.productInputs.diameter)});
                }
                return texts;
            },
        .evaluate =
            [&c](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                using forms::TextOf;
                const CircularEntry entry{TextOf(texts, "diameter"), TextOf(texts, "flow"),
                                          TextOf(texts, "dp"), TextOf(texts, "target")};
                return CircularRecord(c, EvaluateCircular(c, state, entry));
            },
        .onSelection =
            [&c](FormView& view, SharedState& /*state*/, forms::ControlId list, int index) {
                if (list != c.diameterListId || index < 0 ||
                    index >= static_cast<int>(c.flowRanges.size())) {
                    return;
                }
                const CircularResults& r = ResultsOf(c);
                forms::ShowNumber(view, r.vmin.field, r.vmin.format, c.flowRanges[index].vmin);
                forms::ShowNumber(view, r.vmax.field, r.vmax.format, c.flowRanges[index].vmax);
            },
        .candidateSizes = [&c](double volumeFlow) { return DiametersServing(c, volumeFlow); },
        .helpNotes = FlowRangeNotes(c),
    };
}

}  // namespace lorvane::circular
