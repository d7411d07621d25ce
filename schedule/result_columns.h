#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "forms/result_record.h"
#include "products/catalogue.h"

namespace lorvane::schedule {

// The results of calculations as the columns of a table: the JSON keys of the records, their
// dots as underscores ("flowRange_vmin", "casing_none_summationLevel"), a band array as one
// column per band named by its centre frequency ("octave_63" ... "octave_8000"), and last
// "notes"; a product that sends sound into a room has the room's columns too ("room_levels_63",
// "room_nr", "room_attenuator_length", "room_notes"; the path's elements have none). Numbers are
// written unrounded, so that they read back to the same double; a value
// the model cannot give and a result not reached are empty cells.
class ResultColumns {
  public:
    // The columns of the given products' records, in the order of their first appearance.
    explicit ResultColumns(const std::vector<const Product*>& products);

    const std::vector<std::string>& Names() const { return names_; }
    // The cells of a record, one per column; the columns of other products stay empty. The
    // cells' strings are reused, so a caller that keeps them makes no new ones row after row.
    void Fill(const forms::ResultRecord& record, std::vector<std::string>& cells) const;
    // The cells as the fields of a CSV line with this separator: a text that holds the
    // separator, a quote or a line break is quoted. In a line separated by semicolons, as a
    // spreadsheet set to a decimal comma writes it, the numbers have a decimal comma ("5,65"),
    // so that the spreadsheet reads them back as numbers; ReadNumber reads either exactly.
    void FillFields(const forms::ResultRecord& record, char separator,
                    std::vector<std::string>& fields) const;

  private:
    // Hashes a key as a string view, so that looking one up makes no string.
    struct KeyHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const {
            return std::hash<std::string_view>{}(key);
        }
    };
    using KeyIndex = std::unordered_map<std::string, int, KeyHash, std::equal_to<>>;

    // Where an item of a record goes: the column of its value or its first band, and of its
    // summation level (-1: none).
    struct Target {
        int column = -1;
        int summation = -1;
    };
    struct Place {
        std::string key;
        std::string summationKey;
        Target target;
    };
    // The places of a product's items in the order its records hold them. A record of the
    // product finds each item's place by its position, and by its key only where the order
    // differs.
    using Layout = std::vector<Place>;

    void AddColumn(const std::string& name);
    void AddColumnsOf(const forms::ResultRecord& record);
    void AddLayout(const forms::ResultRecord& start);
    const Layout* LayoutOf(const forms::ResultRecord& record) const;
    Target TargetOf(const forms::ResultItem& item, std::size_t position,
                    const Layout* layout) const;
    void FillCells(const forms::ResultRecord& record, std::vector<std::string>& cells,
                   const char* separator) const;
    // The column of a JSON path (of the first band, for a band array), or -1.
    static int Find(const KeyIndex& index, std::string_view key);

    std::vector<std::string> names_;
    KeyIndex columns_;  // by column name
    KeyIndex values_;   // by the JSON path of a value or a summation level
    KeyIndex bands_;    // by the JSON path of a band array: its first band's column
    std::vector<Layout> layouts_;
    int notes_ = 0;
};

// The column name of a JSON path: "casing.none.levels" becomes "casing_none_levels".
std::string ColumnName(std::string_view key);

// A double written as the shortest text that reads back to it.
std::string ExactNumber(double value);

}  // namespace lorvane::schedule
