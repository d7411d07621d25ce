#include "schedule/csv.h"

#include "core/words.h"

namespace lorvane::schedule {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

CsvReader::CsvReader(std::istream& in) : in_(in), buffer_(kBufferSize) {}

// Keeps the bytes not yet taken and reads more after them; false when nothing more came.
bool CsvReader::Fill() {
    if (position_ > 0) {
        std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(position_),
                  buffer_.begin() + static_cast<std::ptrdiff_t>(end_), buffer_.begin());
        consumed_ += position_;
        end_ -= position_;
        position_ = 0;
    }
    if (end_ == buffer_.size()) {
        buffer_.resize(buffer_.size() * 2);
    }
    in_.read(buffer_.data() + end_, static_cast<std::streamsize>(buffer_.size() - end_));
    const std::size_t got = static_cast<std::size_t>(in_.gcount());
    end_ += got;
    return got > 0;
}

// Looks at the first line, read whole into the buffer, before any of it is taken. Quotes are
// taken as Next() takes them: only a quote at the start of a field opens quotes, and a doubled
// quote inside them is a quote.
void CsvReader::ChooseSeparator() {
    std::size_t scanned = 0;  // from the position: Fill() moves the bytes to the front
    enum class At { FieldStart, InField, Quoted, QuoteInQuotes } at = At::FieldStart;
    std::size_t commas = 0;
    std::size_t semicolons = 0;
    while (true) {
        for (; position_ + scanned < end_; ++scanned) {
            const char c = buffer_[position_ + scanned];
            if (at == At::Quoted) {
                at = c == '"' ? At::QuoteInQuotes : At::Quoted;
                continue;
            }
            if (at == At::QuoteInQuotes && c == '"') {
                at = At::Quoted;  // a doubled quote
                continue;
            }
            if (c == '\n' || c == '\r') {
                separator_ = semicolons > commas ? ';' : ',';
                return;
            }
            if (c == '"' && at == At::FieldStart) {
                at = At::Quoted;
            } else if (c == ',' || c == ';') {
                commas += c == ',';
                semicolons += c == ';';
                at = At::FieldStart;
            } else {
                at = At::InField;
            }
        }
        if (!Fill()) {
            separator_ = semicolons > commas ? ';' : ',';
            return;
        }
    }
}

bool CsvReader::Next(std::vector<std::string>& fields) {
    if (!started_) {
        started_ = true;
        Fill();
        if (std::string_view(buffer_.data(), end_).starts_with(kByteOrderMark)) {
            position_ = kByteOrderMark.size();
        }
        ChooseSeparator();
    }
    fields.clear();
    unterminated_ = false;
    if (position_ == end_ && !Fill()) {
        return false;
    }
    std::string* field = &fields.emplace_back();
    bool quoted = false;     // inside a quoted part of the field
    bool wasQuoted = false;  // the field began with a quote
    while (true) {
        if (position_ == end_ && !Fill()) {
            unterminated_ = quoted;
            return true;
        }
        const char c = buffer_[position_++];
        if (quoted) {
            if (c != '"') {
                field->push_back(c);
            } else if (position_ == end_ && !Fill()) {
                return true;  // the closing quote ends the input
            } else if (buffer_[position_] == '"') {
                field->push_back('"');
                ++position_;
            } else {
                quoted = false;
            }
        } else if (c == separator_) {
            field = &fields.emplace_back();
            wasQuoted = false;
        } else if (c == '\n') {
            return true;
        } else if (c == '\r') {
            if ((position_ < end_ || Fill()) && buffer_[position_] == '\n') {
                ++position_;
            }
            return true;
        } else if (c == '"' && field->empty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
        } else {
            field->push_back(c);
        }
    }
}

std::string ColumnKey(std::string_view header) {
    return LooseWord(header);
}

void AppendCsvField(std::string& line, std::string_view field, char separator) {
    bool quote = false;
    for (const char c : field) {
        quote |=
            (c == separator) | (c == ',') | (c == ';') | (c == '"') | (c == '\r') | (c == '\n');
    }
    if (!quote) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"') {
            line += '"';
        }
        line += c;
    }
    line += '"';
}

}  // namespace lorvane::schedule
