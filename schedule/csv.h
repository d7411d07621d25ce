#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace lorvane::schedule {

// Reads a CSV file record by record, as RFC 4180 writes it: fields in double quotes may hold
// the separator, quotes (doubled) and line breaks. Lenient where a spreadsheet is: lines may end
// in CRLF or LF, a UTF-8 byte order mark before the first record is skipped, and a quote inside
// an unquoted field is an ordinary character. The separator is a semicolon when the first
// record (the header) has more semicolons than commas outside quotes, as a spreadsheet set to a
// decimal comma writes it; otherwise a comma.
class CsvReader {
  public:
    explicit CsvReader(std::istream& in);

    // The next record's fields; false at the end of the input. An empty line is a record of one
    // empty field.
    bool Next(std::vector<std::string>& fields);
    // Whether the record just read ended inside quotes: the input ended before the quote closed.
    bool Unterminated() const { return unterminated_; }
    char Separator() const { return separator_; }
    // How many bytes of the input have been taken so far.
    std::uint64_t BytesRead() const { return consumed_ + position_; }

  private:
    bool Fill();
    void ChooseSeparator();

    std::istream& in_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    std::uint64_t consumed_ = 0;
    char separator_ = ',';
    bool started_ = false;
    bool unterminated_ = false;
};

// What a header names, whatever its case and surrounding spaces: " Flow" names "flow".
std::string ColumnKey(std::string_view header);

// Appends one field to a CSV line, in quotes where it holds a quote, a line break or either of
// the separators a schedule may use: a header written with commas whose names hold semicolons
// would otherwise read back as separated by semicolons.
void AppendCsvField(std::string& line, std::string_view field, char separator);

}  // namespace lorvane::schedule
