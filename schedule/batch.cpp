#include "schedule/batch.h"

#include <algorithm>
#include <future>
#include <map>
#include <set>
#include <thread>

#include "schedule/call.h"
#include "schedule/csv.h"
#include "schedule/result_columns.h"

namespace lorvane::schedule {
namespace {

constexpr std::size_t kChunkRows = 2048;

enum class RowStatus { Ok, Refused, Invalid };

const char* StatusWord(RowStatus status) {
    switch (status) {
        case RowStatus::Ok:
            return "ok";
        case RowStatus::Refused:
            return "refused";
        case RowStatus::Invalid:
            break;
    }
    return "invalid";
}

// What each column of the input is.
struct Header {
    std::vector<std::string> names;
    std::size_t product = 0;
    std::vector<std::size_t> options;  // the columns named as an option of some product
};

std::variant<Header, std::string> ReadHeader(CsvReader& reader) {
    Header header;
    if (!reader.Next(header.names)) {
        return std::string("the file is empty: it needs a header row with a product column");
    }
    const auto product = std::find(header.names.begin(), header.names.end(), "product");
    if (product == header.names.end()) {
        return std::string("the header row has no product column");
    }
    header.product = static_cast<std::size_t>(product - header.names.begin());
    for (std::size_t column = 0; column < header.names.size(); ++column) {
        if (IsOptionName(header.names[column])) {
            header.options.push_back(column);
        }
    }
    return header;
}

struct Row {
    std::vector<std::string> fields;
    bool unterminated = false;
};

bool IsBlank(const std::vector<std::string>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

// Why the row's shape is wrong, if it is.
std::string ShapeProblem(const Row& row, std::size_t columns) {
    if (row.unterminated) {
        return "a quoted field is not closed before the end of the file";
    }
    if (row.fields.size() > columns &&
        !std::all_of(row.fields.begin() + static_cast<std::ptrdiff_t>(columns), row.fields.end(),
                     [](const std::string& field) { return field.empty(); })) {
        return "the row has " + std::to_string(row.fields.size()) + " fields, the header " +
               std::to_string(columns);
    }
    return {};
}

// Turns rows into output lines; one per worker, used by one thread at a time.
class RowWriter {
  public:
    RowWriter(const Header& header, BatchFormat format, const ResultColumns& columns,
              char separator)
        : header_(header), format_(format), columns_(columns), separator_(separator) {}

    RowStatus Write(Row& row, std::string& line) {
        row.fields.resize(std::max(row.fields.size(), header_.names.size()));
        std::string problem = ShapeProblem(row, header_.names.size());
        row.fields.resize(header_.names.size());
        std::variant<Call, std::string> call = std::string();
        if (problem.empty()) {
            std::map<std::string, std::string> cells;
            for (const std::size_t column : header_.options) {
                cells[header_.names[column]] = row.fields[column];
            }
            call = CallOfCells(row.fields[header_.product], cells);
            if (std::string* why = std::get_if<std::string>(&call)) {
                problem = std::move(*why);
            }
        }
        line.clear();
        if (!problem.empty()) {
            WriteInvalid(row, problem, line);
            return RowStatus::Invalid;
        }
        forms::InputTexts texts;
        const Call& valid = std::get<Call>(call);
        const forms::ResultRecord record = EvaluateCall(valid, &texts);
        const RowStatus status = record.Refused() ? RowStatus::Refused : RowStatus::Ok;
        if (format_ == BatchFormat::JsonLines) {
            Json object{{"status", StatusWord(status)},
                        {"product", valid.product->word},
                        {"inputs", InputsJson(valid, texts)}};
            object.update(RecordJson(record));
            object["columns"] = PassedThrough(row);
            line = object.dump();
        } else {
            WriteInputs(row, line);
            AppendCsvField(line, StatusWord(status), separator_);
            line += separator_;
            AppendCsvField(line, record.Refused() ? record.Refused()->message : "", separator_);
            columns_.Fill(record, cells_);
            for (const std::string& cell : cells_) {
                line += separator_;
                AppendCsvField(line, cell, separator_);
            }
        }
        line += '\n';
        return status;
    }

  private:
    Json PassedThrough(const Row& row) const {
        Json columns = Json::object();
        for (std::size_t column = 0; column < header_.names.size(); ++column) {
            if (column != header_.product &&
                std::find(header_.options.begin(), header_.options.end(), column) ==
                    header_.options.end()) {
                columns[header_.names[column]] = row.fields[column];
            }
        }
        return columns;
    }

    void WriteInputs(const Row& row, std::string& line) const {
        for (const std::string& field : row.fields) {
            AppendCsvField(line, field, separator_);
            line += separator_;
        }
    }

    void WriteInvalid(const Row& row, const std::string& problem, std::string& line) const {
        if (format_ == BatchFormat::JsonLines) {
            Json object{{"status", "invalid"}, {"error", problem}};
            object["columns"] = PassedThrough(row);
            line = object.dump();
        } else {
            WriteInputs(row, line);
            AppendCsvField(line, "invalid", separator_);
            line += separator_;
            AppendCsvField(line, problem, separator_);
            line.append(columns_.Names().size(), separator_);
        }
        line += '\n';
    }

    const Header& header_;
    BatchFormat format_;
    const ResultColumns& columns_;
    char separator_;
    std::vector<std::string> cells_;
};

struct Chunk {
    std::vector<Row> rows;
    std::vector<std::string> lines;
    std::vector<RowStatus> statuses;
};

// Reads up to kChunkRows rows that are not blank; false when the input is done.
bool ReadChunk(CsvReader& reader, Chunk& chunk) {
    chunk.rows.resize(kChunkRows);
    std::size_t count = 0;
    while (count < kChunkRows && reader.Next(chunk.rows[count].fields)) {
        chunk.rows[count].unterminated = reader.Unterminated();
        if (!IsBlank(chunk.rows[count].fields)) {
            ++count;
        }
    }
    chunk.rows.resize(count);
    return count > 0;
}

void Calculate(std::vector<RowWriter>& writers, Chunk& chunk) {
    const std::size_t rows = chunk.rows.size();
    chunk.lines.resize(rows);
    chunk.statuses.resize(rows);
    const std::size_t workers = writers.size();
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < workers; ++w) {
        threads.emplace_back([&, w] {
            for (std::size_t i = w; i < rows; i += workers) {
                chunk.statuses[i] = writers[w].Write(chunk.rows[i], chunk.lines[i]);
            }
        });
    }
    for (std::size_t i = 0; i < rows; i += workers) {
        chunk.statuses[i] = writers[0].Write(chunk.rows[i], chunk.lines[i]);
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
}

void WriteHeader(const Header& header, const ResultColumns& columns, char separator,
                 std::ostream& out) {
    std::string line;
    for (const std::string& name : header.names) {
        AppendCsvField(line, name, separator);
        line += separator;
    }
    line += "status";
    line += separator;
    line += "message";
    for (const std::string& name : columns.Names()) {
        line += separator;
        AppendCsvField(line, name, separator);
    }
    out << line << '\n';
}

}  // namespace

std::vector<const Product*> ProductsIn(std::istream& in) {
    CsvReader reader(in);
    std::vector<std::string> fields;
    std::set<std::string> words;
    std::size_t column = 0;
    if (!reader.Next(fields)) {
        return {};
    }
    const auto product = std::find(fields.begin(), fields.end(), "product");
    column = static_cast<std::size_t>(product - fields.begin());
    while (product != fields.end() && reader.Next(fields)) {
        if (column < fields.size()) {
            words.insert(fields[column]);
        }
    }
    std::vector<const Product*> products;
    for (const Product& each : Catalogue()) {
        const bool named = std::any_of(words.begin(), words.end(), [&](const std::string& word) {
            const auto call = CallOfCells(word, {});
            return std::holds_alternative<Call>(call) && std::get<Call>(call).product == &each;
        });
        if (each.IsBuilt() && named) {
            products.push_back(&each);
        }
    }
    return products;
}

std::variant<BatchCount, std::string> RunBatch(std::istream& in, std::ostream& out,
                                               BatchFormat format,
                                               const std::vector<const Product*>& products,
                                               const BatchProgress& progress) {
    CsvReader reader(in);
    std::variant<Header, std::string> read = ReadHeader(reader);
    if (const std::string* problem = std::get_if<std::string>(&read)) {
        return *problem;
    }
    const Header& header = std::get<Header>(read);
    const ResultColumns columns(products);
    if (format == BatchFormat::Csv) {
        WriteHeader(header, columns, reader.Separator(), out);
    }
    const std::size_t workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<RowWriter> writers(workers,
                                   RowWriter(header, format, columns, reader.Separator()));

    BatchCount count;
    std::uint64_t rowsDone = 0;
    Chunk chunks[2];
    int current = 0;
    bool more = ReadChunk(reader, chunks[current]);
    while (more) {
        Chunk& chunk = chunks[current];
        Chunk& next = chunks[1 - current];
        // The next chunk is read while this one is calculated.
        auto reading = std::async(std::launch::async, [&] { return ReadChunk(reader, next); });
        Calculate(writers, chunk);
        more = reading.get();
        for (std::size_t i = 0; i < chunk.lines.size(); ++i) {
            out << chunk.lines[i];
            switch (chunk.statuses[i]) {
                case RowStatus::Ok:
                    ++count.ok;
                    break;
                case RowStatus::Refused:
                    ++count.refused;
                    break;
                case RowStatus::Invalid:
                    ++count.invalid;
                    break;
            }
        }
        rowsDone += chunk.lines.size();
        if (progress) {
            progress(rowsDone, reader.BytesRead());
        }
        current = 1 - current;
    }
    return count;
}

}  // namespace lorvane::schedule
