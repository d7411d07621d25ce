#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "products/catalogue.h"

namespace lorvane::schedule {

enum class BatchFormat { Csv, JsonLines };

// What a run of a schedule came to, row by row.
struct BatchCount {
    std::uint64_t ok = 0;
    std::uint64_t refused = 0;
    std::uint64_t invalid = 0;
};

// Told now and then how far a run has come: the rows done and the bytes of input taken.
using BatchProgress = std::function<void(std::uint64_t rows, std::uint64_t bytes)>;

// The built products named in a schedule's "product" column, in the order of the catalogue;
// every built product when the input cannot be read.
std::vector<const Product*> ProductsIn(std::istream& in);

// Calculates every row of a CSV schedule and writes one result per row, in the order of the
// input: as CSV (the input's columns, "status", "message", then the result columns of
// `products`) or as JSON Lines. The header names the columns: "product" holds the product's
// word, a column named as an option holds that option's text, every other column is passed
// through. A row that cannot be calculated gets its status and message; the run goes on.
// Rows are calculated on every core while the input is read and the output written, a few
// thousand at a time, so memory stays the same however long the schedule is. Returns the
// count, or why the schedule cannot be read at all. The CSV keeps the input's separator; a
// file separated by semicolons gets its result numbers with a decimal comma, as the spreadsheet
// that wrote it reads them.
std::variant<BatchCount, std::string> RunBatch(std::istream& in, std::ostream& out,
                                               BatchFormat format,
                                               const std::vector<const Product*>& products,
                                               const BatchProgress& progress = {});

}  // namespace lorvane::schedule
