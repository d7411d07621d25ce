// lorvane-calc louvre: the form's text, JSON with the NC flag, and the German refusals.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/number_text.h"

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

const std::vector<std::string> kWorkedExample = {"louvre", "--width", "1000", "--height",
                                                 "1000",   "--flow",  "10000"};

std::vector<std::string> With(std::vector<std::string> arguments,
                              const std::vector<std::string>& more) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return arguments;
}

TEST(CliLouvre, TextIsLaidOutLikeTheForm) {
    const CalcRun run = RunCalc(kWorkedExample);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_THAT(lines, Contains("Flow technical and acoustic data of external weather louvre"));
    EXPECT_THAT(run.out, HasSubstr("Installation site:  A Duct mounted, supply air"));
    EXPECT_THAT(run.out, HasSubstr("Water separator degree [%]:  89.8"));
    EXPECT_THAT(run.out, HasSubstr("Pressure loss [Pa]:          17.7"));
    EXPECT_THAT(lines, Contains("Sound power level [dB]:     44    44    44    42    39    35    "
                                "31    26                       44    38"));
}

TEST(CliLouvre, JsonHasTheLouvreKeysAndUnroundedValues) {
    const CalcRun run =
        RunCalc(With(kWorkedExample, {"--site", "B", "--model", "Zarn2", "--json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_THAT(Keys(json),
                UnorderedElementsAre("product", "inputs", "faceArea", "velocity", "zeta",
                                     "pressureLoss", "waterSeparation", "octave", "summationLevel",
                                     "nc", "ncBelowLowestCurve"));
    EXPECT_EQ(json["product"], "louvre");
    EXPECT_EQ(json["inputs"], Json({{"width", 1000.0},
                                    {"height", 1000.0},
                                    {"flow", 10000.0},
                                    {"site", "B"},
                                    {"model", "Zarn2"}}));
    EXPECT_EQ(json["faceArea"], 1.0);
    EXPECT_NEAR(json["velocity"].get<double>(), 3.0394, 5e-5);
    EXPECT_EQ(json["zeta"], 6.3);
    EXPECT_NEAR(json["pressureLoss"].get<double>(), 34.9, 0.05);
    EXPECT_NEAR(json["waterSeparation"].get<double>(), 92.3, 0.05);
    EXPECT_THAT(Rounded(json["octave"]), ElementsAre(49, 54, 56, 57, 55, 52, 49, 45));
    EXPECT_NEAR(json["summationLevel"].get<double>(), 59.84, 0.005);
    EXPECT_NEAR(json["nc"].get<double>(), 54.16, 0.005);  // unrounded
    EXPECT_EQ(json["ncBelowLowestCurve"], false);
}

// The opening values reach no NC curve: the form shows "< 10", JSON keeps 0 with the flag.
TEST(CliLouvre, BelowEveryCurveIsFlaggedAndNoted) {
    const CalcRun text = RunCalc({"louvre"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("Volume flow [m3/h]: 373"));
    EXPECT_THAT(text.out, HasSubstr("< 10\n"));

    const CalcRun run = RunCalc({"louvre", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Json::parse(run.out);
    EXPECT_EQ(json["inputs"]["flow"], 373.0);
    EXPECT_EQ(json["nc"], 0.0);
    EXPECT_EQ(json["ncBelowLowestCurve"], true);
    ASSERT_EQ(json["notes"].size(), 1u);
    EXPECT_THAT(json["notes"][0].get<std::string>(), HasSubstr("NC 10"));
}

struct LouvreRefusal {
    std::vector<std::string> options;
    std::string message;
};

class CliLouvreRefusal : public ::testing::TestWithParam<LouvreRefusal> {};

TEST_P(CliLouvreRefusal, ExitsWithTheGermanMessageAndNoResults) {
    const LouvreRefusal& c = GetParam();
    const CalcRun text = RunCalc(With({"louvre"}, c.options));
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.err, c.message + "\n");
    EXPECT_THAT(text.out, HasSubstr("Area [m²]:\n"));  // emptied

    const CalcRun run = RunCalc(With({"louvre", "--json"}, c.options));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.message + "\n");
    const Json json = Json::parse(run.out);
    EXPECT_THAT(Keys(json), UnorderedElementsAre("product", "inputs", "error"));
    EXPECT_EQ(json["error"], c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CliLouvreRefusal,
    ::testing::Values(LouvreRefusal{{"--width", "299.9"}, "Bitte Breite korrigieren"},
                      LouvreRefusal{{"--height", "344"}, "Bitte Höhe korrigieren"},
                      LouvreRefusal{{"--flow", "372"}, "Bitte Volumenstrom korrigieren"},
                      LouvreRefusal{{"--width", "1000.9", "--height", "1000", "--flow", "3600"},
                                    "Bitte Volumenstrom korrigieren"}));

TEST(CliLouvre, AnUnknownSiteIsAUsageError) {
    const CalcRun run = RunCalc({"louvre", "--site", "E"});
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.err, HasSubstr("lorvane-calc louvre --help"));
}

}  // namespace
}  // namespace lorvane::cli::test
