#include "products/dampers/damper_torque_form.h"

#include <array>

#include "forms/band_layout.h"
#include "products/dampers/damper_form_parts.h"

namespace lorvane::dampers {
namespace {

using forms::ValueSpec;

constexpr SizeFields kTorqueSizeFields{torque_ids::kWidth, torque_ids::kHeight,
                                       torque_ids::kDifferentialPressure};

// Row labels, then per blade size a field and its unit.
constexpr int kTorqueFieldColumn[] = {1, 3};
constexpr int kTorqueColumnCount = 5;
constexpr int kTorqueFirstTableRow = 6;

struct TorqueColumnResults {
    ValueSpec standard;
    ValueSpec hollowProfile;
    ValueSpec classTwo;
    ValueSpec airtight;
    ValueSpec weight;
};

TorqueColumnResults ColumnOf(std::size_t blade) {
    const std::string key = BladeKey(BladePitches[blade]) + ".";
    const torque_ids::TorqueColumnIds& field = torque_ids::kBlades[blade];
    return {
        TableValue(key + "standard", "Torque of multi-leaf dampers standard version", "Nm",
                   field.standard),
        TableValue(key + "hollowProfile",
                   "Torque of multi-leaf dampers with hollow profile sealing", "Nm",
                   field.hollowProfile),
        TableValue(key + "class2", "Torque of multi-leaf dampers acc.to EN1751 class 2", "Nm",
                   field.classTwo),
        TableValue(key + "airtight", "Torque of multi-leaf dampers airtight", "Nm", field.airtight),
        TableValue(key + "weight", "Weight of multi-leafe damper", "kg", field.weight),
    };
}

const std::array<TorqueColumnResults, 2>& TorqueResultSpecs() {
    static const std::array<TorqueColumnResults, 2> results{ColumnOf(0), ColumnOf(1)};
    return results;
}

void AddTorqueRow(forms::FormDescription& form, int row, ValueSpec TorqueColumnResults::*result) {
    const auto& r = TorqueResultSpecs();
    forms::AddLabel(form, {row, 0}, (r[0].*result).label + ":");
    for (std::size_t blade = 0; blade < 2; ++blade) {
        const ValueSpec& spec = r[blade].*result;
        forms::AddField(form, spec.field, forms::ControlKind::Result,
                        {row, kTorqueFieldColumn[blade]}, kTableFieldWidth);
        forms::AddLabel(form, {row, kTorqueFieldColumn[blade] + 1}, spec.unit);
    }
}

forms::FormDescription DescribeTorqueForm() {
    forms::FormDescription form;
    form.caption = "Torque of multi-leaf dampers";
    form.defaultButton = kCalculate;
    AddTitle(form, torque_ids::kTitle, "Torque calculation of multi-leaf dampers",
             kTorqueColumnCount);
    AddInput(form, 1, "Width[mm]:", torque_ids::kWidth);
    AddInput(form, 2, "Height [mm]:", torque_ids::kHeight);
    AddInput(form, 3, "Differential pressure [Pa]:", torque_ids::kDifferentialPressure);
    form.Add({.id = kCalculate,
              .kind = forms::ControlKind::Button,
              .text = "calculate",
              .cell = {1, kTorqueFieldColumn[1], 2}});

    forms::AddLabel(form, {kTorqueFirstTableRow - 1, kTorqueFieldColumn[0]}, "Blade 100 mm");
    forms::AddLabel(form, {kTorqueFirstTableRow - 1, kTorqueFieldColumn[1]}, "Blade165 mm");
    int row = kTorqueFirstTableRow;
    AddTorqueRow(form, row++, &TorqueColumnResults::standard);
    AddTorqueRow(form, row++, &TorqueColumnResults::hollowProfile);
    AddTorqueRow(form, row++, &TorqueColumnResults::classTwo);
    AddTorqueRow(form, row++, &TorqueColumnResults::airtight);
    AddTorqueRow(form, row++, &TorqueColumnResults::weight);
    return form;
}

forms::ResultRecord TorqueRecord(const DamperTorqueOutcome& outcome) {
    const auto& r = TorqueResultSpecs();
    forms::ResultRecord record;
    if (outcome.refused) {
        for (const TorqueColumnResults& column : r) {
            NotComputed(record, {column.standard, column.hollowProfile, column.classTwo,
                                 column.airtight, column.weight});
        }
        record.Refuse(RefusalOf(*outcome.refused));
        return record;
    }
    // A value is absent where no blade of its size fits the height: its field stays empty.
    for (std::size_t blade = 0; blade < 2; ++blade) {
        const TorqueColumn& column = outcome.result->blades[blade];
        record.Add(r[blade].standard, column.standard);
        record.Add(r[blade].hollowProfile, column.hollowProfile);
        record.Add(r[blade].classTwo, column.classTwo);
        record.Add(r[blade].airtight, column.airtight);
    }
    for (std::size_t blade = 0; blade < 2; ++blade) {
        record.Add(r[blade].weight, outcome.result->blades[blade].weight);
    }
    AddNotes(record, outcome.notes);
    return record;
}

forms::FormSpec MakeTorqueSpec() {
    return {
        .description = DescribeTorqueForm(),
        .options = SizeOptions(kTorqueSizeFields),
        .initialTexts = [](SharedState& state) { return SizeStartTexts(state, kTorqueSizeFields); },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                return TorqueRecord(EvaluateDamperTorque(state, SizeEntryOf(texts)));
            },
    };
}

}  // namespace

const forms::FormSpec& JKMoment::Spec() {
    static const forms::FormSpec spec = MakeTorqueSpec();
    return spec;
}

JKMoment::JKMoment(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::dampers
