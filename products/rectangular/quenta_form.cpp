#include "products/rectangular/quenta_form.h"

#include "forms/band_layout.h"
#include "forms/input_layout.h"
#include "products/dampers/blade_model.h"
#include "products/dampers/damper_evaluation.h"
#include "products/rectangular/rectangular_form.h"

namespace lorvane::rectangular {
namespace {

using forms::ResultRecord;
using forms::ValueSpec;

struct NozzleFields {
    ValueSpec found;
    ValueSpec vmin;
    ValueSpec vmax;
    ValueSpec count;
    ValueSpec nominalSize;
    ValueSpec cFactor;
    ValueSpec sections;
};

// The whole numbers show as "%7d" does.
const NozzleFields& Nozzles() {
    static const NozzleFields fields{
        .found = {"nozzles.found", "Nozzle arrangement found"},
        .vmin = {"nozzles.vmin", "Vmin [m3/h]", "m3/h", "%7.0lf", ids::kVmin},
        .vmax = {"nozzles.vmax", "Vmax [m3/h]", "m3/h", "%7.0lf", ids::kVmax},
        .count = {"nozzles.count", "quantity of nozzles", "", "%7.0lf", ids::kNozzleCount},
        .nominalSize = {"nozzles.nominalSize", "nominal size of nozzle [mm]", "mm", "%7.0lf",
                        ids::kNominalSize},
        .cFactor = {"nozzles.cFactor", "C-factor", "", "%7.0lf", ids::kCFactor},
        .sections = {"nozzles.sections", "Sections", "", "%.0lf"},
    };
    return fields;
}

struct TorqueFields {
    ValueSpec standard;
    ValueSpec hollowProfile;
    ValueSpec airtight;
};

const TorqueFields& Torques() {
    static const TorqueFields fields{
        .standard = {"torque.standard", "Standard", "Nm", "%4.1lf", ids::kTorqueStandard},
        .hollowProfile = {"torque.hollowProfile", "Hollow profile", "Nm", "%4.1lf",
                          ids::kTorqueHollowProfile},
        .airtight = {"torque.airtight", "Airtight", "Nm", "%4.1lf", ids::kTorqueAirtight},
    };
    return fields;
}

const RectResults& QuentaResultSpecs() {
    static const RectResults results = RectResultsOf(ids::kQuentaSummationLevel);
    return results;
}

constexpr forms::Cell kNozzleField{0, 1, 2};
constexpr forms::Cell kRangeLabel{0, 6, 3};
constexpr forms::Cell kRangeField{0, 9, 2};

void AddNozzleRow(forms::FormDescription& form, int row, const ValueSpec& spec) {
    forms::AddResultField(form, {row, 0}, spec.label + ":", spec.field,
                          forms::InRow(kNozzleField, row));
}

void AddRangeField(forms::FormDescription& form, int row, const ValueSpec& spec) {
    // These two labels have no colon.
    forms::AddResultField(form, forms::InRow(kRangeLabel, row), spec.label, spec.field,
                          forms::InRow(kRangeField, row));
}

// The heads "Standard", "Hollow profile" and "Airtight" over their torque fields.
void AddTorqueRows(forms::FormDescription& form, int row, const TorqueFields& t) {
    forms::AddLabel(form, {row + 1, 0}, "Required torque [Nm]:");
    int column = forms::kFirstBandColumn;
    for (const ValueSpec* spec : {&t.standard, &t.hollowProfile, &t.airtight}) {
        forms::AddLabel(form, {row, column, 2}, spec->label);
        forms::AddField(form, spec->field, forms::ControlKind::Result, {row + 1, column, 2});
        column += 2;
    }
}

forms::FormDescription DescribeQuentaForm() {
    const RectResults& r = QuentaResultSpecs();
    const NozzleFields& n = Nozzles();
    forms::FormDescription form = DescribeInputs(
        "Quenta", ids::kQuentaTitle,
        "Sound power level of the rectangular electronically regulated volume flow controller "
        "Quenta",
        r);
    AddNozzleRow(form, 6, n.nominalSize);
    AddRangeField(form, 6, n.vmin);
    AddNozzleRow(form, 7, n.count);
    AddRangeField(form, 7, n.vmax);
    AddNozzleRow(form, 8, n.cFactor);
    AddTorqueRows(form, 10, Torques());
    AddBandTable(form, 13, r);
    return form;
}

void AddNozzles(ResultRecord& record, const NozzleSelection& selection) {
    const NozzleFields& n = Nozzles();
    record.AddFlag(n.found, selection.found);
    record.Add(n.vmin, selection.vmin);
    record.Add(n.vmax, selection.vmax);
    record.Add(n.count, selection.nozzles);
    record.Add(n.nominalSize, selection.nominalSize);
    record.Add(n.cFactor, selection.cFactor);
    record.Add(n.sections, selection.sections);
    if (!selection.found) {
        record.AddNote(std::string(kNoNozzlesNote));
    }
}

void NotComputedNozzles(ResultRecord& record) {
    const NozzleFields& n = Nozzles();
    for (const ValueSpec* spec :
         {&n.found, &n.vmin, &n.vmax, &n.count, &n.nominalSize, &n.cFactor, &n.sections}) {
        record.NotComputed(*spec);
    }
}

void NotComputedTorques(ResultRecord& record) {
    const TorqueFields& t = Torques();
    for (const ValueSpec* spec : {&t.standard, &t.hollowProfile, &t.airtight}) {
        record.NotComputed(*spec);
    }
}

void AddTorques(ResultRecord& record, const QuentaTorques& torques) {
    const TorqueFields& t = Torques();
    record.Add(t.standard, torques.standard);
    record.Add(t.hollowProfile, torques.hollowProfile);
    record.Add(t.airtight, torques.airtight);
    if (!torques.standard || !torques.hollowProfile || !torques.airtight) {
        record.AddNote(dampers::NoBladeNote(dampers::kBlade100));
    }
}

const char* InputName(QuentaInput input) {
    switch (input) {
        case QuentaInput::Width:
            return "width";
        case QuentaInput::Height:
            return "height";
        case QuentaInput::VolumeFlow:
            return "flow";
        case QuentaInput::DifferentialPressure:
            return "dp";
    }
    return "";
}

// The sizes whose nozzles take the volume flow.
std::vector<forms::InputTexts> QuentaSizesServing(double volumeFlow) {
    std::vector<forms::InputTexts> sizes;
    for (const QuentaSize& size : QuentaSizes()) {
        if (size.nozzles.vmin <= volumeFlow && volumeFlow <= size.nozzles.vmax) {
            sizes.push_back(SizeTexts(size.width, size.height));
        }
    }
    return sizes;
}

forms::FormSpec MakeQuentaSpec() {
    return {
        .description = DescribeQuentaForm(),
        .options = SizeAndFlowOptions("100 to 1200"),
        .initialTexts = [](SharedState& state) { return InitialInputTexts(state); },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                using forms::TextOf;
                const QuentaEntry entry{TextOf(texts, "width"), TextOf(texts, "height"),
                                        TextOf(texts, "flow"), TextOf(texts, "dp")};
                return QuentaRecord(EvaluateQuenta(state, entry));
            },
        .candidateSizes = QuentaSizesServing,
    };
}

}  // namespace

ResultRecord QuentaRecord(const QuentaOutcome& outcome) {
    using enum ResultGroup;
    const RectResults& r = QuentaResultSpecs();
    ResultRecord record;
    if (outcome.emptied.contains(Nozzles)) {
        NotComputedNozzles(record);
    }
    if (outcome.emptied.contains(Flow)) {
        NotComputedFlow(record, r);
    }
    if (outcome.emptied.contains(Acoustic)) {
        NotComputedAcoustic(record, r);
    }
    if (outcome.emptied.contains(Torque)) {
        NotComputedTorques(record);
    }

    if (outcome.nozzles) {
        AddNozzles(record, *outcome.nozzles);
    }
    if (outcome.refused) {
        record.Refuse({InputName(*outcome.refused), std::string(outcome.message)});
        return record;
    }
    const QuentaResult& result = *outcome.result;
    AddFlow(record, r, result.velocity, result.minimumPressure, result.accepted);
    if (!outcome.pressureAccepted) {
        record.Refuse({"dp", std::string(outcome.message)});
        return record;
    }
    AddSpectrum(record, r, *result.spectrum);
    AddTorques(record, result.torques);
    return record;
}

const forms::FormSpec& Quenta::Spec() {
    static const forms::FormSpec spec = MakeQuentaSpec();
    return spec;
}

Quenta::Quenta(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::rectangular
