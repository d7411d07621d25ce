#include "forms/record_fields.h"

#include <cmath>

#include "core/number_text.h"

namespace lorvane::forms {
namespace {

std::string JoinTexts(const TextList& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : " ") + text;
    }
    return joined;
}

void ShowValue(FormView& view, const ResultValue& value) {
    if (value.spec->field != kNoId) {
        view.SetText(value.spec->field, ValueText(value));
        view.SetCaveat(value.spec->field, value.caveat);
    }
}

void ShowBands(FormView& view, const BandRow& row) {
    const bool computed = row.reach == Reach::Computed;
    if (row.spec->firstField != kNoId) {
        for (std::size_t k = 0; k < row.spec->frequencies.size(); ++k) {
            const Number level = computed && k < row.levels.size() ? row.levels[k] : std::nullopt;
            view.SetText(row.spec->firstField + static_cast<ControlId>(k),
                         NumberText(row.spec->format, level));
            view.SetCaveat(row.spec->firstField + static_cast<ControlId>(k), row.caveat);
        }
    }
    if (row.spec->summationField != kNoId) {
        view.SetText(row.spec->summationField,
                     NumberText(row.spec->format, computed ? row.summation : std::nullopt));
        view.SetCaveat(row.spec->summationField, row.caveat);
    }
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

}  // namespace

std::string ValueText(const ResultValue& value) {
    if (value.reach == Reach::NotComputed) {
        return {};
    }
    if (value.shown) {
        return *value.shown;
    }
    if (const Number* number = std::get_if<Number>(&value.value)) {
        return NumberText(value.spec->format, *number);
    }
    if (const std::string* text = std::get_if<std::string>(&value.value)) {
        return *text;
    }
    if (const bool* flag = std::get_if<bool>(&value.value)) {
        return *flag ? "yes" : "no";
    }
    return JoinTexts(std::get<TextList>(value.value));
}

std::string NumberText(std::string_view format, Number value) {
    return value && std::isfinite(*value) ? FormatNumber(format, *value) : std::string();
}

void ShowRecord(FormView& view, const ResultRecord& record, ControlId notesField) {
    for (const ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<ResultValue>(&item)) {
            ShowValue(view, *value);
        } else {
            ShowBands(view, std::get<BandRow>(item));
        }
    }
    if (notesField != kNoId) {
        view.SetText(notesField, JoinLines(record.Notes()));
    }
}

}  // namespace lorvane::forms
