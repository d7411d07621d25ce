#include "products/dampers/damper_form_parts.h"

#include "forms/band_layout.h"

namespace lorvane::dampers {
namespace {

// The option each input is given as.
std::string OptionName(DamperInput input) {
    switch (input) {
        case DamperInput::Width:
            return "width";
        case DamperInput::Height:
            return "height";
        case DamperInput::VolumeFlow:
            return "flow";
        case DamperInput::DifferentialPressure:
            return "dp";
        case DamperInput::BladeLength:
            return "length";
    }
    return {};
}

}  // namespace

std::string BladeKey(int pitch) {
    return std::to_string(pitch) + "mm";
}

forms::ValueSpec TableValue(std::string key, std::string label, std::string unit,
                            forms::ControlId field) {
    return {.key = std::move(key),
            .label = std::move(label),
            .unit = std::move(unit),
            .format = kResultFormat,
            .field = field};
}

forms::Refusal RefusalOf(const DamperRefusal& refusal) {
    return {.input = OptionName(refusal.input), .message = RefusalMessage(refusal)};
}

void NotComputed(forms::ResultRecord& record, const SpecRefs& specs) {
    for (const forms::ValueSpec& spec : specs) {
        record.NotComputed(spec);
    }
}

void AddNotes(forms::ResultRecord& record, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        record.AddNote(note);
    }
}

void AddTitle(forms::FormDescription& form, forms::ControlId id, std::string text, int columns) {
    form.titleLabel = id;
    form.Add({.id = id,
              .kind = forms::ControlKind::Title,
              .text = std::move(text),
              .cell = {0, 0, columns}});
}

void AddInput(forms::FormDescription& form, int row, std::string label, forms::ControlId id) {
    forms::AddLabel(form, {row, 0}, std::move(label));
    forms::AddField(form, id, forms::ControlKind::Input, {row, 1, 2});
}

std::vector<forms::Option> SizeOptions(const SizeFields& fields) {
    return {
        {.name = "width", .help = "width [mm], 100 to 2000", .field = fields.width},
        {.name = "height", .help = "height [mm], 100 to 2000", .field = fields.height},
        {.name = "dp",
         .help = "differential pressure [Pa], 0.1 to 10000",
         .field = fields.differentialPressure},
    };
}

std::vector<forms::FieldText> SizeStartTexts(const SharedState& state, const SizeFields& fields) {
    const DamperSizeEntry entry = DamperSizeStartEntry(state);
    return {
        {fields.width, entry.width},
        {fields.height, entry.height},
        {fields.differentialPressure, entry.differentialPressure},
    };
}

DamperSizeEntry SizeEntryOf(const forms::InputTexts& texts) {
    return {forms::TextOf(texts, "width"), forms::TextOf(texts, "height"),
            forms::TextOf(texts, "dp")};
}

}  // namespace lorvane::dampers
