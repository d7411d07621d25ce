#include "products/dampers/damper_leakage_form.h"

#include <array>

#include "forms/band_layout.h"
#include "products/dampers/damper_form_parts.h"

namespace lorvane::dampers {
namespace {

using forms::ValueSpec;

constexpr SizeFields kLeakageSizeFields{leakage_ids::kWidth, leakage_ids::kHeight,
                                        leakage_ids::kDifferentialPressure};

// Row labels, then per blade size: leakage, "m3/h", "Pmax:", Pmax, "Pa".
constexpr int kFirstColumn[] = {1, 6};
constexpr int kLeakageColumnCount = 11;
constexpr int kLeakageFirstTableRow = 6;

struct Construction {
    LeakageConstruction construction;
    const char* key;
    const char* label;  // without its colon
};

// clang-format off
constexpr Construction kConstructions[kLeakageConstructionCount] = {
    {LeakageConstruction::Airtight,                         "airtight",
     "Limiting values of leakage of multi-leaf dampers airtight (Ostra 1, Ostra 2)"},
    {LeakageConstruction::Standard,                         "standard",
     "Leakage of multi-leaf dampers standard (Pindo 1, Pindo 2)"},
    {LeakageConstruction::LipSealing,                       "lipSealing",
     "Leakage of multi-leaf dampers standard with lip sealing"},
    {LeakageConstruction::LipAndStopBeadSealing,            "lipAndStopBead",
     "Leakage of multi-leaf dampers standard with lip and stop bead sealing"},
    {LeakageConstruction::HollowProfileSealingAndStopAngle, "hollowProfileStopAngle",
     "Leakage of multi-leaf dampers standard with hollow profile sealing and stop angle"},
};
// clang-format on

struct CellResults {
    ValueSpec leakage;
    ValueSpec pmax;
};

// By construction, then by blade size.
using LeakageResults = std::array<std::array<CellResults, 2>, kLeakageConstructionCount>;

const LeakageResults& LeakageResultSpecs() {
    static const LeakageResults results = [] {
        LeakageResults r;
        for (std::size_t row = 0; row < r.size(); ++row) {
            const Construction& c = kConstructions[row];
            for (std::size_t blade = 0; blade < 2; ++blade) {
                const std::string key =
                    std::string(c.key) + "." + BladeKey(BladePitches[blade]) + ".";
                r[row][blade] = {
                    TableValue(key + "leakage", c.label, "m3/h",
                               leakage_ids::kRows[row].leakage[blade]),
                    TableValue(key + "pmax", "Pmax", "Pa", leakage_ids::kRows[row].pmax[blade]),
                };
            }
        }
        return r;
    }();
    return results;
}

forms::FormDescription DescribeLeakageForm() {
    const LeakageResults& r = LeakageResultSpecs();
    forms::FormDescription form;
    form.caption = "Leakage of multi-leaf dampers";
    form.defaultButton = kCalculate;
    AddTitle(form, leakage_ids::kTitle, "Leakage calculation of multi-leaf dampers",
             kLeakageColumnCount);
    AddInput(form, 1, "Width [mm]:", leakage_ids::kWidth);
    AddInput(form, 2, "Height [mm]:", leakage_ids::kHeight);
    AddInput(form, 3, "Differential pressure [Pa]:", leakage_ids::kDifferentialPressure);
    form.Add({.id = kCalculate,
              .kind = forms::ControlKind::Button,
              .text = "calculate",
              .cell = {1, 3, 2}});

    forms::AddLabel(form, {kLeakageFirstTableRow - 1, kFirstColumn[0]}, "Blade 100 mm");
    forms::AddLabel(form, {kLeakageFirstTableRow - 1, kFirstColumn[1]}, "Blade 165 mm");
    for (std::size_t row = 0; row < r.size(); ++row) {
        const int gridRow = kLeakageFirstTableRow + static_cast<int>(row);
        forms::AddLabel(form, {gridRow, 0}, std::string(kConstructions[row].label) + ":");
        for (std::size_t blade = 0; blade < 2; ++blade) {
            const int column = kFirstColumn[blade];
            forms::AddField(form, r[row][blade].leakage.field, forms::ControlKind::Result,
                            {gridRow, column}, kTableFieldWidth);
            forms::AddLabel(form, {gridRow, column + 1}, "m3/h");
            forms::AddLabel(form, {gridRow, column + 2}, "Pmax:");
            forms::AddField(form, r[row][blade].pmax.field, forms::ControlKind::Result,
                            {gridRow, column + 3}, kTableFieldWidth);
            forms::AddLabel(form, {gridRow, column + 4}, "Pa");
        }
    }
    forms::AddLabel(form,
                    {kLeakageFirstTableRow + kLeakageConstructionCount, 0, kLeakageColumnCount},
                    std::string(kLeakagePmaxNote));
    return form;
}

forms::ResultRecord LeakageRecord(const DamperLeakageOutcome& outcome) {
    const LeakageResults& r = LeakageResultSpecs();
    forms::ResultRecord record;
    if (outcome.refused) {
        for (const auto& row : r) {
            for (const CellResults& cell : row) {
                NotComputed(record, {cell.leakage, cell.pmax});
            }
        }
        record.Refuse(RefusalOf(*outcome.refused));
        return record;
    }
    // The 100 mm column top to bottom, then the 165 mm column.
    for (std::size_t blade = 0; blade < 2; ++blade) {
        for (std::size_t row = 0; row < r.size(); ++row) {
            const LeakageCell& cell =
                outcome.result->Cell(static_cast<int>(blade), kConstructions[row].construction);
            record.Add(r[row][blade].leakage, cell.leakage);
            record.Add(r[row][blade].pmax, cell.maxPressureDifference);
        }
    }
    AddNotes(record, outcome.notes);
    return record;
}

forms::FormSpec MakeLeakageSpec() {
    return {
        .description = DescribeLeakageForm(),
        .options = SizeOptions(kLeakageSizeFields),
        .initialTexts =
            [](SharedState& state) { return SizeStartTexts(state, kLeakageSizeFields); },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                return LeakageRecord(EvaluateDamperLeakage(state, SizeEntryOf(texts)));
            },
    };
}

}  // namespace

const forms::FormSpec& JKLeck::Spec() {
    static const forms::FormSpec spec = MakeLeakageSpec();
    return spec;
}

JKLeck::JKLeck(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::dampers
