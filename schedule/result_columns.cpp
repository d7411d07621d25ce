#include "schedule/result_columns.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "schedule/call.h"

namespace lorvane::schedule {
namespace {

std::string BandName(std::string_view key, double frequency) {
    return ColumnName(key) + "_" + ExactNumber(frequency);
}

void WriteNumber(std::string& cell, const forms::Number& number) {
    if (number && std::isfinite(*number)) {
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, *number);
        cell.assign(text, result.ptr);
    }
}

}  // namespace

std::string ColumnName(std::string_view key) {
    std::string name(key);
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

std::string ExactNumber(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

ResultColumns::ResultColumns(const std::vector<const Product*>& products) {
    for (const Product* product : products) {
        // Every result a product's record can hold is in its record at the start values, either
        // computed or marked as not reached.
        const forms::ResultRecord record = EvaluateCall(Call{.product = product});
        for (const forms::ResultItem& item : record.Items()) {
            if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
                if (!value->spec.key.empty()) {
                    AddColumn(ColumnName(value->spec.key));
                    values_.emplace(value->spec.key, Find(columns_, ColumnName(value->spec.key)));
                }
                continue;
            }
            const forms::BandRowSpec& row = std::get<forms::BandRow>(item).spec;
            if (!row.key.empty() && !row.frequencies.empty()) {
                for (const double frequency : row.frequencies) {
                    AddColumn(BandName(row.key, frequency));
                }
                bands_.emplace(row.key, Find(columns_, BandName(row.key, row.frequencies.front())));
            }
            if (!row.summationKey.empty()) {
                AddColumn(ColumnName(row.summationKey));
                values_.emplace(row.summationKey, Find(columns_, ColumnName(row.summationKey)));
            }
        }
    }
    AddColumn("notes");
    notes_ = Find(columns_, "notes");
}

void ResultColumns::AddColumn(const std::string& name) {
    if (columns_.emplace(name, static_cast<int>(names_.size())).second) {
        names_.push_back(name);
    }
}

int ResultColumns::Find(const KeyIndex& index, std::string_view key) {
    const auto found = index.find(key);
    return found == index.end() ? -1 : found->second;
}

void ResultColumns::Fill(const forms::ResultRecord& record, std::vector<std::string>& cells) const {
    cells.resize(names_.size());
    for (std::string& cell : cells) {
        cell.clear();
    }
    for (const forms::ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            const int column = Find(values_, value->spec.key);
            if (column < 0 || value->reach != forms::Reach::Computed) {
                continue;
            }
            if (const forms::Number* number = std::get_if<forms::Number>(&value->value)) {
                WriteNumber(cells[column], *number);
            } else if (const std::string* text = std::get_if<std::string>(&value->value)) {
                cells[column] = *text;
            } else {
                cells[column] = std::get<bool>(value->value) ? "true" : "false";
            }
            continue;
        }
        const forms::BandRow& row = std::get<forms::BandRow>(item);
        if (row.reach != forms::Reach::Computed) {
            continue;
        }
        if (const int first = Find(bands_, row.spec.key); first >= 0) {
            for (std::size_t band = 0; band < row.levels.size(); ++band) {
                WriteNumber(cells[first + band], row.levels[band]);
            }
        }
        if (const int column = Find(values_, row.spec.summationKey); column >= 0) {
            WriteNumber(cells[column], row.summation);
        }
    }
    std::string& notes = cells[notes_];
    for (const std::string& note : record.Notes()) {
        notes += notes.empty() ? "" : " ";
        notes += note;
    }
}

}  // namespace lorvane::schedule
