// lorvane-calc find prints, byte for byte, what data/find_outputs.txt holds for a table of duty
// points: small, middle and large flows, low and high pressures, with and without targets and
// size limits, targets that need an attenuator or that none reaches, and flows nothing serves.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/cli/calc_process.h"

namespace lorvane::cli::test {
namespace {

// One recorded call: its arguments and what it printed.
struct RecordedFind {
    std::string line;  // as the file writes it: "lorvane-calc find --flow 800 --dp 150"
    std::vector<std::string> arguments;
    std::string out;
};

void PrintTo(const RecordedFind& find, std::ostream* out) {
    *out << find.line;
}

constexpr std::string_view kCallMark = "$ lorvane-calc ";

// The calls of the file: a line "$ lorvane-calc ARGUMENTS", then every line up to the next
// call is its output. Lines before the first call are comments.
std::vector<RecordedFind> ReadRecordedFinds(const std::string& path) {
    std::ifstream file(path);
    std::vector<RecordedFind> finds;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with(kCallMark)) {
            RecordedFind& find = finds.emplace_back();
            find.line = line.substr(2);
            std::istringstream words(line.substr(kCallMark.size()));
            for (std::string word; words >> word;) {
                find.arguments.push_back(word);
            }
        } else if (!finds.empty()) {
            finds.back().out += line + '\n';
        }
    }
    return finds;
}

const std::vector<RecordedFind>& RecordedFinds() {
    static const std::vector<RecordedFind> finds =
        ReadRecordedFinds(LORVANE_TEST_DATA "/find_outputs.txt");
    return finds;
}

TEST(FindOutputsFile, HoldsTheTableOfDutyPoints) {
    EXPECT_GE(RecordedFinds().size(), 60u);
}

class FindOutputs : public testing::TestWithParam<RecordedFind> {};

TEST_P(FindOutputs, AreTheRecordedOnes) {
    const CalcRun run = RunCalc(GetParam().arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(DutyPoints, FindOutputs, testing::ValuesIn(RecordedFinds()));

}  // namespace
}  // namespace lorvane::cli::test
