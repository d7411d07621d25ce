// lorvane-calc for the four damper forms: text and JSON of the worked examples, refusals, and
// the values the model cannot give.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;
using Words = std::vector<std::string>;

// The words of the text's line that begins with the label, after the label.
Words RowAfter(const std::string& text, const std::string& label) {
    for (const std::string& line : Lines(text)) {
        if (line.starts_with(label)) {
            std::istringstream rest(line.substr(label.size()));
            Words words;
            for (std::string word; rest >> word;) {
                words.push_back(word);
            }
            return words;
        }
    }
    ADD_FAILURE() << "no line begins with \"" << label << "\"";
    return {};
}

TEST(CliDampers, AcousticsStartValuesAsText) {
    const CalcRun run = RunCalc({"damper"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string& text = run.out;
    EXPECT_EQ(Lines(text).front(), "Acoustics of Multi-leaf dampers");
    EXPECT_THAT(RowAfter(text, "Air-regenerated noise [dB]:"),
                ElementsAre("48", "42", "40", "41", "43", "45", "45", "43", "51"));
    EXPECT_THAT(RowAfter(text, "Blade Linkage:"),
                ElementsAre("opposite", "direction", "Resistance", "Zeta:", "86.4"));
    EXPECT_THAT(RowAfter(text, "Sealing:"),
                ElementsAre("hollow", "profile", "Maximum", "Zeta:", "27000.0"));
    EXPECT_THAT(RowAfter(text, "Maximum torque [Nm]:"), ElementsAre("2.7", "1.5"));
    EXPECT_THAT(RowAfter(text, "Required torque [Nm]:"), ElementsAre("1.0", "0.5"));
    EXPECT_THAT(RowAfter(text, "Maximum pressure difference [Pa]:"),
                ElementsAre("5000.0", "5000.0"));
    EXPECT_THAT(RowAfter(text, "Bending [mm]:"), ElementsAre("0.0", "0.0"));
}

TEST(CliDampers, AcousticsStartValuesAsJson) {
    const Json json = RunJson({"damper", "--json"});
    EXPECT_THAT(Keys(json), UnorderedElementsAre("product", "inputs", "area", "velocity", "zeta",
                                                 "bladeAngle", "aeroTorque", "maxZeta", "octave",
                                                 "summationLevel", "blades"));
    EXPECT_EQ(json["inputs"], Json({{"width", 200.0},
                                    {"height", 200.0},
                                    {"flow", 200.0},
                                    {"linkage", "opposite"},
                                    {"sealing", "hollow-profile"},
                                    {"dp", 100.0}}));
    EXPECT_NEAR(json["area"].get<double>(), 0.04, 1e-12);
    EXPECT_NEAR(json["zeta"].get<double>(), 86.4, 1e-9);
    EXPECT_NEAR(json["bladeAngle"].get<double>(), 61.6, 0.05);
    EXPECT_NEAR(json["aeroTorque"].get<double>(), 0.8, 0.05);
    EXPECT_EQ(json["maxZeta"], 27000.0);
    EXPECT_EQ(json["octave"], Json({48.0, 42.0, 40.0, 41.0, 43.0, 45.0, 45.0, 43.0}));
    EXPECT_EQ(json["summationLevel"], 51.0);
    ASSERT_THAT(Keys(json["blades"]), UnorderedElementsAre("100mm", "165mm"));
    const Json& blade165 = json["blades"]["165mm"];
    EXPECT_THAT(Keys(blade165), UnorderedElementsAre("maxTorque", "requiredTorque",
                                                     "maxPressureDifference", "bending"));
    EXPECT_NEAR(blade165["maxTorque"].get<double>(), 1.5, 0.05);
    EXPECT_NEAR(blade165["requiredTorque"].get<double>(), 0.5, 0.05);
    EXPECT_EQ(blade165["maxPressureDifference"], 5000.0);
}

TEST(CliDampers, ListWordsPickTheirEntries) {
    const Json same = RunJson({"damper", "--linkage", "same", "--sealing", "standard", "--json"});
    EXPECT_EQ(same["inputs"]["linkage"], "same");
    EXPECT_EQ(same["inputs"]["sealing"], "standard");
    EXPECT_EQ(same["aeroTorque"], 0.0);
    EXPECT_EQ(same["maxZeta"], 2000.0);

    const CalcRun unknown = RunCalc({"damper", "--linkage", "crossed"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_THAT(unknown.err, HasSubstr("--linkage"));
}

TEST(CliDampers, BendingAt2000mmAnd10000Pa) {
    const Json json = RunJson({"bending", "--length", "2000", "--dp", "10000", "--json"});
    EXPECT_THAT(Keys(json), UnorderedElementsAre("product", "inputs", "100mm", "165mm"));
    EXPECT_THAT(Keys(json["100mm"]), UnorderedElementsAre("standard", "reinforced"));
    EXPECT_NEAR(json["100mm"]["standard"].get<double>(), 73.8, 0.05);
    EXPECT_NEAR(json["165mm"]["standard"].get<double>(), 66.1, 0.05);
    EXPECT_NEAR(json["100mm"]["reinforced"].get<double>(), 31.8, 0.05);
    EXPECT_NEAR(json["165mm"]["reinforced"].get<double>(), 38.7, 0.05);

    const CalcRun text = RunCalc({"bending", "--length", "1500", "--dp", "1000"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(RowAfter(text.out, "Bending of a standard version :"),
                ElementsAre("2.3", "mm", "2.1", "mm"));
    EXPECT_THAT(RowAfter(text.out, "Bending of a reinforced version:"),
                ElementsAre("1.0", "mm", "1.2", "mm"));
}

TEST(CliDampers, LeakageAt1000mmAnd1000Pa) {
    const Json json =
        RunJson({"leakage", "--width", "1000", "--height", "1000", "--dp", "1000", "--json"});
    EXPECT_THAT(Keys(json),
                UnorderedElementsAre("product", "inputs", "airtight", "standard", "lipSealing",
                                     "lipAndStopBead", "hollowProfileStopAngle"));
    EXPECT_THAT(Keys(json["standard"]["165mm"]), UnorderedElementsAre("leakage", "pmax"));
    // 10 * 1 m2 * sqrt(1000 / 100)
    EXPECT_NEAR(json["airtight"]["100mm"]["leakage"].get<double>(), 31.6228, 1e-4);
    EXPECT_NEAR(json["airtight"]["165mm"]["pmax"].get<double>(), 3630.9, 0.05);
    EXPECT_NEAR(json["standard"]["100mm"]["leakage"].get<double>(), 3852.2, 0.05);
    EXPECT_EQ(json["standard"]["165mm"]["pmax"], 5000.0);
    EXPECT_NEAR(json["lipAndStopBead"]["165mm"]["leakage"].get<double>(), 452, 1e-9);
    EXPECT_NEAR(json["hollowProfileStopAngle"]["165mm"]["leakage"].get<double>(), 597.9, 0.05);

    const CalcRun text = RunCalc({"leakage", "--width", "1000", "--height", "1000"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("Pmax in consideration of the maximum permissable bending of "
                                    "3 mm for the standard version and of 1,5 mm for all other "
                                    "versions"));
}

TEST(CliDampers, TorqueAt1000mmAnd1000Pa) {
    const CalcRun run = RunCalc({"torque", "--width", "1000", "--height", "1000", "--dp", "1000"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(RowAfter(run.out, "Torque of multi-leaf dampers acc.to EN1751 class 2:"),
                ElementsAre("18.6", "Nm", "12.3", "Nm"));
    EXPECT_THAT(RowAfter(run.out, "Weight of multi-leafe damper:"),
                ElementsAre("22.1", "kg", "25.6", "kg"));

    const Json json =
        RunJson({"torque", "--width", "1000", "--height", "1000", "--dp", "1000", "--json"});
    EXPECT_THAT(Keys(json["165mm"]),
                UnorderedElementsAre("standard", "hollowProfile", "class2", "airtight", "weight"));
    EXPECT_NEAR(json["100mm"]["airtight"].get<double>(), 23.0, 0.05);
    EXPECT_NEAR(json["165mm"]["hollowProfile"].get<double>(), 9.0, 0.05);
}

// --- What the model cannot give: null in JSON, an empty field in text, and a note ---

TEST(CliDampers, NoBladeOf165mmGivesNullsAndANote) {
    const Json json = RunJson({"torque", "--json"});  // 200 x 100 mm
    EXPECT_NEAR(json["100mm"]["weight"].get<double>(), 1.619, 5e-4);
    EXPECT_EQ(json["165mm"], Json({{"standard", nullptr},
                                   {"hollowProfile", nullptr},
                                   {"class2", nullptr},
                                   {"airtight", nullptr},
                                   {"weight", nullptr}}));
    EXPECT_EQ(json["notes"], Json({"No 165 mm blade fits a height below 145 mm"}));

    const Json acoustics = RunJson({"damper", "--height", "144", "--json"});
    EXPECT_EQ(acoustics["blades"]["165mm"]["maxTorque"], nullptr);
    EXPECT_EQ(acoustics["blades"]["165mm"]["maxPressureDifference"], 5000.0);
    EXPECT_EQ(acoustics["notes"], Json({"No 165 mm blade fits a height below 145 mm"}));
}

TEST(CliDampers, ANegativeBladeAngleKeepsItsNumberInJsonOnly) {
    // zeta = 6 / (0.6 * 10^2) = 0.1: x = log10(1) = 0, so the angle is c0 of its polynomial.
    const std::vector<std::string> call{"damper", "--width",   "1000", "--height", "1000", "--flow",
                                        "36000",  "--linkage", "same", "--dp",     "6"};
    std::vector<std::string> jsonCall = call;
    jsonCall.push_back("--json");
    const Json json = RunJson(jsonCall);
    EXPECT_NEAR(json["bladeAngle"].get<double>(), -17.91896, 1e-9);
    EXPECT_EQ(json["notes"],
              Json({"The resistance is below that of the fully open damper: no blade angle"}));

    const CalcRun text = RunCalc(call);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(RowAfter(text.out, "Volume flow [m3/h]:"),
                ElementsAre("36000", "Blade", "angle", "[°]:"));
}

TEST(CliDampers, LevelsBeyondTheSoundModelAreNull) {
    const Json json = RunJson({"damper", "--width", "2000", "--height", "2000", "--flow", "0.1",
                               "--linkage", "same", "--json"});
    const Json& octave = json["octave"];
    ASSERT_EQ(octave.size(), 8u);
    EXPECT_TRUE(octave[0].is_number());  // finite levels stay, however low
    EXPECT_EQ(octave[7], nullptr);
    EXPECT_LT(json["bladeAngle"].get<double>(), 0);
    EXPECT_EQ(json["notes"],
              Json({"The resistance is above that of the closed damper: no blade angle",
                    "The operating point lies outside the range of the sound model"}));
}

// --- Refusals ---

struct DamperRefusal {
    const char* name;
    std::vector<std::string> arguments;
    std::string message;
};

void PrintTo(const DamperRefusal& refused, std::ostream* out) {
    *out << refused.name;
}

class CliDamperRefusal : public ::testing::TestWithParam<DamperRefusal> {};

TEST_P(CliDamperRefusal, ExitsWithTheMessageAndNoResults) {
    const DamperRefusal& c = GetParam();
    const CalcRun run = RunCalc(c.arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.message + "\n");

    std::vector<std::string> jsonCall = c.arguments;
    jsonCall.push_back("--json");
    const CalcRun json = RunCalc(jsonCall);
    EXPECT_EQ(json.status, 1);
    const Json object = Json::parse(json.out);
    EXPECT_THAT(Keys(object), UnorderedElementsAre("product", "inputs", "error"));
    EXPECT_EQ(object["error"], c.message);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Products, CliDamperRefusal, ::testing::Values(
    DamperRefusal{"DamperWidth",     {"damper", "--width", "99.9"},
            "Please correct the width (100 to 2000 mm)"},
    DamperRefusal{"DamperPressure",  {"damper", "--dp", "5000.1"},
            "Please correct the differential pressure (0.1 to 5000 Pa)"},
    DamperRefusal{"DamperFlow",      {"damper", "--flow", "-1"},
            "Please correct the volume flow (0.1 to 175000 m3/h)"},
    DamperRefusal{"BendingLength",   {"bending", "--length", "2000.5"},
            "Please correct the blade length (100 to 2000 mm)"},
    DamperRefusal{"LeakagePressure", {"leakage", "--dp", "10000.1"},
            "Please correct the differential pressure (0.1 to 10000 Pa)"},
    DamperRefusal{"TorqueHeight",    {"torque", "--height", "abc"},
            "Please correct the height (100 to 2000 mm)"}),
    [](const ::testing::TestParamInfo<DamperRefusal>& r) { return r.param.name; });
// clang-format on

}  // namespace
}  // namespace lorvane::cli::test
