#include "products/attenuators/attenuator_form.h"

#include "core/number_text.h"
#include "forms/band_layout.h"

namespace lorvane::attenuators {
namespace {

using forms::ControlKind;

constexpr int kColumnCount = forms::kFirstBandColumn + kOctaveCount;
constexpr const char* kRowLabels[kInsulationCount] = {
    "with Insulation thickness 25 mm [dB]:",
    "with Insulation thickness 50 mm [dB]:",
    "with Insulation thickness 75 mm [dB]:",
};

std::string WholeNumber(double value) {
    return FormatNumber("%.0lf", value);
}

forms::FormDescription BuildDescription() {
    forms::FormDescription form;
    form.caption = "Sound attenuators Nerva";
    form.titleLabel = ids::kTitle;
    form.defaultButton = ids::kCalculate;
    form.Add({.id = ids::kTitle,
              .kind = ControlKind::Title,
              .text = "Insertion loss of vexa-attenuators Nerva",
              .cell = {0, 0, kColumnCount}});

    std::vector<std::string> diameters;
    for (double diameter : AttenuatorDiameters) {
        diameters.push_back(WholeNumber(diameter));
    }
    forms::AddLabel(form, {1, 0}, "Diameter [mm]:");
    form.Add({.id = ids::kDiameterList,
              .kind = ControlKind::List,
              .cell = {1, 1, 2},
              .items = std::move(diameters)});
    forms::AddLabel(form, {2, 0}, "Length [mm]:");
    forms::AddField(form, ids::kLength, ControlKind::Input, {2, 1, 2});
    form.Add({.id = ids::kCalculate,
              .kind = ControlKind::Button,
              .text = "calculate",
              .cell = {1, 3, 2}});
    forms::AddField(form, ids::kHiddenDiameter, ControlKind::Hidden, {0, 0});

    forms::AddFrequencyRow(form, 3);
    for (int t = 0; t < kInsulationCount; ++t) {
        forms::AddBandRow(form, 4 + t, kRowLabels[t], ids::kInsertionLoss[t]);
    }
    return form;
}

bool IsAttenuatorLength(double length) {
    return length >= AttenuatorLengths.front().millimetres &&
           length <= AttenuatorLengths.back().millimetres;
}

}  // namespace

AttenuatorOutcome EvaluateAttenuator(SharedState& state, const AttenuatorEntry& entry) {
    AttenuatorOutcome outcome;
    const std::optional<double> diameter = ReadNumber(entry.diameter);
    const std::optional<int> position = diameter ? FindAttenuatorDiameter(*diameter) : std::nullopt;
    if (!position) {
        outcome.refused = AttenuatorInput::Diameter;
        return outcome;
    }
    state.productInputs.diameter = *diameter;

    const std::optional<double> length = ReadNumber(entry.length);
    if (!length || !IsAttenuatorLength(*length)) {
        outcome.refused = AttenuatorInput::Length;
        return outcome;
    }
    state.attenuatorLength = *length;

    outcome.insertionLoss = InterpolateInsertionLoss(*position, *length);
    return outcome;
}

Schalldaempfer::Schalldaempfer(const forms::FormContext& context) : context_(context) {}

const forms::FormDescription& Schalldaempfer::Description() const {
    static const forms::FormDescription description = BuildDescription();
    return description;
}

std::vector<forms::FieldText> Schalldaempfer::InitialTexts() const {
    const SharedState& state = context_.state;
    return {
        {ids::kDiameterList, "100"},
        {ids::kLength, WholeNumber(state.attenuatorLength)},
        {ids::kHiddenDiameter, WholeNumber(state.productInputs.diameter)},
    };
}

void Schalldaempfer::OnButton(forms::FormView& view, forms::ControlId button) {
    if (button != ids::kCalculate) {
        return;
    }
    const AttenuatorEntry entry{view.Text(ids::kDiameterList), view.Text(ids::kLength)};
    const AttenuatorOutcome outcome = EvaluateAttenuator(context_.state, entry);
    if (!outcome.insertionLoss) {
        return;
    }
    for (int t = 0; t < kInsulationCount; ++t) {
        for (int k = 0; k < kOctaveCount; ++k) {
            forms::ShowNumber(view, ids::kInsertionLoss[t] + k, "%5.0lf",
                              (*outcome.insertionLoss)[t][k]);
        }
    }
}

std::unique_ptr<forms::Form> MakeAttenuatorForm(const forms::FormContext& context) {
    return std::make_unique<Schalldaempfer>(context);
}

}  // namespace lorvane::attenuators
