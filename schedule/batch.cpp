#include "schedule/batch.h"

#include <algorithm>
#include <atomic>
#include <future>
#include <map>
#include <set>
#include <thread>

#include "schedule/call.h"
#include "schedule/csv.h"
#include "schedule/project.h"
#include "schedule/result_columns.h"

namespace lorvane::schedule {
namespace {

constexpr std::size_t kChunkRows = 2048;
// Rows a worker takes at a time; a chunk of no more is calculated without workers.
constexpr std::size_t kSliceRows = 256;

using RowStatus = PositionStatus;

// What each column of the input is.
struct Header {
    std::vector<std::string> names;  // as the file writes them
    std::vector<std::string> keys;   // what they name: ColumnKey()
    std::size_t product = 0;
    std::vector<std::size_t> options;  // the columns named as an option of some product
};

// The column that names the product, or the number of columns.
std::size_t ProductColumn(const std::vector<std::string>& names) {
    const auto product = std::find_if(names.begin(), names.end(), [](const std::string& name) {
        return ColumnKey(name) == "product";
    });
    return static_cast<std::size_t>(product - names.begin());
}

std::variant<Header, std::string> ReadHeader(CsvReader& reader) {
    Header header;
    if (!reader.Next(header.names)) {
        return std::string("the file is empty: it needs a header row with a product column");
    }
    header.product = ProductColumn(header.names);
    if (header.product == header.names.size()) {
        return std::string("the header row has no product column");
    }
    for (std::size_t column = 0; column < header.names.size(); ++column) {
        header.keys.push_back(ColumnKey(header.names[column]));
        if (IsOptionName(header.keys[column])) {
            header.options.push_back(column);
        }
    }
    return header;
}

struct Row {
    std::vector<std::string> fields;
    bool unterminated = false;
};

bool IsBlankRow(const std::vector<std::string>& fields) {
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

    // Appends the row's result line to `text`.
    RowStatus Write(Row& row, std::string& text) {
        row.fields.resize(std::max(row.fields.size(), header_.names.size()));
        std::string problem = ShapeProblem(row, header_.names.size());
        row.fields.resize(header_.names.size());
        std::variant<Call, std::string> call = std::string();
        if (problem.empty()) {
            for (const std::size_t column : header_.options) {
                options_[header_.keys[column]] = row.fields[column];
            }
            call = CallOfCells(row.fields[header_.product], options_);
            if (std::string* why = std::get_if<std::string>(&call)) {
                problem = std::move(*why);
            }
        }
        if (!problem.empty()) {
            WriteInvalid(row, problem, text);
            return RowStatus::Invalid;
        }
        const Call& valid = std::get<Call>(call);
        const Evaluation evaluation = EvaluateCall(valid);
        const forms::ResultRecord& record = evaluation.record;
        const RowStatus status = record.Refused() ? RowStatus::Refused : RowStatus::Ok;
        if (format_ == BatchFormat::JsonLines) {
            Json object{{"status", StatusWord(status)},
                        {"product", valid.product->word},
                        {"inputs", InputsJson(valid, evaluation.inputs)}};
            object.update(RecordJson(record));
            object["columns"] = PassedThrough(row);
            text += JsonText(object);
        } else {
            WriteInputs(row, text);
            AppendCsvField(text, StatusWord(status), separator_);
            text += separator_;
            AppendCsvField(text, record.Refused() ? record.Refused()->message : "", separator_);
            columns_.FillFields(record, separator_, cells_);
            for (const std::string& cell : cells_) {
                text += separator_;
                text += cell;
            }
        }
        text += '\n';
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

    void WriteInputs(const Row& row, std::string& text) const {
        for (const std::string& field : row.fields) {
            AppendCsvField(text, field, separator_);
            text += separator_;
        }
    }

    void WriteInvalid(const Row& row, const std::string& problem, std::string& text) const {
        if (format_ == BatchFormat::JsonLines) {
            Json object{{"status", "invalid"}, {"error", problem}};
            object["columns"] = PassedThrough(row);
            text += JsonText(object);
        } else {
            WriteInputs(row, text);
            AppendCsvField(text, "invalid", separator_);
            text += separator_;
            AppendCsvField(text, problem, separator_);
            text.append(columns_.Names().size(), separator_);
        }
        text += '\n';
    }

    const Header& header_;
    BatchFormat format_;
    const ResultColumns& columns_;
    char separator_;
    std::map<std::string, std::string> options_;  // the row's option cells, by option name
    std::vector<std::string> cells_;              // the row's result cells
};

// A run of consecutive rows of a chunk, calculated by one worker into one block of text, so
// that the output is written a block at a time.
struct Slice {
    std::size_t begin = 0;
    std::size_t end = 0;
    std::string text;
    BatchCount count;
};

struct Chunk {
    std::vector<Row> rows;
    std::vector<Slice> slices;
    std::atomic<std::size_t> nextSlice = 0;  // the first slice no worker has taken
};

// Reads up to kChunkRows rows that are not blank; false when the input is done.
bool ReadChunk(CsvReader& reader, Chunk& chunk) {
    std::size_t count = 0;
    while (count < kChunkRows) {
        if (count == chunk.rows.size()) {
            chunk.rows.emplace_back();  // kept for the next chunk, with its fields' strings
        }
        if (!reader.Next(chunk.rows[count].fields)) {
            break;
        }
        chunk.rows[count].unterminated = reader.Unterminated();
        if (!IsBlankRow(chunk.rows[count].fields)) {
            ++count;
        }
    }
    chunk.rows.resize(count);
    return count > 0;
}

void Count(RowStatus status, BatchCount& count) {
    switch (status) {
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

void CalculateSlice(RowWriter& writer, Chunk& chunk, Slice& slice) {
    slice.text.clear();
    slice.count = {};
    for (std::size_t i = slice.begin; i < slice.end; ++i) {
        Count(writer.Write(chunk.rows[i], slice.text), slice.count);
    }
}

// Starts calculating the chunk's rows on every worker, each taking the next slice that is
// left. A chunk of a few rows (a small file, a project's export) is calculated at once on
// this thread: starting workers would cost more than it saves.
std::vector<std::future<void>> StartCalculating(std::vector<RowWriter>& writers, Chunk& chunk) {
    const std::size_t rows = chunk.rows.size();
    const std::size_t slices = (rows + kSliceRows - 1) / kSliceRows;
    chunk.slices.resize(slices);
    for (std::size_t s = 0; s < slices; ++s) {
        chunk.slices[s].begin = s * kSliceRows;
        chunk.slices[s].end = std::min(rows, (s + 1) * kSliceRows);
    }
    std::vector<std::future<void>> running;
    if (slices <= 1) {
        for (Slice& slice : chunk.slices) {
            CalculateSlice(writers.front(), chunk, slice);
        }
        return running;
    }
    chunk.nextSlice = 0;
    const std::size_t workers = std::min(writers.size(), slices);
    for (std::size_t w = 0; w < workers; ++w) {
        running.push_back(std::async(std::launch::async, [&chunk, &writer = writers[w]] {
            for (std::size_t s = chunk.nextSlice++; s < chunk.slices.size(); s = chunk.nextSlice++) {
                CalculateSlice(writer, chunk, chunk.slices[s]);
            }
        }));
    }
    return running;
}

void WriteSlices(const Chunk& chunk, std::ostream& out, BatchCount& count) {
    for (const Slice& slice : chunk.slices) {
        out.write(slice.text.data(), static_cast<std::streamsize>(slice.text.size()));
        count.ok += slice.count.ok;
        count.refused += slice.count.refused;
        count.invalid += slice.count.invalid;
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
    column = ProductColumn(fields);
    const bool hasProductColumn = column < fields.size();
    while (hasProductColumn && reader.Next(fields)) {
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
        if (named) {
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
    std::vector<RowWriter> writers(workers, RowWriter(header, format, columns, reader.Separator()));

    // While the workers calculate one chunk, this thread writes the one before and reads the
    // one after.
    BatchCount count;
    std::uint64_t rowsDone = 0;
    Chunk chunks[3];
    std::size_t calculating = 0;
    bool more = ReadChunk(reader, chunks[calculating]);
    const Chunk* done = nullptr;
    while (more) {
        Chunk& chunk = chunks[calculating];
        std::vector<std::future<void>> running = StartCalculating(writers, chunk);
        if (done != nullptr) {
            WriteSlices(*done, out, count);
        }
        const std::size_t next = (calculating + 1) % 3;
        more = ReadChunk(reader, chunks[next]);
        for (std::future<void>& worker : running) {
            worker.get();
        }
        rowsDone += chunk.rows.size();
        if (progress) {
            progress(rowsDone, reader.BytesRead());
        }
        done = &chunk;
        calculating = next;
    }
    if (done != nullptr) {
        WriteSlices(*done, out, count);
    }
    return count;
}

}  // namespace lorvane::schedule
