#include "forms/result_record.h"

namespace lorvane::forms {

void ResultRecord::Add(const ValueSpec& spec, Number value) {
    items_.emplace_back(ResultValue{.spec = &spec, .value = value});
}

void ResultRecord::AddText(const ValueSpec& spec, std::string text) {
    items_.emplace_back(ResultValue{.spec = &spec, .value = std::move(text)});
}

void ResultRecord::AddFlag(const ValueSpec& spec, bool flag) {
    items_.emplace_back(ResultValue{.spec = &spec, .value = flag});
}

void ResultRecord::AddTexts(const ValueSpec& spec, TextList texts) {
    items_.emplace_back(ResultValue{.spec = &spec, .value = std::move(texts)});
}

void ResultRecord::AddShownAs(const ValueSpec& spec, Number value, std::string shown) {
    items_.emplace_back(ResultValue{.spec = &spec, .value = value, .shown = std::move(shown)});
}

void ResultRecord::AddBands(const BandRowSpec& spec, std::span<const Number> levels,
                            Number summation) {
    items_.emplace_back(BandRow{.spec = &spec,
                                .levels = std::vector<Number>(levels.begin(), levels.end()),
                                .summation = summation});
}

void ResultRecord::AddBands(const BandRowSpec& spec, std::span<const double> levels,
                            Number summation) {
    std::vector<Number> numbers(levels.begin(), levels.end());
    items_.emplace_back(
        BandRow{.spec = &spec, .levels = std::move(numbers), .summation = summation});
}

void ResultRecord::NotComputed(const ValueSpec& spec) {
    items_.emplace_back(ResultValue{.spec = &spec, .reach = Reach::NotComputed});
}

void ResultRecord::NotComputed(const BandRowSpec& spec) {
    items_.emplace_back(BandRow{.spec = &spec, .reach = Reach::NotComputed});
}

void ResultRecord::AddCaveat(std::string caveat) {
    if (items_.empty()) {
        return;
    }
    std::visit([&](auto& item) { item.caveat = std::move(caveat); }, items_.back());
}

const ResultValue* ResultRecord::FindValue(std::string_view key) const {
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        const auto* value = std::get_if<ResultValue>(&*item);
        if (value && value->reach == Reach::Computed && value->spec->key == key) {
            return value;
        }
    }
    return nullptr;
}

const BandRow* ResultRecord::FindBands(std::string_view key) const {
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        const auto* row = std::get_if<BandRow>(&*item);
        if (row && row->reach == Reach::Computed && row->spec->key == key) {
            return row;
        }
    }
    return nullptr;
}

std::optional<ShownNumber> ResultRecord::ShownNumberAt(std::string_view key) const {
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        if (const auto* value = std::get_if<ResultValue>(&*item)) {
            if (value->reach == Reach::Computed && value->spec->key == key) {
                const Number* number = std::get_if<Number>(&value->value);
                return number && *number
                           ? std::optional<ShownNumber>({**number, value->spec->format})
                           : std::nullopt;
            }
        } else if (const BandRow& row = std::get<BandRow>(*item);
                   row.reach == Reach::Computed && row.spec->summationKey == key) {
            return row.summation ? std::optional<ShownNumber>({*row.summation, row.spec->format})
                                 : std::nullopt;
        }
    }
    return std::nullopt;
}

Number ResultRecord::NumberAt(std::string_view key) const {
    const std::optional<ShownNumber> number = ShownNumberAt(key);
    return number ? Number(number->value) : std::nullopt;
}

void ResultRecord::AddDiagnostics(std::string_view text) {
    diagnostics_.push_back([trace = std::string(text)] { return trace; });
}

void ResultRecord::AddDiagnostics(std::function<std::string()> trace) {
    diagnostics_.push_back(std::move(trace));
}

std::string ResultRecord::Diagnostics() const {
    std::string text;
    for (const auto& trace : diagnostics_) {
        text += trace();
    }
    return text;
}

}  // namespace lorvane::forms
