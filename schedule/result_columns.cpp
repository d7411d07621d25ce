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

std::string CellOf(const forms::Number& number) {
    return number && std::isfinite(*number) ? ExactNumber(*number) : std::string();
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
                }
                continue;
            }
            const forms::BandRowSpec& row = std::get<forms::BandRow>(item).spec;
            if (!row.key.empty()) {
                for (const double frequency : row.frequencies) {
                    AddColumn(BandName(row.key, frequency));
                }
            }
            if (!row.summationKey.empty()) {
                AddColumn(ColumnName(row.summationKey));
            }
        }
    }
    AddColumn("notes");
    notes_ = IndexOf("notes");
}

void ResultColumns::AddColumn(const std::string& name) {
    if (index_.emplace(name, static_cast<int>(names_.size())).second) {
        names_.push_back(name);
    }
}

int ResultColumns::IndexOf(std::string_view key) const {
    const auto found = index_.find(std::string(key));
    return found == index_.end() ? -1 : found->second;
}

void ResultColumns::Fill(const forms::ResultRecord& record,
                         std::vector<std::string>& cells) const {
    cells.assign(names_.size(), std::string());
    for (const forms::ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            const int column = IndexOf(ColumnName(value->spec.key));
            if (column < 0 || value->reach != forms::Reach::Computed) {
                continue;
            }
            if (const forms::Number* number = std::get_if<forms::Number>(&value->value)) {
                cells[column] = CellOf(*number);
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
        if (!row.spec.key.empty() && !row.spec.frequencies.empty()) {
            const int first = IndexOf(BandName(row.spec.key, row.spec.frequencies.front()));
            for (std::size_t band = 0; first >= 0 && band < row.levels.size(); ++band) {
                cells[first + band] = CellOf(row.levels[band]);
            }
        }
        if (!row.spec.summationKey.empty()) {
            if (const int column = IndexOf(ColumnName(row.spec.summationKey)); column >= 0) {
                cells[column] = CellOf(row.summation);
            }
        }
    }
    std::string notes;
    for (const std::string& note : record.Notes()) {
        notes += (notes.empty() ? "" : " ") + note;
    }
    cells[notes_] = std::move(notes);
}

}  // namespace lorvane::schedule
