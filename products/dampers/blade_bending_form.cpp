#include "products/dampers/blade_bending_form.h"

#include <array>

#include "forms/band_layout.h"
#include "products/dampers/damper_form_parts.h"

namespace lorvane::dampers {
namespace {

using forms::ValueSpec;

// Row labels, then per blade size a field and its unit.
constexpr int kBendingFieldColumn[] = {1, 3};
constexpr int kBendingColumnCount = 5;

struct BendingResults {
    std::array<ValueSpec, 2> standard;
    std::array<ValueSpec, 2> reinforced;
};

const BendingResults& BendingResultSpecs() {
    static const BendingResults results = [] {
        BendingResults r;
        for (std::size_t blade = 0; blade < 2; ++blade) {
            const std::string key = BladeKey(BladePitches[blade]) + ".";
            r.standard[blade] = TableValue(key + "standard", "Bending of a standard version", "mm",
                                           bending_ids::kStandard[blade]);
            r.reinforced[blade] = TableValue(key + "reinforced", "Bending of a reinforced version",
                                             "mm", bending_ids::kReinforced[blade]);
        }
        return r;
    }();
    return results;
}

void AddBendingRow(forms::FormDescription& form, int row, std::string label,
                   const std::array<ValueSpec, 2>& specs) {
    forms::AddLabel(form, {row, 0}, std::move(label));
    for (std::size_t blade = 0; blade < 2; ++blade) {
        forms::AddField(form, specs[blade].field, forms::ControlKind::Result,
                        {row, kBendingFieldColumn[blade]}, kTableFieldWidth);
        forms::AddLabel(form, {row, kBendingFieldColumn[blade] + 1}, "mm");
    }
}

forms::FormDescription DescribeBendingForm() {
    const BendingResults& r = BendingResultSpecs();
    forms::FormDescription form;
    form.caption = "";  // the bending form has no caption
    form.defaultButton = kCalculate;
    AddTitle(form, bending_ids::kTitle, "Bending of blades from a multi-leaf damper",
             kBendingColumnCount);
    AddInput(form, 1, "Length of blade [mm]:", bending_ids::kLength);
    AddInput(form, 2, "Differential pressure [Pa]:", bending_ids::kDifferentialPressure);
    form.Add({.id = kCalculate,
              .kind = forms::ControlKind::Button,
              .text = "calculate",
              .cell = {1, kBendingFieldColumn[1], 2}});

    forms::AddLabel(form, {4, kBendingFieldColumn[0]}, "Blade 100 mm");
    forms::AddLabel(form, {4, kBendingFieldColumn[1]}, "Blade 165 mm");
    // The blank before the colon is the form's own.
    AddBendingRow(form, 5, "Bending of a standard version :", r.standard);
    AddBendingRow(form, 6, "Bending of a reinforced version:", r.reinforced);
    return form;
}

forms::ResultRecord BendingRecord(const BladeBendingOutcome& outcome) {
    const BendingResults& r = BendingResultSpecs();
    forms::ResultRecord record;
    if (outcome.refused) {
        NotComputed(record, {r.standard[0], r.standard[1], r.reinforced[0], r.reinforced[1]});
        record.Refuse(RefusalOf(*outcome.refused));
        return record;
    }
    for (std::size_t blade = 0; blade < 2; ++blade) {
        record.Add(r.standard[blade], outcome.result->blades[blade].standard);
    }
    for (std::size_t blade = 0; blade < 2; ++blade) {
        record.Add(r.reinforced[blade], outcome.result->blades[blade].reinforced);
    }
    AddNotes(record, outcome.notes);
    return record;
}

forms::FormSpec MakeBendingSpec() {
    return {
        .description = DescribeBendingForm(),
        .options =
            {
                {.name = "length",
                 .help = "blade length [mm], 100 to 2000",
                 .field = bending_ids::kLength},
                {.name = "dp",
                 .help = "differential pressure [Pa], 0.1 to 10000",
                 .field = bending_ids::kDifferentialPressure},
            },
        .initialTexts =
            [](SharedState& state) {
                const BladeBendingEntry entry = BladeBendingStartEntry(state);
                return std::vector<forms::FieldText>{
                    {bending_ids::kLength, entry.length},
                    {bending_ids::kDifferentialPressure, entry.differentialPressure},
                };
            },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                const BladeBendingEntry entry{forms::TextOf(texts, "length"),
                                              forms::TextOf(texts, "dp")};
                return BendingRecord(EvaluateBladeBending(state, entry));
            },
    };
}

}  // namespace

const forms::FormSpec& JKDurch::Spec() {
    static const forms::FormSpec spec = MakeBendingSpec();
    return spec;
}

JKDurch::JKDurch(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::dampers
