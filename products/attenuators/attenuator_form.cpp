#include "products/attenuators/attenuator_form.h"

#include "core/number_text.h"
#include "forms/band_layout.h"

namespace lorvane::attenuators {
namespace {

using forms::ControlKind;

constexpr int kAttenuatorColumnCount = forms::kFirstBandColumn + kOctaveCount;

forms::BandRowSpec InsertionLossRowOf(int thickness) {
    const double millimetres = InsulationThicknesses[thickness];
    return {.key = "insertionLoss." + forms::InsulationKey(millimetres),
            .label = forms::InsulationLabel(millimetres),
            .unit = "dB",
            .format = "%5.0lf",
            .frequencies = OctaveBands,
            .firstField = ids::kInsertionLoss[thickness]};
}

const forms::BandRowSpec& InsertionLossRow(int thickness) {
    static const auto rows = [] {
        std::array<forms::BandRowSpec, kInsulationCount> all;
        for (int t = 0; t < kInsulationCount; ++t) {
            all[t] = InsertionLossRowOf(t);
        }
        return all;
    }();
    return rows[thickness];
}

forms::FormDescription DescribeAttenuatorForm() {
    forms::FormDescription form;
    form.caption = "Sound attenuators Nerva";
    form.titleLabel = ids::kTitle;
    form.defaultButton = ids::kCalculate;
    form.Add({.id = ids::kTitle,
              .kind = ControlKind::Title,
              .text = "Insertion loss of vexa-attenuators Nerva",
              .cell = {0, 0, kAttenuatorColumnCount}});

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
        forms::AddBandRow(form, 4 + t, InsertionLossRow(t));
    }
    return form;
}

bool IsAttenuatorLength(double length) {
    return length >= AttenuatorLengths.front().millimetres &&
           length <= AttenuatorLengths.back().millimetres;
}

std::string DiameterSentence() {
    std::string sentence = "The diameter must be one of ";
    for (std::size_t i = 0; i < AttenuatorDiameters.size(); ++i) {
        sentence += (i ? ", " : "") + WholeNumber(AttenuatorDiameters[i]);
    }
    return sentence + " mm";
}

forms::ResultRecord AttenuatorRecord(const AttenuatorOutcome& outcome) {
    forms::ResultRecord record;
    if (outcome.refused) {
        const bool diameter = *outcome.refused == AttenuatorInput::Diameter;
        record.Refuse({diameter ? "diameter" : "length", RefusalSentence(*outcome.refused)});
        return record;
    }
    record.AddSource(forms::InsertionLossSource());
    std::vector<double> estimated;
    for (int t = 0; t < kInsulationCount; ++t) {
        record.AddBands(InsertionLossRow(t), (*outcome.insertionLoss)[t]);
        if (!InsertionLossFromCatalogue[outcome.diameterPosition][t]) {
            record.AddCaveat(std::string(forms::kEstimatedInsertionLoss));
            estimated.push_back(InsulationThicknesses[t]);
        }
    }
    if (!estimated.empty()) {
        record.AddNote("The rows with " + forms::ThicknessList(estimated) +
                       " insulation are estimated insertion loss values, not catalogue values.");
    }
    return record;
}

forms::FormSpec MakeAttenuatorSpec() {
    return {
        .description = DescribeAttenuatorForm(),
        .options =
            {
                {.name = "diameter", .help = "duct diameter [mm]", .field = ids::kDiameterList},
                {.name = "length",
                 .help = "attenuator length [mm], 500 to 2000",
                 .field = ids::kLength},
            },
        .initialTexts =
            [](SharedState& state) {
                return std::vector<forms::FieldText>{
                    {ids::kDiameterList, "100"},
                    {ids::kLength, WholeNumber(state.attenuatorLength)},
                    {ids::kHiddenDiameter, WholeNumber(state.productInputs.diameter)},
                };
            },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                const AttenuatorEntry entry{forms::TextOf(texts, "diameter"),
                                            forms::TextOf(texts, "length")};
                return AttenuatorRecord(EvaluateAttenuator(state, entry));
            },
    };
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
    outcome.diameterPosition = *position;

    const std::optional<double> length = ReadNumber(entry.length);
    if (!length || !IsAttenuatorLength(*length)) {
        outcome.refused = AttenuatorInput::Length;
        return outcome;
    }
    state.attenuatorLength = *length;

    outcome.insertionLoss = InterpolateInsertionLoss(*position, *length);
    return outcome;
}

std::string RefusalSentence(AttenuatorInput input) {
    switch (input) {
        case AttenuatorInput::Diameter:
            return DiameterSentence();
        case AttenuatorInput::Length:
            return "The length must be from 500 to 2000 mm";
    }
    return {};
}

const forms::FormSpec& Schalldaempfer::Spec() {
    static const forms::FormSpec spec = MakeAttenuatorSpec();
    return spec;
}

Schalldaempfer::Schalldaempfer(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::attenuators
