// A long schedule is calculated on several workers, a slice of rows at a time; its results
// must be exactly those of its rows calculated one by one, in the order of the input.

#include <gtest/gtest.h>

#include <sstream>

#include "schedule/batch.h"

namespace lorvane::schedule {
namespace {

// Good, refused and invalid rows of three products in turn; a quoted tag with the separator
// and a quote in it now and then.
std::vector<std::string> MixedRows(int count) {
    const char* kRows[] = {
        "selmon,250,1000,250,35",  "selmon,160,99999,250,35", "basko,,,,",
        "tolmar,200,600,120,30",   "selmon,abc,1000,250,",    "nosuch,250,1000,250,35",
        "selmon,315,2500,400,",    "tolmar,1000,600,120,30",
    };
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
        const std::string tag =
            i % 97 == 0 ? "\"P-" + std::to_string(i) + ", \"\"north\"\"\"" : "P-" + std::to_string(i);
        rows.push_back(tag + "," + kRows[i % std::size(kRows)]);
    }
    return rows;
}

struct Results {
    std::string output;
    BatchCount count;
};

std::string Schedule(const std::vector<std::string>& rows) {
    std::string text = "tag,product,diameter,flow,dp,target\n";
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text;
}

std::vector<const Product*> ProductsOf(const std::vector<std::string>& rows) {
    std::istringstream scan(Schedule(rows));
    return ProductsIn(scan);
}

// The rows calculated with the result columns of `products`.
Results Calculate(const std::vector<std::string>& rows, BatchFormat format,
              const std::vector<const Product*>& products) {
    std::istringstream in(Schedule(rows));
    std::ostringstream out;
    const auto count = RunBatch(in, out, format, products);
    return {out.str(), std::get<BatchCount>(count)};
}

class LongSchedule : public testing::TestWithParam<BatchFormat> {};

TEST_P(LongSchedule, IsCalculatedAsItsRowsAreOneByOne) {
    // Two chunks of rows, the second not full.
    const std::vector<std::string> rows = MixedRows(3000);
    const std::vector<const Product*> products = ProductsOf(rows);
    ASSERT_EQ(products.size(), 3u);
    const Results whole = Calculate(rows, GetParam(), products);

    std::string expected;
    BatchCount counted;
    for (const std::string& row : rows) {
        const Results single = Calculate({row}, GetParam(), products);
        const std::string& lines = single.output;
        if (GetParam() == BatchFormat::Csv) {
            const std::size_t header = lines.find('\n') + 1;
            expected += expected.empty() ? lines : lines.substr(header);
        } else {
            expected += lines;
        }
        counted.ok += single.count.ok;
        counted.refused += single.count.refused;
        counted.invalid += single.count.invalid;
    }
    EXPECT_TRUE(whole.output == expected) << "the results differ from the rows' own";
    EXPECT_EQ(whole.count.ok, counted.ok);
    EXPECT_EQ(whole.count.refused, counted.refused);
    EXPECT_EQ(whole.count.invalid, counted.invalid);
    EXPECT_GT(counted.ok, 0u);
    EXPECT_GT(counted.refused, 0u);
    EXPECT_GT(counted.invalid, 0u);
}

INSTANTIATE_TEST_SUITE_P(Formats, LongSchedule,
                         testing::Values(BatchFormat::Csv, BatchFormat::JsonLines));

}  // namespace
}  // namespace lorvane::schedule
