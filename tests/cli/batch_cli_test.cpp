// lorvane-calc batch: every row of a schedule, calculated as lorvane-calc PRODUCT calculates it.

#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "schedule/call.h"
#include "schedule/csv.h"

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
namespace fs = std::filesystem;

const std::string kData = LORVANE_TEST_DATA;

std::vector<std::vector<std::string>> CsvRecords(const std::string& text) {
    std::istringstream in(text);
    schedule::CsvReader reader(in);
    std::vector<std::vector<std::string>> records;
    for (std::vector<std::string> fields; reader.Next(fields);) {
        records.push_back(fields);
    }
    return records;
}

char SeparatorOf(const std::string& text) {
    std::istringstream in(text);
    schedule::CsvReader reader(in);
    std::vector<std::string> header;
    reader.Next(header);
    return reader.Separator();
}

// A result cell as the spreadsheet that wrote the schedule reads it: with a decimal comma in a
// file separated by semicolons, with a decimal point in one separated by commas. Nothing where
// the cell is no number in that convention.
std::optional<double> SpreadsheetNumber(std::string cell, char separator) {
    const char decimal = separator == ';' ? ',' : '.';
    const char other = separator == ';' ? '.' : ',';
    if (cell.empty() || cell.find(other) != std::string::npos) {
        return std::nullopt;
    }
    std::replace(cell.begin(), cell.end(), decimal, '.');
    char* end = nullptr;
    const double value = std::strtod(cell.c_str(), &end);
    return *end == '\0' ? std::optional(value) : std::nullopt;
}

std::vector<Json> JsonLines(const std::string& text) {
    std::vector<Json> lines;
    for (const std::string& line : Lines(text)) {
        lines.push_back(Json::parse(line));
    }
    return lines;
}

// The call of lorvane-calc PRODUCT for a schedule row: its option cells as options.
std::vector<std::string> ProductCall(const std::vector<std::string>& header,
                                     const std::vector<std::string>& row) {
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == "product") {
            arguments.insert(arguments.begin(), row[i]);
        } else if (schedule::IsOptionName(header[i]) && !row[i].empty()) {
            arguments.push_back("--" + header[i]);
            if (!schedule::IsYes(row[i])) {
                arguments.push_back(row[i]);
            }
        }
    }
    arguments.push_back("--json");
    return arguments;
}

// A path in the temporary folder that no other test process uses at the same time.
fs::path TemporaryPath(const std::string& name) {
    return fs::temp_directory_path() / ("lorvane-batch-" + std::to_string(getpid()) + "-" + name);
}

std::string WrittenFile(const std::string& name, const std::string& text) {
    const fs::path path = TemporaryPath(name);
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
}

class ScheduleFile : public testing::TestWithParam<std::string> {};

// Every row that can be calculated gives what lorvane-calc PRODUCT --json gives for it, in CSV
// and in JSON Lines, number for number.
TEST_P(ScheduleFile, EveryRowIsWhatTheProductCallGives) {
    const std::string file = GetParam();
    const CalcRun csv = RunCalc({"batch", file});
    const CalcRun json = RunCalc({"batch", file, "--json"});
    std::ifstream in(file, std::ios::binary);
    const std::string input{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::vector<std::string>> rows = CsvRecords(input);
    const std::vector<std::string> header = rows.front();
    rows.erase(rows.begin());
    std::erase_if(rows, [](const auto& row) { return row == std::vector<std::string>{""}; });

    const std::vector<std::vector<std::string>> results = CsvRecords(csv.out);
    const std::vector<Json> lines = JsonLines(json.out);
    ASSERT_EQ(results.size(), rows.size() + 1) << csv.out;
    ASSERT_EQ(lines.size(), rows.size());
    const std::vector<std::string>& resultHeader = results.front();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string>& result = results[r + 1];
        ASSERT_EQ(result.size(), resultHeader.size()) << "row " << r + 1;
        EXPECT_EQ(std::vector(result.begin(), result.begin() + header.size()), rows[r]);
        const std::string status = result[header.size()];
        EXPECT_EQ(lines[r]["status"], status) << "row " << r + 1;
        if (status == "invalid") {
            EXPECT_EQ(lines[r]["error"], result[header.size() + 1]);
            continue;
        }
        const CalcRun single = RunCalc(ProductCall(header, rows[r]));
        Json expected = Json::parse(single.out);
        EXPECT_EQ(single.status, status == "ok" ? 0 : 1) << "row " << r + 1;
        Json actual = lines[r];
        actual.erase("status");
        actual.erase("columns");
        EXPECT_EQ(actual, expected) << "row " << r + 1;
        EXPECT_EQ(result[header.size() + 1], expected.value("error", "")) << "row " << r + 1;
        // The CSV cell of every number is that number, read back exactly in the convention of
        // the file's spreadsheet.
        for (std::size_t c = header.size() + 2; c < resultHeader.size(); ++c) {
            std::string pointer = "/" + resultHeader[c];
            std::replace(pointer.begin(), pointer.end(), '_', '/');
            const std::size_t band = pointer.find_last_of('/');
            static const std::map<std::string, int> kBands{{"63", 0},   {"125", 1},  {"250", 2},
                                                           {"500", 3},  {"1000", 4}, {"2000", 5},
                                                           {"4000", 6}, {"8000", 7}};
            if (const auto b = kBands.find(pointer.substr(band + 1)); b != kBands.end()) {
                pointer = pointer.substr(0, band) + "/" + std::to_string(b->second);
            }
            const Json::json_pointer at(pointer);
            if (!expected.contains(at) || !expected[at].is_number()) {
                continue;
            }
            EXPECT_EQ(SpreadsheetNumber(result[c], SeparatorOf(input)), expected[at].get<double>())
                << "row " << r + 1 << " " << resultHeader[c] << " '" << result[c] << "'";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, ScheduleFile,
                         testing::Values(kData + "/schedule_mixed.csv",
                                         kData + "/schedule_semicolon.csv",
                                         kData + "/schedule_decimal_comma.csv",
                                         LORVANE_EXAMPLES "/floor-supply.csv"));

// A spreadsheet set to a decimal comma separates its fields with semicolons. Saved with a
// decimal point instead, the same schedule has commas and points swapped; both give the same
// results, and a number with both a comma and a point is refused in either.
TEST(Batch, DecimalCommasGiveTheResultsOfDecimalPoints) {
    const std::string commas = kData + "/schedule_decimal_comma.csv";
    std::ifstream in(commas, std::ios::binary);
    std::string points{std::istreambuf_iterator<char>(in), {}};
    for (char& c : points) {
        c = c == ';' ? ',' : c == ',' ? '.' : c == '.' ? ',' : c;
    }
    const std::vector<Json> fromCommas = JsonLines(RunCalc({"batch", commas, "--json"}).out);
    const std::vector<Json> fromPoints =
        JsonLines(RunCalc({"batch", WrittenFile("points.csv", points), "--json"}).out);
    EXPECT_EQ(fromCommas, fromPoints);
    std::vector<std::string> statuses;
    for (const Json& line : fromCommas) {
        statuses.push_back(line["columns"]["tag"].get<std::string>() + " " +
                           line["status"].get<std::string>() + " " + line.value("error", ""));
    }
    EXPECT_THAT(statuses, ElementsAre("C-1 ok ", "C-2 ok ", "C-3 ok ", "C-4 ok ",
                                      "C-5 refused Pease correct diameter"));
    EXPECT_EQ(fromCommas[0]["inputs"]["flow"], 812.5);
    EXPECT_EQ(fromCommas[0]["inputs"]["dp"], 150.7);
}

// The example floor: every controller's room in its columns, as its single call gives it.
TEST(Batch, TheFloorsRoomsAreInTheirColumns) {
    const CalcRun run = RunCalc({"batch", LORVANE_EXAMPLES "/floor-supply.csv"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::vector<std::string>> results = CsvRecords(run.out);
    ASSERT_EQ(results.size(), 21u);
    const std::vector<std::string>& header = results.front();
    for (const char* column : {"room_levels_63", "room_summationLevel", "room_nc", "room_nr",
                               "room_targetReached", "room_attenuator_length", "room_notes"}) {
        EXPECT_THAT(header, testing::Contains(column));
    }
    const std::size_t nr = std::find(header.begin(), header.end(), "room_nr") - header.begin();
    for (std::size_t r = 1; r < results.size(); ++r) {
        EXPECT_FALSE(results[r][nr].empty()) << results[r][0];
    }
}

TEST(Batch, RowsKeepTheirOrderStatusAndMessage) {
    const CalcRun run = RunCalc({"batch", kData + "/schedule_mixed.csv"});
    std::vector<std::string> statuses;
    for (const Json& line :
         JsonLines(RunCalc({"batch", kData + "/schedule_mixed.csv", "--json"}).out)) {
        statuses.push_back(line["columns"]["tag"].get<std::string>() + " " +
                           line["status"].get<std::string>() + " " + line.value("error", ""));
    }
    EXPECT_THAT(statuses,
                ElementsAre("V-101 ok ", "V-102 ok ", "V-103 ok ", "V-104 ok ",
                            "V-105 refused Pease correct diameter", "V-106 ok ",
                            "V-107 refused Please correct volume flow", "R-201 ok ",
                            "R-202 refused Please increase differential pressure", "R-203 ok ",
                            "D-301 ok ", "D-302 ok ", "D-303 ok ", "D-304 ok ", "L-401 ok ",
                            "A-501 ok ", "X-601 invalid selmon has no option width",
                            "X-602 invalid linkage must be opposite or same, not 'diagonal'",
                            "X-603 invalid unknown product 'sprinkler'",
                            "X-604 invalid keep-flow must be yes or no, not 'perhaps'",
                            "X-605 refused Bitte Breite korrigieren"));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "lorvane-calc: 4 refused and 4 invalid of 21 rows\n");
}

TEST(Batch, TheSeparatorOfTheInputIsTheSeparatorOfTheResults) {
    const CalcRun run = RunCalc({"batch", kData + "/schedule_semicolon.csv"});
    EXPECT_TRUE(Lines(run.out).front().starts_with("tag;product;diameter;flow;dp;target;status;"))
        << "a byte order mark or a comma separator: " << Lines(run.out).front();
}

// Headers and product words are taken whatever their case and spaces, as a spreadsheet has them.
TEST(Batch, AScheduleWithoutRefusalsEndsWithStatusZero) {
    const std::string file =
        WrittenFile("ok.csv", " Product,Diameter,flow\r\nselmon,250,1000\r\nSelmon, 160 ,300\r\n");
    const CalcRun run = RunCalc({"batch", file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(run.err, IsEmpty());
    EXPECT_EQ(CsvRecords(run.out).size(), 3u);
}

TEST(Batch, ResultsGoToTheNamedFile) {
    const std::string file = WrittenFile("in.csv", "product,diameter,flow\nselmon,250,1000\n");
    const std::string out = TemporaryPath("out.csv").string();
    const CalcRun run = RunCalc({"batch", file, "-o", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_THAT(run.out, IsEmpty());
    std::ifstream written(out);
    EXPECT_EQ(CsvRecords({std::istreambuf_iterator<char>(written), {}}),
              CsvRecords(RunCalc({"batch", file}).out));
}

// A spreadsheet saved in a Windows code page writes "Büro" with a byte that is no UTF-8: the
// cell goes through to CSV as it is and to JSON with the replacement character.
TEST(Batch, CellsThatAreNotUtf8AreKept) {
    const std::string file = WrittenFile("latin1.csv",
                                         "tag,product,flow\nB\xFCro,selmon,100\n"
                                         "K\xFC"
                                         "che,sp\xFCler,100\n");
    const CalcRun csv = RunCalc({"batch", file});
    EXPECT_EQ(csv.status, 1);
    EXPECT_EQ(CsvRecords(csv.out)[1][0], "B\xFCro");
    const CalcRun json = RunCalc({"batch", file, "--json"});
    ASSERT_EQ(json.status, 1) << json.err;
    const std::vector<Json> lines = JsonLines(json.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["columns"]["tag"], "B\uFFFDro");
    EXPECT_EQ(lines[1]["error"], "unknown product 'sp\uFFFDler'");
}

// A Basko row whose volume flow lies outside the size's range: kept, its results are noted as
// such; not kept, its message says how to keep it.
TEST(Batch, SaysWhereABaskoFlowLiesOutsideTheRange) {
    const std::string file = WrittenFile("basko.csv",
                                         "tag,product,width,height,flow,dp,keep-flow\n"
                                         "K,basko,400,200,500,250,yes\n"
                                         "R,basko,400,200,500,250,\n");
    const std::vector<std::vector<std::string>> results = CsvRecords(RunCalc({"batch", file}).out);
    ASSERT_EQ(results.size(), 3u);
    const std::vector<std::string>& header = results[0];
    const auto cell = [&](std::size_t row, const std::string& name) {
        return results[row].at(std::find(header.begin(), header.end(), name) - header.begin());
    };
    EXPECT_EQ(cell(1, "status"), "ok");
    EXPECT_EQ(cell(1, "notes"),
              "The volume flow lies outside the range of this size, 864 to 2880 m3/h");
    EXPECT_EQ(cell(2, "status"), "refused");
    EXPECT_EQ(cell(2, "message"),
              "The volume flow lies outside 864 to 2880 m3/h; set keep-flow to calculate it "
              "anyway");
}

struct Unusable {
    const char* name;
    std::vector<std::string> arguments;  // after "batch"; "IN" is a schedule that can be read
    int status;
    const char* message;
};

void PrintTo(const Unusable& call, std::ostream* out) {
    *out << call.name;
}

class UnusableCall : public testing::TestWithParam<Unusable> {};

TEST_P(UnusableCall, EndsWithOneLineAndItsStatus) {
    const std::string good = WrittenFile("good.csv", "product,flow\nselmon,100\n");
    std::vector<std::string> arguments{"batch"};
    for (const std::string& argument : GetParam().arguments) {
        arguments.push_back(argument == "IN" ? good : argument);
    }
    const CalcRun run = RunCalc(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_THAT(run.err, HasSubstr(GetParam().message));
    EXPECT_EQ(Lines(run.err).size(), 1u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Calls, UnusableCall,
    testing::Values(Unusable{"MissingFile",
                             {"/nonexistent/schedule.csv"},
                             2,
                             "cannot read /nonexistent/schedule.csv: No such file or directory"},
                    Unusable{"Directory", {"/tmp"}, 2, "cannot read /tmp"},
                    Unusable{"NoProductColumn",
                             {WrittenFile("noproduct.csv", "tag,flow\nA,100\n")},
                             2,
                             "the header row has no product column"},
                    Unusable{"EmptyFile", {WrittenFile("empty.csv", "")}, 2, "the file is empty"},
                    Unusable{"NoFile", {}, 2, "IN is required"},
                    Unusable{"UnwritableOutput",
                             {"IN", "-o", "/nonexistent/out.csv"},
                             3,
                             "cannot write /nonexistent/out.csv"}),
    [](const auto& call) { return std::string(call.param.name); });

}  // namespace
}  // namespace lorvane::cli::test
