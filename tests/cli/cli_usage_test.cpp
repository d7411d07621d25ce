// Calls that are themselves wrong (exit status 2), help and version.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "tests/cli/calc_process.h"

namespace lorvane::cli::test {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct WrongCall {
    std::string name;
    std::vector<std::string> arguments;
    std::string named;  // what the usage line must name
};

void PrintTo(const WrongCall& call, std::ostream* out) {
    *out << call.name;
}

class CliWrongCall : public ::testing::TestWithParam<WrongCall> {};

TEST_P(CliWrongCall, GivesOneUsageLineAndStatus2) {
    const CalcRun run = RunCalc(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
    EXPECT_THAT(run.err, StartsWith("lorvane-calc: "));
    EXPECT_THAT(run.err, HasSubstr(GetParam().named));
    EXPECT_THAT(run.err, EndsWith("--help')\n"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Calls, CliWrongCall, ::testing::Values(
    WrongCall{"UnknownProduct",       {"fan"},                            "unknown product 'fan'"},
    WrongCall{"NoProduct",            {},                                 "no product"},
    WrongCall{"UnknownOption",        {"--foo"},                          "unknown option --foo"},
    WrongCall{"UnknownProductOption", {"selmon", "--foo", "1"},           "unknown option --foo"},
    WrongCall{"MissingValue",         {"selmon", "--dp"},                 "--dp needs a value"},
    WrongCall{"ValueIsAnOption",      {"selmon", "--dp", "--json"},       "--dp needs a value"},
    WrongCall{"ValueIsTheNextOption", {"selmon", "--flow", "--dp", "300"}, "--flow needs a value"},
    WrongCall{"StrayArgument",        {"selmon", "--flow", "100", "150"}, "'150'"}),
    [](const auto& param) { return param.param.name; });
// clang-format on

TEST(CliUsage, HelpListsProductsAndOptions) {
    const CalcRun help = RunCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("selmon"));

    const CalcRun selmon = RunCalc({"selmon", "--help"});
    EXPECT_EQ(selmon.status, 0);
    for (const char* option : {"--diameter", "--flow", "--dp", "--target", "--json"}) {
        EXPECT_THAT(selmon.out, HasSubstr(option));
    }
    // The defaults are the form's start values.
    EXPECT_THAT(selmon.out, HasSubstr("(default 250)"));
}

// A product's help says what its form takes: every diameter of its list, and where the volume flow
// range depends on the diameter, each range, which the calculation keeps to.
TEST(CliUsage, ProductHelpListsSizesAndRangesTheCalculationKeeps) {
    const CalcRun attenuator = RunCalc({"attenuator", "--help"});
    EXPECT_THAT(attenuator.out, HasSubstr("duct diameter [mm]: 80, 100, 125, 140, 150"));
    EXPECT_THAT(attenuator.out, HasSubstr(", 400 (default 100)"));

    for (const char* product : {"tolmar", "selmon", "daxel", "mirolt"}) {
        const CalcRun help = RunCalc({product, "--help"});
        EXPECT_THAT(help.out, HasSubstr("0.1 to 10000"));
        const std::regex rangeLine(R"(^  (\d+): (\d+) to (\d+)$)");
        int ranges = 0;
        for (const std::string& line : Lines(help.out)) {
            std::smatch range;
            if (!std::regex_match(line, range, rangeLine)) {
                continue;
            }
            ++ranges;
            const std::string diameter = range[1];
            EXPECT_TRUE(
                std::regex_search(help.out, std::regex("--diameter .*[ ,]" + diameter + "[, ]")))
                << product << " lists " << diameter;
            const auto runAt = [&](const std::string& flow) {
                return RunCalc({product, "--diameter", diameter, "--flow", flow}).status;
            };
            const double high = std::stod(range[3]);
            EXPECT_EQ(runAt(range[2]), 0) << product << " " << line;
            EXPECT_EQ(runAt(range[3]), 0) << product << " " << line;
            EXPECT_EQ(runAt(std::to_string(high * 1.01)), 1) << product << " " << line;
        }
        EXPECT_GE(ranges, 5) << product;
    }
}

TEST(CliUsage, BatchHelpListsTheColumnsOfEveryProduct) {
    const CalcRun help = RunCalc({"batch", "--help"});
    EXPECT_THAT(help.out, HasSubstr("  selmon: diameter flow dp target\n"));
    EXPECT_THAT(help.out, HasSubstr("  basko: width height flow dp keep-flow (yes|no)\n"));
    EXPECT_THAT(help.out, HasSubstr(" linkage (opposite|same) "));
    EXPECT_THAT(help.out, EndsWith("  attenuator: diameter length\n"));
}

// The suite runs lorvane-calc's command line in its own process; the program itself must give the
// same streams and exit status for every kind of call.
TEST(CliProgram, GivesWhatTheCommandLineGives) {
    const std::string schedule = LORVANE_TEST_DATA "/schedule_mixed.csv";
    for (const std::vector<std::string>& call : std::vector<std::vector<std::string>>{
             {"selmon", "--diameter", "250", "--flow", "1000", "--dp", "250", "--target", "35"},
             {"basko", "--json"},
             {"selmon", "--dp", "-1"},
             {"selmon", "--dp"},
             {"fan"},
             {"--help"},
             {"--version"},
             {"find", "--flow", "800", "--dp", "150", "--target", "35"},
             {"batch", schedule, "--json"}}) {
        const CalcRun inProcess = RunCalc(call);
        const CalcRun program = RunCalcProcess(call);
        EXPECT_EQ(program.status, inProcess.status) << call.front();
        EXPECT_EQ(program.out, inProcess.out) << call.front();
        EXPECT_EQ(program.err, inProcess.err) << call.front();
    }
}

TEST(CliUsage, AFailedWriteIsNoSuccess) {
    for (const std::vector<std::string>& call :
         {std::vector<std::string>{"selmon", "--json"}, std::vector<std::string>{"--help"}}) {
        const CalcRun run = RunCalcWritingTo("/dev/full", call);
        EXPECT_EQ(run.status, 3) << call.front();
        EXPECT_EQ(run.err, "lorvane-calc: cannot write the results: No space left on device\n");
    }
}

TEST(CliUsage, ANegativeNumberIsAValue) {
    const CalcRun run = RunCalc({"selmon", "--dp", "-1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Please correct differential pressure\n");
}

TEST(CliUsage, VersionIsTheProjectVersion) {
    const CalcRun run = RunCalc({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "lorvane-calc " LORVANE_VERSION "\n");
}

TEST(CliUsage, JsonMayComeBeforeTheProduct) {
    const CalcRun run = RunCalc({"--json", "selmon", "--dp=-1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(nlohmann::json::parse(run.out)["error"], "Please correct differential pressure");
}

}  // namespace
}  // namespace lorvane::cli::test
