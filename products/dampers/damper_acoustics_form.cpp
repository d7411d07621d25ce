#include "products/dampers/damper_acoustics_form.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "forms/band_layout.h"
#include "products/dampers/damper_form_parts.h"

namespace lorvane::dampers {
namespace {

using forms::Cell;
using forms::ControlKind;
using forms::ValueSpec;

constexpr int kAcousticsColumnCount = forms::kSummationColumn + 1;
constexpr int kFirstInputRow = 2;
constexpr Cell kResultLabel{0, 6, 3};  // the flow results beside the inputs
constexpr Cell kResultField{0, 9, 2};
constexpr int kBladeColumn[] = {forms::kFirstBandColumn, forms::kFirstBandColumn + 1};

struct BladeColumnResults {
    ValueSpec maxTorque;
    ValueSpec requiredTorque;
    ValueSpec maxPressureDifference;
    ValueSpec bending;
};

// Every result of the form: its key, label, format and field.
struct AcousticsResults {
    ValueSpec area;
    ValueSpec velocity;
    ValueSpec bladeAngle;
    ValueSpec zeta;
    ValueSpec maxZeta;
    ValueSpec aeroTorque;
    forms::BandRowSpec octave;  // with the A-weighted summation level
    std::array<BladeColumnResults, 2> blades;
};

BladeColumnResults BladeColumnOf(std::size_t blade) {
    const std::string key = "blades." + BladeKey(BladePitches[blade]) + ".";
    const acoustics_ids::BladeColumnIds& field = acoustics_ids::kBlades[blade];
    return {
        TableValue(key + "maxTorque", "Maximum torque [Nm]", "Nm", field.maxTorque),
        TableValue(key + "requiredTorque", "Required torque [Nm]", "Nm", field.requiredTorque),
        TableValue(key + "maxPressureDifference", "Maximum pressure difference [Pa]", "Pa",
                   field.maxPressureDifference),
        TableValue(key + "bending", "Bending [mm]", "mm", field.bending),
    };
}

const AcousticsResults& AcousticsResultSpecs() {
    static const AcousticsResults results{
        .area = {"area", "Area [m ² ]", "m2", "%5.3lf", acoustics_ids::kArea},
        .velocity = TableValue("velocity", "Velocity [m/s]", "m/s", acoustics_ids::kVelocity),
        .bladeAngle = TableValue("bladeAngle", "Blade angle [°]", "°", acoustics_ids::kBladeAngle),
        .zeta = TableValue("zeta", "Resistance Zeta", "", acoustics_ids::kZeta),
        .maxZeta = TableValue("maxZeta", "Maximum Zeta", "", acoustics_ids::kMaxZeta),
        .aeroTorque =
            TableValue("aeroTorque", "aerodynamic torque [Ncm]", "Ncm", acoustics_ids::kAeroTorque),
        .octave = {.key = "octave",
                   .summationKey = "summationLevel",
                   .label = "Air-regenerated noise [dB]",
                   .unit = "dB",
                   .format = "%5.0lf",
                   .frequencies = OctaveBands,
                   .firstField = acoustics_ids::kOctave,
                   .summationField = acoustics_ids::kSummationLevel},
        .blades = {BladeColumnOf(0), BladeColumnOf(1)},
    };
    return results;
}

void AddFlowResult(forms::FormDescription& form, int row, const ValueSpec& spec,
                   forms::ControlId labelId = forms::kNoId) {
    form.Add({.id = labelId,
              .kind = ControlKind::Label,
              .text = spec.label + ":",
              .cell = {row, kResultLabel.column, kResultLabel.columnSpan}});
    // Zeta runs up to 27000.0.
    forms::AddField(form, spec.field, ControlKind::Result,
                    {row, kResultField.column, kResultField.columnSpan}, kTableFieldWidth);
}

void AddBladeRow(forms::FormDescription& form, int row, ValueSpec BladeColumnResults::*result) {
    const AcousticsResults& r = AcousticsResultSpecs();
    forms::AddLabel(form, {row, 0}, (r.blades[0].*result).label + ":");
    for (std::size_t blade = 0; blade < 2; ++blade) {
        forms::AddField(form, (r.blades[blade].*result).field, ControlKind::Result,
                        {row, kBladeColumn[blade]}, kTableFieldWidth);
    }
}

std::vector<std::string> Entries(std::span<const std::string_view> entries) {
    return {entries.begin(), entries.end()};
}

forms::FormDescription DescribeAcousticsForm() {
    const AcousticsResults& r = AcousticsResultSpecs();
    forms::FormDescription form;
    form.caption = "Acoustics of Multi-leaf dampers";
    form.defaultButton = kCalculate;
    AddTitle(form, acoustics_ids::kTitle, "Flow technical and acoustic data of multi-leaf dampers",
             kAcousticsColumnCount);
    forms::AddLabel(form, {1, 0, kAcousticsColumnCount}, "damper is integrated in the duct");

    int row = kFirstInputRow;
    AddInput(form, row++, "Width [mm]:", acoustics_ids::kWidth);
    AddInput(form, row++, "Height [mm]:", acoustics_ids::kHeight);
    AddInput(form, row++, "Volume flow [m3/h]:", acoustics_ids::kVolumeFlow);
    forms::AddLabel(form, {row, 0}, "Blade Linkage:");
    form.Add({.id = acoustics_ids::kLinkageList,
              .kind = ControlKind::List,
              .cell = {row++, 1},
              .items = Entries(LinkageEntries)});
    forms::AddLabel(form, {row, 0}, "Sealing:");
    form.Add({.id = acoustics_ids::kSealingList,
              .kind = ControlKind::List,
              .cell = {row++, 1},
              .items = Entries(SealingEntries)});
    AddInput(form, row++, "Differential pressure [Pa]:", acoustics_ids::kDifferentialPressure);
    form.Add({.id = kCalculate,
              .kind = ControlKind::Button,
              .text = "calculate",
              .cell = {kFirstInputRow, 3, 2}});

    row = kFirstInputRow;
    AddFlowResult(form, row++, r.area, acoustics_ids::kAreaLabel);
    AddFlowResult(form, row++, r.velocity);
    AddFlowResult(form, row++, r.bladeAngle);
    AddFlowResult(form, row++, r.zeta, acoustics_ids::kZetaLabel);
    AddFlowResult(form, row++, r.maxZeta, acoustics_ids::kMaxZetaLabel);
    AddFlowResult(form, row++, r.aeroTorque);

    forms::AddFrequencyRow(form, 9, "Summation Level    [dB(A)]");
    forms::AddACorrectionRow(form, 10);
    forms::AddLabel(form, {11, 0}, "Sound power level");
    forms::AddBandRow(form, 12, r.octave);

    forms::AddLabel(form, {14, 0}, "Blades:");
    forms::AddLabel(form, {14, kBladeColumn[0]}, "100 mm");
    forms::AddLabel(form, {14, kBladeColumn[1]}, "165 mm");
    AddBladeRow(form, 15, &BladeColumnResults::maxTorque);
    AddBladeRow(form, 16, &BladeColumnResults::requiredTorque);
    AddBladeRow(form, 17, &BladeColumnResults::maxPressureDifference);
    AddBladeRow(form, 18, &BladeColumnResults::bending);
    return form;
}

SpecRefs Values(const AcousticsResults& r) {
    SpecRefs values{r.velocity, r.area, r.maxZeta, r.bladeAngle, r.zeta, r.aeroTorque};
    for (const BladeColumnResults& column : r.blades) {
        values.insert(values.end(), {column.maxTorque, column.requiredTorque,
                                     column.maxPressureDifference, column.bending});
    }
    return values;
}

// A refused input empties every result.
forms::ResultRecord RefusedRecord(forms::Refusal refusal) {
    forms::ResultRecord record;
    NotComputed(record, Values(AcousticsResultSpecs()));
    record.NotComputed(AcousticsResultSpecs().octave);
    record.Refuse(std::move(refusal));
    return record;
}

forms::ResultRecord AcousticsRecord(const DamperAcousticsOutcome& outcome) {
    if (outcome.refused) {
        return RefusedRecord(RefusalOf(*outcome.refused));
    }
    const AcousticsResults& r = AcousticsResultSpecs();
    const DamperAcousticsResult& result = *outcome.result;
    forms::ResultRecord record;
    record.Add(r.velocity, result.velocity);
    record.Add(r.area, result.area);
    record.Add(r.maxZeta, result.maxZeta);
    if (result.negativeBladeAngle) {
        // No angle of the blades gives so little resistance: the field stays empty.
        record.AddShownAs(r.bladeAngle, result.bladeAngle, "");
    } else {
        record.Add(r.bladeAngle, result.bladeAngle);
    }
    record.Add(r.zeta, result.zeta);
    record.AddBands(r.octave, std::span<const forms::Number>(result.octave), result.summationLevel);
    record.Add(r.aeroTorque, result.aerodynamicTorque);
    for (std::size_t blade = 0; blade < result.blades.size(); ++blade) {
        const BladeColumn& column = result.blades[blade];
        const BladeColumnResults& spec = r.blades[blade];
        record.Add(spec.maxTorque, column.maxTorque);
        record.Add(spec.requiredTorque, column.requiredTorque);
        record.Add(spec.maxPressureDifference, column.maxPressureDifference);
        record.Add(spec.bending, column.bending);
    }
    AddNotes(record, outcome.notes);
    return record;
}

// One of the two lists: its option, its entries, where a pick is stored, and the sentence for
// a text that names none of its entries (only a view on plain texts can hold one).
struct ListInput {
    const char* option;
    std::span<const std::string_view> entries;
    bool (*store)(SharedState& state, int entry);
    const char* message;
};

const ListInput kLists[] = {
    {"linkage", LinkageEntries, SelectDamperLinkage,
     "Please correct the blade linkage (opposite direction or same direction)"},
    {"sealing", SealingEntries, SelectDamperSealing,
     "Please correct the sealing (standard, hollow profile or airtight)"},
};

std::optional<int> EntryOf(std::span<const std::string_view> entries, const std::string& text) {
    const auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? std::nullopt
                               : std::optional(static_cast<int>(it - entries.begin()));
}

forms::ResultRecord Evaluate(SharedState& state, const forms::InputTexts& texts) {
    // The lists show the picks stored in DamperInputs. A pick that did not pass through the
    // list's handler (lorvane-calc types it in) is stored here.
    for (const ListInput& list : kLists) {
        const std::optional<int> entry = EntryOf(list.entries, forms::TextOf(texts, list.option));
        if (!entry) {
            return RefusedRecord({list.option, list.message});
        }
        list.store(state, *entry);
    }
    const DamperAcousticsEntry entry{forms::TextOf(texts, "width"), forms::TextOf(texts, "height"),
                                     forms::TextOf(texts, "flow"), forms::TextOf(texts, "dp")};
    return AcousticsRecord(EvaluateDamperAcoustics(state, entry));
}

forms::FormSpec MakeAcousticsSpec() {
    return {
        .description = DescribeAcousticsForm(),
        .options =
            {
                {.name = "width",
                 .help = "width [mm], 100 to 2000",
                 .field = acoustics_ids::kWidth},
                {.name = "height",
                 .help = "height [mm], 100 to 2000",
                 .field = acoustics_ids::kHeight},
                {.name = "flow",
                 .help = "volume flow [m3/h], 0.1 to 175000",
                 .field = acoustics_ids::kVolumeFlow},
                {.name = "linkage",
                 .help = "blade linkage",
                 .field = acoustics_ids::kLinkageList,
                 .choices = {{"opposite", "opposite direction"}, {"same", "same direction"}}},
                {.name = "sealing",
                 .help = "sealing",
                 .field = acoustics_ids::kSealingList,
                 .choices = {{"standard", "standard"},
                             {"hollow-profile", "hollow profile"},
                             {"airtight", "airtight"}}},
                {.name = "dp",
                 .help = "differential pressure [Pa], 0.1 to 5000",
                 .field = acoustics_ids::kDifferentialPressure},
            },
        .initialTexts =
            [](SharedState& state) {
                const DamperAcousticsEntry entry = DamperAcousticsStartEntry(state);
                const DamperInputs& inputs = state.Of<DamperInputs>();
                return std::vector<forms::FieldText>{
                    {acoustics_ids::kWidth, entry.width},
                    {acoustics_ids::kHeight, entry.height},
                    {acoustics_ids::kVolumeFlow, entry.volumeFlow},
                    {acoustics_ids::kLinkageList,
                     std::string(
                         LinkageEntries[static_cast<std::size_t>(inputs.linkageSelection)])},
                    {acoustics_ids::kSealingList,
                     std::string(
                         SealingEntries[static_cast<std::size_t>(inputs.sealingSelection)])},
                    {acoustics_ids::kDifferentialPressure, entry.differentialPressure},
                };
            },
        .evaluate = [](SharedState& state, const forms::InputTexts& texts,
                       const forms::Ask& /*ask*/) { return Evaluate(state, texts); },
        .onSelection =
            [](forms::FormView& /*view*/, SharedState& state, forms::ControlId list, int index) {
                if (list == acoustics_ids::kLinkageList) {
                    SelectDamperLinkage(state, index);
                } else if (list == acoustics_ids::kSealingList) {
                    SelectDamperSealing(state, index);
                }
            },
    };
}

}  // namespace

const forms::FormSpec& JKLorvane::Spec() {
    static const forms::FormSpec spec = MakeAcousticsSpec();
    return spec;
}

JKLorvane::JKLorvane(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::dampers
