// lorvane-calc basko and quenta: text and JSON of the worked examples, refusals, and the edges
// the model cannot serve.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "core/number_text.h"

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

std::string Tenths(const Json& value) {
    return FormatNumber("%.1lf", value.get<double>());
}

TEST(CliBasko, TextOfTheCatalogueExample) {
    const CalcRun run =
        RunCalc({"basko", "--width", "400", "--height", "200", "--flow", "2000", "--dp", "250"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_THAT(FieldsOf(run.out, "Velocity [m/s]:"), ElementsAre("6.9"));
    EXPECT_THAT(FieldsOf(run.out, "Minimum pressure [Pa]:"), ElementsAre("114"));
    EXPECT_THAT(FieldsOf(run.out, "Vmin [m3/h]:"),
                ElementsAre("864", "Vmax", "[m3/h]:", "2880", "theoretically"));
    EXPECT_THAT(FieldsOf(run.out, "Air-regenerated noise [dB]:"),
                ElementsAre("68", "67", "65", "64", "62", "60", "58", "55", "68"));
    EXPECT_THAT(FieldsOf(run.out, "without insulation [dB]:"),
                ElementsAre("68", "63", "60", "58", "54", "51", "47", "44", "60"));
    EXPECT_THAT(FieldsOf(run.out, "with Insulation thickness 30 mm [dB]:"),
                ElementsAre("68", "61", "56", "50", "44", "40", "37", "35", "53"));
}

TEST(CliBasko, JsonOfTheCatalogueExample) {
    const Json json =
        RunJson({"basko", "--width", "400", "--height", "200", "--flow", "2000", "--json"});
    EXPECT_THAT(Keys(json),
                UnorderedElementsAre("product", "inputs", "theoreticalRange", "scaleRange",
                                     "velocity", "minimumPressure", "accepted", "octave",
                                     "summationLevel", "casingClass", "casing"));
    EXPECT_EQ(json["product"], "basko");
    EXPECT_EQ(json["inputs"], Json({{"width", 400.0},
                                    {"height", 200.0},
                                    {"flow", 2000.0},
                                    {"dp", 250.0},
                                    {"keep-flow", false}}));
    EXPECT_EQ(json["theoreticalRange"], Json({{"vmin", 864.0}, {"vmax", 2880.0}}));
    EXPECT_EQ(json["scaleRange"], Json({{"vmin", 600.0}, {"vmax", 2800.0}}));
    EXPECT_NEAR(json["velocity"].get<double>(), 6.9444, 1e-4);
    EXPECT_EQ(RoundWhole(json["minimumPressure"].get<double>()), 114);
    EXPECT_TRUE(json["accepted"].get<bool>());
    EXPECT_THAT(Rounded(json["octave"]), ElementsAre(68, 67, 65, 64, 62, 60, 58, 55));
    EXPECT_EQ(RoundWhole(json["summationLevel"].get<double>()), 68);
    EXPECT_EQ(json["casingClass"], 4);
    EXPECT_THAT(Keys(json["casing"]), UnorderedElementsAre("none", "30mm"));
    EXPECT_THAT(Rounded(json["casing"]["none"]["levels"]),
                ElementsAre(68, 63, 60, 58, 54, 51, 47, 44));
    EXPECT_EQ(RoundWhole(json["casing"]["30mm"]["summationLevel"].get<double>()), 53);
}

TEST(CliBasko, AFlowOutsideTheRangesIsRefusedUnlessItIsKept) {
    // The start values: 100 m3/h through 200 x 100 mm.
    const CalcRun refused = RunCalc({"basko", "--json"});
    EXPECT_EQ(refused.status, 1);
    const std::string message =
        "The volume flow lies outside 200 to 600 m3/h; set keep-flow to calculate it anyway";
    EXPECT_EQ(refused.err, message + "\n");
    const Json json = Json::parse(refused.out);
    EXPECT_EQ(json["error"], message);
    EXPECT_NEAR(json["theoreticalRange"]["vmin"].get<double>(), 200.16, 1e-9);
    EXPECT_NEAR(json["theoreticalRange"]["vmax"].get<double>(), 599.76, 1e-9);
    for (const char* key : {"velocity", "minimumPressure", "octave", "casing"}) {
        EXPECT_FALSE(json.contains(key)) << key;
    }

    const Json kept = RunJson({"basko", "--keep-flow", "--json"});
    EXPECT_EQ(kept["inputs"]["keep-flow"], true);
    EXPECT_NEAR(kept["velocity"].get<double>(), 1.3889, 1e-4);
    EXPECT_EQ(kept["octave"].size(), 8u);
    EXPECT_EQ(kept["notes"],
              Json({"The volume flow lies outside the range of this size, 200 to 600 m3/h"}));

    // Kept or not, a flow that is no number ends the calculation.
    const CalcRun noNumber = RunCalc({"basko", "--keep-flow", "--flow", "abc"});
    EXPECT_EQ(noNumber.status, 1);
    EXPECT_EQ(noNumber.err, "Please correct volume flow\n");
}

TEST(CliBasko, ASizeWithoutScalesHasANullScaleRangeAndANote) {
    const Json json =
        RunJson({"basko", "--width", "220", "--height", "200", "--flow", "500", "--json"});
    EXPECT_EQ(json["scaleRange"], nullptr);
    EXPECT_EQ(json["notes"], Json({"This size has no existing scales"}));
    EXPECT_NEAR(json["theoreticalRange"]["vmin"].get<double>(), 475.2, 1e-9);

    const CalcRun text = RunCalc({"basko", "--width", "220", "--height", "200", "--flow", "500"});
    EXPECT_THAT(Lines(text.out), ::testing::Contains("This size has no existing scales"));
}

TEST(CliQuenta, TextOfTheCatalogueExample) {
    const CalcRun run =
        RunCalc({"quenta", "--width", "600", "--height", "300", "--flow", "5000", "--dp", "250"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_THAT(FieldsOf(run.out, "nominal size of nozzle [mm]:"),
                ElementsAre("355", "Vmin", "[m3/h]", "1050"));
    EXPECT_THAT(FieldsOf(run.out, "quantity of nozzles:"),
                ElementsAre("2", "Vmax", "[m3/h]", "7000"));
    EXPECT_THAT(FieldsOf(run.out, "C-factor:"), ElementsAre("440"));
    EXPECT_THAT(FieldsOf(run.out, "Required torque [Nm]:"), ElementsAre("1.5", "2.5", "5.6"));
    EXPECT_THAT(FieldsOf(run.out, "Air-regenerated noise [dB]:"),
                ElementsAre("72", "70", "68", "63", "57", "52", "50", "53", "65"));
}

TEST(CliQuenta, JsonOfTheCatalogueExample) {
    const Json json = RunJson(
        {"quenta", "--width", "600", "--height", "300", "--flow", "5000", "--dp", "250", "--json"});
    EXPECT_THAT(Keys(json),
                UnorderedElementsAre("product", "inputs", "nozzles", "velocity", "minimumPressure",
                                     "accepted", "octave", "summationLevel", "casingClass",
                                     "casing", "torque"));
    EXPECT_EQ(json["inputs"],
              Json({{"width", 600.0}, {"height", 300.0}, {"flow", 5000.0}, {"dp", 250.0}}));
    EXPECT_EQ(json["nozzles"], Json({{"found", true},
                                     {"vmin", 1050.0},
                                     {"vmax", 7000.0},
                                     {"count", 2},
                                     {"nominalSize", 355},
                                     {"cFactor", 440},
                                     {"sections", 1}}));
    EXPECT_EQ(Tenths(json["velocity"]), "7.7");
    EXPECT_EQ(RoundWhole(json["summationLevel"].get<double>()), 65);
    EXPECT_EQ(json["casingClass"], 8);
    EXPECT_THAT(Rounded(json["casing"]["30mm"]["levels"]),
                ElementsAre(72, 64, 60, 49, 40, 32, 30, 32));
    ASSERT_THAT(Keys(json["torque"]),
                UnorderedElementsAre("standard", "hollowProfile", "airtight"));
    EXPECT_EQ(Tenths(json["torque"]["standard"]), "1.5");
    EXPECT_EQ(Tenths(json["torque"]["hollowProfile"]), "2.5");
    EXPECT_EQ(Tenths(json["torque"]["airtight"]), "5.6");
}

TEST(CliQuenta, NoNozzleArrangementKeepsTheZerosAndSaysSo) {
    const Json json = RunJson({"quenta", "--width", "1000", "--height", "820", "--flow", "20000",
                               "--dp", "500", "--json"});
    EXPECT_EQ(json["nozzles"], Json({{"found", false},
                                     {"vmin", 0},
                                     {"vmax", 0},
                                     {"count", 0},
                                     {"nominalSize", 0},
                                     {"cFactor", 0},
                                     {"sections", 0}}));
    EXPECT_EQ(json["notes"], Json({"No nozzle arrangement fits this size"}));
    EXPECT_EQ(json["octave"].size(), 8u);

    const CalcRun text = RunCalc({"quenta", "--width", "1000", "--height", "820"});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(Lines(text.out), ::testing::Contains("No nozzle arrangement fits this size"));
}

struct RectangularRefusal {
    std::string name;
    std::vector<std::string> arguments;
    std::string message;
    std::vector<std::string> keys;  // what the form still shows, besides product and inputs
};

void PrintTo(const RectangularRefusal& r, std::ostream* out) {
    *out << r.name;
}

class CliRectangularRefusal : public ::testing::TestWithParam<RectangularRefusal> {};

TEST_P(CliRectangularRefusal, ExitsWithTheMessageAndWhatTheFormStillShows) {
    const RectangularRefusal& r = GetParam();
    std::vector<std::string> arguments = r.arguments;
    arguments.push_back("--json");
    const CalcRun run = RunCalc(arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, r.message + "\n");
    const Json json = Json::parse(run.out);
    std::vector<std::string> expected = r.keys;
    expected.insert(expected.end(), {"product", "inputs", "error"});
    EXPECT_THAT(Keys(json), ::testing::UnorderedElementsAreArray(expected));
    EXPECT_EQ(json["error"], r.message);
}

INSTANTIATE_TEST_SUITE_P(
    Products, CliRectangularRefusal,
    ::testing::Values(
        RectangularRefusal{
            "BaskoWidth", {"basko", "--width", "601"}, "Please correct the width", {}},
        RectangularRefusal{"BaskoDimensions",
                           {"basko", "--width", "200", "--height", "300"},
                           "Please correct dimensions",
                           {"theoreticalRange", "scaleRange"}},
        RectangularRefusal{
            "BaskoPressure",
            {"basko", "--width", "400", "--height", "200", "--flow", "2000", "--dp", "0.05"},
            "Please correct differential pressure",
            {"theoreticalRange", "scaleRange"}},
        RectangularRefusal{
            "BaskoIncreasePressure",
            {"basko", "--width", "400", "--height", "200", "--flow", "2000", "--dp", "100"},
            "Please increase differential pressure",
            {"theoreticalRange", "scaleRange", "velocity", "minimumPressure", "accepted"}},
        RectangularRefusal{"QuentaHeight",
                           {"quenta", "--width", "300", "--height", "400"},
                           "Please correct the height: it may not exceed the width",
                           {}},
        RectangularRefusal{"QuentaFlow",
                           {"quenta", "--width", "600", "--height", "300", "--flow", "7001"},
                           "Please correct volume flow",
                           {"nozzles"}},
        RectangularRefusal{
            "QuentaPressure",
            {"quenta", "--width", "600", "--height", "300", "--flow", "5000", "--dp", "10001"},
            "Please correct differential pressure",
            {"nozzles"}},
        RectangularRefusal{
            "QuentaIncreasePressure",
            {"quenta", "--width", "600", "--height", "300", "--flow", "7000", "--dp", "100"},
            "Please increase differential pressure",
            {"nozzles", "velocity", "minimumPressure", "accepted"}}),
    [](const ::testing::TestParamInfo<RectangularRefusal>& r) { return r.param.name; });

}  // namespace
}  // namespace lorvane::cli::test
