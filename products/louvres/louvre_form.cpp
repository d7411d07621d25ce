#include "products/louvres/louvre_form.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "forms/band_layout.h"
#include "forms/input_layout.h"
#include "products/louvres/louvre_evaluation.h"
#include "products/louvres/louvre_record.h"

namespace lorvane::louvres {
namespace {

using forms::Cell;
using forms::ControlKind;

constexpr int kNcColumn = forms::kSummationColumn + 1;
constexpr int kLouvreColumnCount = kNcColumn + 1;
constexpr Cell kSiteCell{0, 1, 4};     // the sites' list, wider for its long entries
constexpr Cell kResultLabel{0, 5, 4};  // the results' labels beside the inputs, wider than usual

constexpr const char* kNcToolTip =
    "NC rating of the louvre's sound power level, not of a sound pressure level in a room: "
    "do not compare it with a room's NC target.";

std::vector<std::string> Entries(std::span<const std::string_view> names) {
    return {names.begin(), names.end()};
}

forms::FormDescription DescribeLouvreForm() {
    const LouvreResults& r = LouvreResultSpecs();
    forms::FormDescription form;
    form.caption = "External weather louvres";
    form.errorCaption = std::string(kLouvreErrorCaption);
    form.titleLabel = ids::kTitle;
    form.defaultButton = ids::kCalculate;
    form.Add({.id = ids::kTitle,
              .kind = ControlKind::Title,
              .text = "Flow technical and acoustic data of external weather louvre",
              .cell = {0, 0, kLouvreColumnCount}});

    forms::AddInputRow(form, 1, "Width [mm]:", ids::kWidth);
    forms::AddInputRow(form, 2, "Height [mm]:", ids::kHeight);
    forms::AddInputRow(form, 3, "Volume flow [m3/h]:", ids::kVolumeFlow);
    forms::AddLabel(form, {4, 0}, "Installation site:");
    form.Add({.id = ids::kSiteList,
              .kind = ControlKind::List,
              .cell = forms::InRow(kSiteCell, 4),
              .items = Entries(LouvreSiteNames)});
    forms::AddLabel(form, {5, 0}, "Model:");
    form.Add({.id = ids::kModelList,
              .kind = ControlKind::List,
              .cell = forms::InRow(forms::kInputFieldCell, 5),
              .items = Entries(LouvreModelNames)});
    form.Add({.id = ids::kCalculate,
              .kind = ControlKind::Button,
              .text = "Calculate",
              .cell = {1, 3, 2}});

    forms::AddResultPair(form, 1, r.faceArea, kResultLabel);
    forms::AddResultPair(form, 2, r.velocity, kResultLabel);
    forms::AddResultPair(form, 3, r.pressureLoss, kResultLabel);
    forms::AddResultPair(form, 4, r.zeta, kResultLabel);
    forms::AddResultPair(form, 5, r.waterSeparation, kResultLabel);

    forms::AddFrequencyRow(form, 7, r.summationLevel.label);
    // The head says it too: a field may use its tip for the state of its value.
    form.Add({.kind = ControlKind::Label,
              .text = r.nc.label,
              .cell = {7, kNcColumn},
              .toolTip = kNcToolTip});
    forms::AddACorrectionRow(form, 8);
    forms::AddBandRow(form, 9, r.octave.label + ":", r.octave.firstField, r.summationLevel.field);
    form.Add({.id = r.nc.field,
              .kind = ControlKind::Result,
              .cell = {9, kNcColumn},
              .toolTip = kNcToolTip});
    return form;
}

std::vector<forms::Option> Options() {
    std::vector<forms::Choice> sites;
    for (std::string_view name : LouvreSiteNames) {
        sites.push_back({std::string(name.substr(0, 1)), std::string(name)});
    }
    std::vector<forms::Choice> models;
    for (std::string_view name : LouvreModelNames) {
        models.push_back({std::string(name), std::string(name)});
    }
    return {
        {.name = "width", .help = "louvre width [mm], 300 to 2000", .field = ids::kWidth},
        {.name = "height", .help = "louvre height [mm], 345 to 2000", .field = ids::kHeight},
        {.name = "flow",
         .help = "volume flow [m3/h], 1 to 6 m/s through the face",
         .field = ids::kVolumeFlow},
        {.name = "site",
         .help = "installation site: A duct mounted, supply air; B duct mounted, exhaust air; "
                 "C wall mounted, exhaust air; D wall mounted, supply air",
         .field = ids::kSiteList,
         .choices = std::move(sites)},
        {.name = "model",
         .help = "louvre model",
         .field = ids::kModelList,
         .choices = std::move(models)},
    };
}

// The position of a list's entry, or nothing when the text is none of them.
std::optional<int> PositionOf(std::span<const std::string_view> entries, std::string_view text) {
    const auto it = std::find(entries.begin(), entries.end(), text);
    if (it == entries.end()) {
        return std::nullopt;
    }
    return static_cast<int>(it - entries.begin());
}

// The entry of each list as the form shows it. A list shows one of its entries; a text that is
// none of them leaves the list at the choice kept for the run.
LouvreEntry EntryOf(SharedState& state, const forms::InputTexts& texts) {
    const LouvreSelection& kept = state.Of<LouvreSelection>();
    const std::optional<int> site = PositionOf(LouvreSiteNames, forms::TextOf(texts, "site"));
    const std::optional<int> model = PositionOf(LouvreModelNames, forms::TextOf(texts, "model"));
    return {.width = forms::TextOf(texts, "width"),
            .height = forms::TextOf(texts, "height"),
            .volumeFlow = forms::TextOf(texts, "flow"),
            .site = site ? *SiteAt(*site) : kept.site,
            .model = model ? *ModelAt(*model) : kept.model};
}

// A pick is kept for the run at once; it does not calculate.
void RecordSelection(forms::FormView& /*view*/, SharedState& state, forms::ControlId list,
                     int index) {
    LouvreSelection& kept = state.Of<LouvreSelection>();
    if (list == ids::kSiteList) {
        kept.site = SiteAt(index).value_or(kept.site);
    } else if (list == ids::kModelList) {
        kept.model = ModelAt(index).value_or(kept.model);
    }
}

forms::FormSpec MakeLouvreSpec() {
    return {
        .description = DescribeLouvreForm(),
        .options = Options(),
        .initialTexts =
            [](SharedState& state) {
                const LouvreEntry opening = OpeningEntry(state);
                return std::vector<forms::FieldText>{
                    {ids::kWidth, opening.width},
                    {ids::kHeight, opening.height},
                    {ids::kVolumeFlow, opening.volumeFlow},
                    {ids::kSiteList,
                     std::string(LouvreSiteNames[static_cast<std::size_t>(opening.site)])},
                    {ids::kModelList,
                     std::string(LouvreModelNames[static_cast<std::size_t>(opening.model)])},
                };
            },
        .evaluate =
            [](SharedState& state, const forms::InputTexts& texts, const forms::Ask& /*ask*/) {
                return LouvreRecord(EvaluateLouvre(state, EntryOf(state, texts)));
            },
        .onSelection = RecordSelection,
    };
}

}  // namespace

const forms::FormSpec& WSG::Spec() {
    static const forms::FormSpec spec = MakeLouvreSpec();
    return spec;
}

WSG::WSG(const forms::FormContext& context) : ProductForm(Spec(), context) {}

}  // namespace lorvane::louvres
