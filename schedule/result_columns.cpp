#include "schedule/result_columns.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

#include "forms/record_fields.h"
#include "schedule/call.h"
#include "schedule/room_call.h"
#include "schedule/csv.h"

namespace lorvane::schedule {
namespace {

std::string BandName(std::string_view key, double frequency) {
    return ColumnName(key) + "_" + ExactNumber(frequency);
}

// The number as the shortest text that reads back to it, with the given decimal separator.
void WriteNumber(std::string& cell, const forms::Number& number, char decimalSeparator) {
    if (number && std::isfinite(*number)) {
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, *number);
        std::replace(text, result.ptr, '.', decimalSeparator);
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

namespace {

// Every result a product's record can hold is in its record at the start values, either
// computed or marked as not reached. Calculated once per product.
const forms::ResultRecord& StartRecord(const Product& product) {
    static const std::map<const Product*, forms::ResultRecord> records = [] {
        std::map<const Product*, forms::ResultRecord> all;
        for (const Product& each : Catalogue()) {
            all.emplace(&each, EvaluateCall(Call{.product = &each}).record);
        }
        return all;
    }();
    return records.at(&product);
}

}  // namespace

ResultColumns::ResultColumns(const std::vector<const Product*>& products) {
    for (const Product* product : products) {
        const forms::ResultRecord& start = StartRecord(*product);
        AddColumnsOf(start);
        AddLayout(start);
        if (product->room.SendsSound()) {
            AddColumnsOf(RoomColumnsRecord());
        }
    }
    AddColumn("notes");
    notes_ = Find(columns_, "notes");
}

void ResultColumns::AddColumnsOf(const forms::ResultRecord& record) {
    for (const forms::ResultItem& item : record.Items()) {
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            if (!value->spec->key.empty()) {
                AddColumn(ColumnName(value->spec->key));
                values_.emplace(value->spec->key, Find(columns_, ColumnName(value->spec->key)));
            }
            continue;
        }
        const forms::BandRowSpec& row = *std::get<forms::BandRow>(item).spec;
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

void ResultColumns::AddColumn(const std::string& name) {
    if (columns_.emplace(name, static_cast<int>(names_.size())).second) {
        names_.push_back(name);
    }
}

namespace {

std::string_view KeyOf(const forms::ResultItem& item) {
    if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
        return value->spec->key;
    }
    return std::get<forms::BandRow>(item).spec->key;
}

std::string_view SummationKeyOf(const forms::ResultItem& item) {
    const auto* row = std::get_if<forms::BandRow>(&item);
    return row == nullptr ? std::string_view() : std::string_view(row->spec->summationKey);
}

}  // namespace

void ResultColumns::AddLayout(const forms::ResultRecord& start) {
    Layout layout;
    for (std::size_t position = 0; position < start.Items().size(); ++position) {
        const forms::ResultItem& item = start.Items()[position];
        layout.push_back({.key = std::string(KeyOf(item)),
                          .summationKey = std::string(SummationKeyOf(item)),
                          .target = TargetOf(item, position, nullptr)});
    }
    if (!layout.empty()) {
        layouts_.push_back(std::move(layout));
    }
}

int ResultColumns::Find(const KeyIndex& index, std::string_view key) {
    const auto found = index.find(key);
    return found == index.end() ? -1 : found->second;
}


const ResultColumns::Layout* ResultColumns::LayoutOf(const forms::ResultRecord& record) const {
    if (record.Items().empty()) {
        return nullptr;
    }
    const forms::ResultItem& first = record.Items().front();
    for (const Layout& layout : layouts_) {
        if (layout.front().key == KeyOf(first) &&
            layout.front().summationKey == SummationKeyOf(first)) {
            return &layout;
        }
    }
    return nullptr;
}

ResultColumns::Target ResultColumns::TargetOf(const forms::ResultItem& item, std::size_t position,
                                              const Layout* layout) const {
    const std::string_view key = KeyOf(item);
    const std::string_view summationKey = SummationKeyOf(item);
    if (layout != nullptr && position < layout->size()) {
        const Place& place = (*layout)[position];
        if (place.key == key && place.summationKey == summationKey) {
            return place.target;
        }
    }
    if (std::holds_alternative<forms::ResultValue>(item)) {
        return {.column = Find(values_, key)};
    }
    return {.column = Find(bands_, key), .summation = Find(values_, summationKey)};
}

void ResultColumns::Fill(const forms::ResultRecord& record, std::vector<std::string>& cells) const {
    FillCells(record, cells, nullptr);
}

void ResultColumns::FillFields(const forms::ResultRecord& record, char separator,
                               std::vector<std::string>& fields) const {
    FillCells(record, fields, &separator);
}

void ResultColumns::FillCells(const forms::ResultRecord& record, std::vector<std::string>& cells,
                              const char* separator) const {
    // A spreadsheet that separates its fields with semicolons writes a decimal comma.
    const char decimalSeparator = separator != nullptr && *separator == ';' ? ',' : '.';
    const auto writeText = [separator](std::string& cell, std::string_view text) {
        if (separator != nullptr) {
            AppendCsvField(cell, text, *separator);
        } else {
            cell.append(text);
        }
    };
    cells.resize(names_.size());
    for (std::string& cell : cells) {
        cell.clear();
    }
    const Layout* layout = LayoutOf(record);
    const std::vector<forms::ResultItem>& items = record.Items();
    for (std::size_t position = 0; position < items.size(); ++position) {
        const forms::ResultItem& item = items[position];
        if (const auto* value = std::get_if<forms::ResultValue>(&item)) {
            if (value->reach != forms::Reach::Computed) {
                continue;
            }
            const int column = TargetOf(item, position, layout).column;
            if (column < 0) {
                continue;
            }
            if (const forms::Number* number = std::get_if<forms::Number>(&value->value)) {
                WriteNumber(cells[column], *number, decimalSeparator);
            } else if (const std::string* text = std::get_if<std::string>(&value->value)) {
                writeText(cells[column], *text);
            } else if (const bool* flag = std::get_if<bool>(&value->value)) {
                cells[column] = *flag ? "true" : "false";
            } else {
                writeText(cells[column], forms::ValueText(*value));
            }
            continue;
        }
        const forms::BandRow& row = std::get<forms::BandRow>(item);
        if (row.reach != forms::Reach::Computed) {
            continue;
        }
        const Target target = TargetOf(item, position, layout);
        if (target.column >= 0) {
            for (std::size_t band = 0; band < row.levels.size(); ++band) {
                WriteNumber(cells[target.column + band], row.levels[band], decimalSeparator);
            }
        }
        if (target.summation >= 0) {
            WriteNumber(cells[target.summation], row.summation, decimalSeparator);
        }
    }
    std::string notes;
    for (const std::string& note : record.Notes()) {
        notes += notes.empty() ? "" : " ";
        notes += note;
    }
    writeText(cells[notes_], notes);
}

}  // namespace lorvane::schedule
