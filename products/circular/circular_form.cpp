#include "products/circular/circular_form.h"

#include <ostream>

#include "core/number_text.h"
#include "forms/band_layout.h"
#include "products/circular/attenuator_rows.h"

namespace lorvane::circular {
namespace {

using forms::Cell;
using forms::ControlKind;
using forms::FormView;

constexpr int kColumnCount = forms::kSummationColumn + 1;
constexpr Cell kFieldCell{0, 1, 2};   // column and span of an input field
constexpr Cell kRightLabel{0, 6, 3};  // the result labels of the input section
constexpr Cell kRightField{0, 9, 2};

Cell InRow(Cell cell, int row) {
    cell.row = row;
    return cell;
}

void AddInputRow(forms::FormDescription& form, int row, std::string label, forms::ControlId id) {
    forms::AddLabel(form, {row, 0}, std::move(label));
    forms::AddField(form, id, ControlKind::Input, InRow(kFieldCell, row));
}

void AddResultPair(forms::FormDescription& form, int row, std::string label, forms::ControlId id) {
    forms::AddLabel(form, InRow(kRightLabel, row), std::move(label));
    forms::AddField(form, id, ControlKind::Result, InRow(kRightField, row));
}

std::string WholeNumber(double value) {
    return FormatNumber("%.0lf", value);
}

void ClearVelocityFields(FormView& view) {
    forms::ClearFieldRange(view, ids::kVelocity, ids::kMinimumPressure);
}

void ClearAcousticFields(FormView& view) {
    forms::ClearFieldRange(view, ids::kOctave, ids::kOctave + 7);
    forms::ClearFieldRange(view, ids::kOctaveA, ids::kSummationLevel);
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        forms::ClearFieldRange(view, ids::kCasing[variant], ids::kCasingSum[variant]);
    }
    ClearAttenuatorFields(view);
}

void ShowBands(FormView& view, forms::ControlId first, std::string_view format,
               const Octaves& levels) {
    for (int k = 0; k < kOctaveCount; ++k) {
        forms::ShowNumber(view, first + k, format, levels[k]);
    }
}

void ShowSpectrum(FormView& view, std::string_view format, const CircularSpectrum& spectrum) {
    ShowBands(view, ids::kOctave, format, spectrum.octave);
    ShowBands(view, ids::kOctaveA, format, spectrum.octaveA);
    forms::ShowNumber(view, ids::kSummationLevel, format, spectrum.summationLevel);
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        ShowBands(view, ids::kCasing[variant], format, spectrum.casing[variant]);
        forms::ShowNumber(view, ids::kCasingSum[variant], format, spectrum.casingSum[variant]);
    }
}

}  // namespace

forms::FormDescription CircularFormDescription(const CircularController& c) {
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
              .cell = InRow(kFieldCell, 1),
              .items = std::move(diameters)});
    AddInputRow(form, 2, "Volume flow [m3/h]:", ids::kVolumeFlow);
    AddInputRow(form, 3, "Differential pressure [Pa]:", ids::kDifferentialPressure);
    AddInputRow(form, 4, "Summation level [dB(A)]:", ids::kTargetLevel);
    form.Add({.id = ids::kCalculate,
              .kind = ControlKind::Button,
              .text = "calculate",
              .cell = {1, 3, 2}});
    forms::AddLabel(form, {5, 1, 8}, "Maximum summation level A-weighted with attenuator");
    if (c.hasHiddenDiameterField) {
        forms::AddField(form, ids::kHiddenDiameter, ControlKind::Hidden, {0, 0});
    }
    AddResultPair(form, 1, "Vmin [m3/h]:", c.vminId);
    AddResultPair(form, 2, "Vmax [m3/h]:", c.vmaxId);
    AddResultPair(form, 3, "Velocity [m/s]:", ids::kVelocity);
    AddResultPair(form, 4, "Minimum pressure [Pa]:", ids::kMinimumPressure);

    forms::AddFrequencyRow(form, 7, "Summation level [dB(A)]:");
    forms::AddACorrectionRow(form, 8);
    forms::AddBandRow(form, 9, "Air-regenerated noise [dB]:", ids::kOctave);
    forms::AddBandRow(form, 10, "A-weighted [dB(A)]:", ids::kOctaveA, ids::kSummationLevel);
    forms::AddLabel(form, {11, 0}, std::string(c.casingHeading));
    const char* casingLabels[] = {
        "without insulation [dB]:", "with Insulation thickness 25 mm [dB]:",
        "with Insulation thickness 50 mm [dB]:"};
    for (int variant = 0; variant < kCasingVariants; ++variant) {
        forms::AddBandRow(form, 12 + variant, casingLabels[variant], ids::kCasing[variant],
                          ids::kCasingSum[variant]);
    }
    forms::AddLabel(form, {15, 0}, "Air-regenerated noise with attenuator:");
    forms::AddLabel(form, {15, forms::kRowTextColumn}, "Length [mm]:");
    const char* attenuatorLabels[] = {
        "with Insulation thickness 25 mm [dB]:", "with Insulation thickness 50 mm [dB]:",
        "with Insulation thickness 75 mm [dB]:"};
    for (int t = 0; t < kInsulationCount; ++t) {
        const AttenuatorRowIds& row = kAttenuatorRowIds[t];
        forms::AddField(form, row.length, ControlKind::Result, {16 + t, forms::kRowTextColumn});
        forms::AddBandRow(form, 16 + t, attenuatorLabels[t], row.firstBand, row.summation);
    }
    return form;
}

void ShowCircularOutcome(FormView& view, const CircularController& c,
                         const CircularOutcome& outcome) {
    if (outcome.range) {
        forms::ShowNumber(view, c.vminId, "%5.0lf", outcome.range->vmin);
        forms::ShowNumber(view, c.vmaxId, "%5.0lf", outcome.range->vmax);
    }
    if (outcome.refused) {
        ClearAcousticFields(view);
        switch (*outcome.refused) {
            case CircularInput::Diameter:
                ClearVelocityFields(view);
                if (c.clearsRangeOnRefusedDiameter) {
                    view.SetText(c.vminId, "");
                    view.SetText(c.vmaxId, "");
                }
                break;
            case CircularInput::VolumeFlow:
                ClearVelocityFields(view);
                break;
            case CircularInput::DifferentialPressure:
            case CircularInput::TargetLevel:
                break;
        }
        return;
    }
    const CircularResult& result = *outcome.result;
    forms::ShowNumber(view, ids::kVelocity, "%5.1lf", result.velocity);
    forms::ShowNumber(view, ids::kMinimumPressure, "%5.0lf", result.minimumPressure);
    if (!result.accepted) {
        ClearAcousticFields(view);
        return;
    }
    ShowSpectrum(view, c.levelFormat, *result.spectrum);
    ShowAttenuatorSelection(view, outcome.selection, c.levelFormat);
}

CircularForm::CircularForm(const CircularController& controller, const forms::FormContext& context)
    : controller_(controller),
      context_(context),
      description_(CircularFormDescription(controller)) {}

std::vector<forms::FieldText> CircularForm::InitialTexts() const {
    const SharedState& state = context_.state;
    std::vector<forms::FieldText> texts{
        {controller_.diameterListId, "100"},
        {ids::kVolumeFlow, WholeNumber(state.productInputs.volumeFlow)},
        {ids::kDifferentialPressure, WholeNumber(state.productInputs.differentialPressure)},
        {ids::kTargetLevel, WholeNumber(state.targetLevel)},
    };
    if (controller_.hasHiddenDiameterField) {
        texts.push_back({ids::kHiddenDiameter, WholeNumber(state.productInputs.diameter)});
    }
    return texts;
}

void CircularForm::OnButton(FormView& view, forms::ControlId button) {
    if (button != ids::kCalculate) {
        return;
    }
    const CircularEntry entry{view.Text(controller_.diameterListId), view.Text(ids::kVolumeFlow),
                              view.Text(ids::kDifferentialPressure), view.Text(ids::kTargetLevel)};
    const CircularOutcome outcome = EvaluateCircular(controller_, context_.state, entry);
    ShowCircularOutcome(view, controller_, outcome);
    const std::string trace = SelectionTrace(outcome.selection);
    if (!trace.empty()) {
        context_.diagnostics << trace << std::flush;
    }
    const std::string_view message = OutcomeMessage(controller_, outcome);
    if (!message.empty()) {
        view.ShowError(message);
    }
}

void CircularForm::OnSelectionChange(FormView& view, forms::ControlId list, int index) {
    if (list != controller_.diameterListId || index < 0 ||
        index >= static_cast<int>(controller_.flowRanges.size())) {
        return;
    }
    const FlowRange& range = controller_.flowRanges[index];
    forms::ShowNumber(view, controller_.vminId, "%5.0lf", range.vmin);
    forms::ShowNumber(view, controller_.vmaxId, "%5.0lf", range.vmax);
}

}  // namespace lorvane::circular
