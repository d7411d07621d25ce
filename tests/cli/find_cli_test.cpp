// lorvane-calc find: every controller size that serves a duty point, as a table or as JSON.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/number_text.h"

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;
using ::testing::UnorderedElementsAre;

// The words of a line, split at runs of blanks.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream words(line);
    for (std::string word; words >> word;) {
        cells.push_back(word);
    }
    return cells;
}

// The table rows that begin with the product's name and size ("Basko", "400 x 200").
std::vector<std::string> RowOf(const std::string& text, const std::string& product,
                               const std::string& size) {
    for (const std::string& line : Lines(text)) {
        if (line.starts_with(product + " ") && line.find(" " + size + "  ") != std::string::npos) {
            return Cells(line);
        }
    }
    ADD_FAILURE() << "no row " << product << " " << size << " in\n" << text;
    return {};
}

const Json* CandidateOf(const Json& json, const std::string& product, const Json& size) {
    for (const Json& candidate : json["candidates"]) {
        bool same = candidate["product"] == product;
        for (const auto& [key, value] : size.items()) {
            same = same && candidate.contains(key) && candidate[key] == value;
        }
        if (same) {
            return &candidate;
        }
    }
    return nullptr;
}

double Whole(const Json& number) {
    return RoundWhole(number.get<double>());
}

// Only the rectangular controllers up to 400 x 200 mm: the Basko and the Quenta of that size at
// 2000 m3/h and 250 Pa are worked examples of their catalogues.
const std::vector<std::string> kRectangularAt2000{
    "find", "--flow",       "2000", "--dp",           "250", "--target", "60", "--max-width",
    "400",  "--max-height", "200",  "--max-diameter", "1"};

TEST(FindCli, TextListsTheCandidatesInAColumnTable) {
    const CalcRun run = RunCalcProcess(kRectangularAt2000, {"LC_ALL=de_DE.UTF-8"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_THAT(run.out, StartsWith("Volume flow [m3/h]: 2000\nDifferential pressure [Pa]: 250\n"
                                    "Target level [dB(A)]: 60\n"));
    EXPECT_THAT(run.out, HasSubstr("Product  Size [mm]  Velocity [m/s]  Minimum pressure [Pa]  "
                                   "dB(A)  Casing dB(A)  Attenuator    Meets target\n"));
    // Quenta 400 x 200 meets 60 dB(A) on its own; Basko 400 x 200 does not, and the range has
    // no attenuator for it. Decimal points whatever the locale.
    EXPECT_THAT(RowOf(run.out, "Quenta", "400 x 200"),
                ElementsAre("Quenta", "400", "x", "200", "6.9", "91", "58", "52", "-", "yes"));
    EXPECT_THAT(
        RowOf(run.out, "Basko", "400 x 200"),
        ElementsAre("Basko", "400", "x", "200", "6.9", "114", "68", "60", "none", "offered", "no"));
    // Those that meet the target come first.
    std::vector<std::string> meets;
    for (const std::string& line : Lines(run.out)) {
        if (line.starts_with("Quenta") || line.starts_with("Basko")) {
            meets.push_back(Cells(line).back());
        }
    }
    EXPECT_TRUE(std::is_sorted(meets.begin(), meets.end(), std::greater<>()));
    EXPECT_THAT(meets, AllOf(Contains("yes"), Contains("no")));
    EXPECT_THAT(Lines(run.out),
                Contains("Attenuator \"none offered\": The range's attenuators are for circular "
                         "ducts only."));
}

TEST(FindCli, JsonGivesTheUnroundedNumbersOfEachCandidate) {
    const CalcRun run = RunCalc({"find", "--flow", "1000", "--dp", "250", "--target", "50",
                                 "--max-diameter", "250", "--max-height", "150", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["product"], "find");
    EXPECT_EQ(json["inputs"], Json({{"flow", 1000.0},
                                    {"dp", 250.0},
                                    {"target", 50.0},
                                    {"max-width", nullptr},
                                    {"max-height", 150.0},
                                    {"max-diameter", 250.0}}));

    // Selmon 250 mm is above 50 dB(A) alone; the 75 mm attenuator of 0.75 m brings it to 49.
    const Json* selmon = CandidateOf(json, "selmon", {{"diameter", 250.0}});
    ASSERT_NE(selmon, nullptr);
    std::vector<std::string> keys;
    for (const auto& [key, value] : selmon->items()) {
        keys.push_back(key);
    }
    EXPECT_THAT(keys, UnorderedElementsAre("product", "diameter", "velocity", "minimumPressure",
                                           "summationLevel", "casingSummationLevel", "meetsTarget",
                                           "attenuator"));
    EXPECT_GT(Whole((*selmon)["summationLevel"]), 50);
    EXPECT_EQ((*selmon)["meetsTarget"], true);
    EXPECT_EQ((*selmon)["attenuator"]["thickness"], "75mm");
    EXPECT_EQ((*selmon)["attenuator"]["length"], "0.75m");
    EXPECT_EQ(Whole((*selmon)["attenuator"]["summationLevel"]), 49);

    // A rectangular size: width and height, and an honest null where no attenuator helps.
    const Json* basko = CandidateOf(json, "basko", {{"width", 300.0}, {"height", 150.0}});
    ASSERT_NE(basko, nullptr);
    EXPECT_FALSE(basko->contains("diameter"));
    EXPECT_EQ((*basko)["meetsTarget"], false);
    EXPECT_TRUE((*basko)["attenuator"].is_null());
    EXPECT_THAT((*basko)["notes"],
                ElementsAre("The range's attenuators are for circular ducts only."));
}

TEST(FindCli, WorkedExamplesInJson) {
    const CalcRun run = RunCalc({"find", "--flow", "500", "--dp", "250", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Json::parse(run.out);
    const Json* mirolt = CandidateOf(json, "mirolt", {{"diameter", 200.0}});
    ASSERT_NE(mirolt, nullptr);
    EXPECT_NEAR((*mirolt)["velocity"].get<double>(), 4.42, 0.005);
    EXPECT_NEAR((*mirolt)["minimumPressure"].get<double>(), 31.66, 0.005);
    EXPECT_NEAR((*mirolt)["summationLevel"].get<double>(), 59.25, 0.005);
    EXPECT_NEAR((*mirolt)["casingSummationLevel"].get<double>(), 41.50, 0.005);
    // Without a target every candidate meets it and none needs an attenuator.
    for (const Json& candidate : json["candidates"]) {
        EXPECT_EQ(candidate["meetsTarget"], true);
        EXPECT_TRUE(candidate["attenuator"].is_null());
    }
    EXPECT_TRUE(json["inputs"]["target"].is_null());
}

TEST(FindCli, NothingFittingIsNoFailure) {
    const CalcRun text = RunCalc({"find", "--flow", "100000", "--dp", "250"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(Lines(text.out).back(), "No controller fits 100000 m3/h at 250 Pa.");

    const CalcRun limited = RunCalc(
        {"find", "--flow", "800", "--dp", "150", "--max-diameter", "80", "--max-width", "100"});
    EXPECT_EQ(limited.status, 0);
    EXPECT_EQ(Lines(limited.out).back(),
              "No controller fits 800 m3/h at 150 Pa within the given sizes.");

    const CalcRun json = RunCalc({"find", "--flow", "100000", "--dp", "250", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_THAT(Json::parse(json.out)["candidates"], IsEmpty());
}

struct FindRefusal {
    std::vector<std::string> arguments;
    std::string message;
};

class FindCliRefusal : public testing::TestWithParam<FindRefusal> {};

TEST_P(FindCliRefusal, NamesTheInputAndItsRangeWithStatus1) {
    std::vector<std::string> arguments{"find"};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const CalcRun text = RunCalc(arguments);
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, GetParam().message + "\n");
    EXPECT_EQ(text.out, "");

    arguments.push_back("--json");
    const CalcRun json = RunCalc(arguments);
    EXPECT_EQ(json.status, 1);
    const Json object = Json::parse(json.out);
    EXPECT_EQ(object["error"], GetParam().message);
    EXPECT_FALSE(object.contains("candidates"));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, FindCliRefusal,
    testing::Values(FindRefusal{{"--flow", "0", "--dp", "150"},
                                "The volume flow must be a number above 0 m3/h"},
                    FindRefusal{{"--flow", "800", "--dp", "-1"},
                                "The differential pressure must lie between 0.1 and 10000 Pa"},
                    FindRefusal{
                        {"--flow", "800", "--dp", "150", "--target", "101"},
                        "The target level must lie between 0 and 100 dB(A); 0 sets no target"},
                    FindRefusal{{"--flow", "800", "--dp", "150", "--max-height", "none"},
                                "The maximum height must be a number above 0 mm"}));

TEST(FindCli, AWrongCallGivesOneUsageLineAndStatus2) {
    const std::vector<std::vector<std::string>> calls{
        {"find", "--dp", "150"},
        {"find", "--flow", "--dp", "150"},
        {"find", "--flow", "800", "--dp", "150", "--width", "300"},
        {"find", "--flow", "800", "--dp", "150", "selmon"},
    };
    for (const auto& call : calls) {
        const CalcRun run = RunCalc(call);
        EXPECT_EQ(run.status, 2) << call[1];
        EXPECT_EQ(run.out, "");
        EXPECT_THAT(run.err, AllOf(StartsWith("lorvane-calc: "),
                                   HasSubstr("(try 'lorvane-calc find --help')")));
        EXPECT_EQ(Lines(run.err).size(), 1u);
    }
    EXPECT_THAT(RunCalc(calls[0]).err, HasSubstr("--flow is required"));
    EXPECT_THAT(RunCalc(calls[1]).err, HasSubstr("option --flow needs a value"));
}

}  // namespace
}  // namespace lorvane::cli::test
