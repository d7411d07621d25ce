// lorvane-calc --json: one object with the unrounded results of the calculation.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/number_text.h"
#include "products/circular/selmon.h"

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

TEST(CliJson, StartValuesGiveTheWorkedOperatingPoint) {
    const Json json = RunJson({"selmon", "--json"});
    EXPECT_THAT(Keys(json),
                UnorderedElementsAre("product", "inputs", "flowRange", "velocity", "zeta",
                                     "minimumPressure", "accepted", "octave", "octaveA",
                                     "summationLevel", "casing", "attenuator"));
    EXPECT_EQ(json["product"], "selmon");
    EXPECT_EQ(json["inputs"],
              Json({{"diameter", 100.0}, {"flow", 100.0}, {"dp", 250.0}, {"target", 0.0}}));
    EXPECT_EQ(json["flowRange"], Json({{"vmin", 70.0}, {"vmax", 220.0}}));
    EXPECT_NEAR(json["velocity"].get<double>(), 3.5368, 1e-4);
    EXPECT_NEAR(json["zeta"].get<double>(), 33.31, 0.005);
    EXPECT_NEAR(json["minimumPressure"].get<double>(), 44.9, 0.05);
    EXPECT_TRUE(json["accepted"].get<bool>());
    EXPECT_THAT(Rounded(json["octave"]), ElementsAre(51, 51, 49, 48, 47, 48, 43, 42));
    EXPECT_THAT(Rounded(json["octaveA"]), ElementsAre(25, 35, 41, 45, 47, 49, 44, 41));
    EXPECT_EQ(RoundWhole(json["summationLevel"].get<double>()), 53);
    EXPECT_THAT(Keys(json["casing"]), UnorderedElementsAre("none", "25mm", "50mm"));
    EXPECT_THAT(Rounded(json["casing"]["25mm"]["levels"]),
                ElementsAre(36, 30, 22, 22, 23, 21, 12, 15));
    EXPECT_EQ(RoundWhole(json["casing"]["none"]["summationLevel"].get<double>()), 37);
    // Unrounded: the 4 kHz band with 50 mm insulation lies just below zero.
    const double quiet = json["casing"]["50mm"]["levels"][6].get<double>();
    EXPECT_LT(quiet, 0);
    EXPECT_GT(quiet, -0.5);
    EXPECT_EQ(json["attenuator"], Json({{"outcome", "cleared"}}));
}

TEST(CliJson, NumbersReadBackToTheSameDoubles) {
    const std::string flowText = "123.45678901234567";
    const Json json = RunJson({"selmon", "--flow", flowText, "--json"});
    const double flow = *ReadNumber(flowText);
    EXPECT_EQ(json["inputs"]["flow"].get<double>(), flow);

    const circular::CircularResult expected = circular::CalculateSelmon(100, flow, 250);
    EXPECT_EQ(json["velocity"].get<double>(), expected.velocity);
    EXPECT_EQ(json["zeta"].get<double>(), *expected.zeta);
    EXPECT_EQ(json["minimumPressure"].get<double>(), expected.minimumPressure);
    EXPECT_EQ(
        json["octave"].get<std::vector<double>>(),
        std::vector<double>(expected.spectrum->octave.begin(), expected.spectrum->octave.end()));
    EXPECT_EQ(json["casing"]["50mm"]["summationLevel"].get<double>(),
              expected.spectrum->casingSum[2]);
}

TEST(CliJson, TargetLevelSelectsAnAttenuatorPerInsulation) {
    const Json json = RunJson(
        {"selmon", "--diameter", "250", "--flow", "1000", "--target", "50", "--json"});
    const Json& attenuator = json["attenuator"];
    EXPECT_EQ(attenuator["outcome"], "selected");
    ASSERT_THAT(Keys(attenuator["rows"]), UnorderedElementsAre("25mm", "50mm", "75mm"));
    // Per thickness the shortest attenuator that brings the level to 50 dB(A); none of the
    // 25 mm ones does, so the longest is given.
    struct Row {
        const char* key;
        const char* length;
        double firstBand;
        double summationLevel;
    };
    for (const Row& row : {Row{"25mm", "2.00m", 65, 51}, Row{"50mm", "1.00m", 64, 50},
                           Row{"75mm", "0.75m", 64, 49}}) {
        const Json& shown = attenuator["rows"][row.key];
        EXPECT_EQ(shown["length"], row.length) << row.key;
        ASSERT_EQ(shown["levels"].size(), 8u);
        EXPECT_EQ(RoundWhole(shown["levels"][0].get<double>()), row.firstBand) << row.key;
        EXPECT_EQ(RoundWhole(shown["summationLevel"].get<double>()), row.summationLevel)
            << row.key;
        EXPECT_EQ(shown["targetReached"], row.summationLevel <= 50) << row.key;
    }
}

TEST(CliJson, ValuesAreReadAsTheFormReadsItsFields) {
    const Json json = RunJson({"selmon", "--dp", "250 Pa", "--flow", " 100.0", "--json"});
    EXPECT_EQ(json["inputs"]["dp"], 250.0);
    EXPECT_EQ(json["inputs"]["flow"], 100.0);
    EXPECT_NEAR(json["velocity"].get<double>(), 3.5368, 1e-4);
}

TEST(CliJson, DecimalPointStaysAPointUnderAGermanLocale) {
    const std::vector<std::string> german{"LC_ALL=de_DE.UTF-8", "LANG=de_DE.UTF-8"};
    const CalcRun text = RunCalcProcess({"selmon", "--flow", "150.5"}, german);
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("150.5"));
    EXPECT_THAT(text.out, HasSubstr("  5.3"));  // 150.5 m3/h through 100 mm

    const Json json = JsonOf(RunCalcProcess({"selmon", "--flow", "150.5", "--json"}, german));
    EXPECT_EQ(json["inputs"]["flow"], 150.5);
    EXPECT_EQ(json["velocity"].get<double>(), circular::CalculateSelmon(100, 150.5, 250).velocity);
}

}  // namespace
}  // namespace lorvane::cli::test
