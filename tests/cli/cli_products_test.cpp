// Every product of lorvane-calc: its JSON keys, a worked operating point, and its refusals.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::HasSubstr;

Json Parse(const CalcRun& run) {
    return Json::parse(run.out);
}

TEST(CliProducts, TolmarSharesTheSelmonSpectrumWithItsOwnRanges) {
    const CalcRun run =
        RunCalc({"tolmar", "--diameter", "250", "--flow", "240", "--dp", "500", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Parse(run);
    EXPECT_EQ(json["flowRange"], Json({{"vmin", 240.0}, {"vmax", 800.0}}));
    EXPECT_NEAR(json["zeta"].get<double>(), 451.8, 0.05);
    EXPECT_NEAR(json["minimumPressure"].get<double>(), 42, 0.5);
    EXPECT_NEAR(json["summationLevel"].get<double>(), 59, 0.5);
}

struct Regulated {
    const char* product;
    double summationLevel;
    double octave8k;
    double minimumPressure;
};

class CliRegulated : public ::testing::TestWithParam<Regulated> {};

TEST_P(CliRegulated, WorkedExampleWithoutZeta) {
    const Regulated& c = GetParam();
    const CalcRun run = RunCalc({c.product, "--diameter", "200", "--flow", "500", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const Json json = Parse(run);
    EXPECT_FALSE(json.contains("zeta"));
    EXPECT_NEAR(json["velocity"].get<double>(), 4.42, 0.005);
    EXPECT_NEAR(json["minimumPressure"].get<double>(), c.minimumPressure, 0.005);
    EXPECT_NEAR(json["summationLevel"].get<double>(), c.summationLevel, 0.005);
    EXPECT_NEAR(json["octave"][7].get<double>(), c.octave8k, 0.005);
    EXPECT_EQ(json["octave"].size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Products, CliRegulated,
                         ::testing::Values(Regulated{"daxel", 61.67, 34.76, 47.59},
                                           Regulated{"mirolt", 59.25, 31.89, 31.66}));

TEST(CliProducts, DaxelDiameterWithoutAttenuatorValues) {
    const CalcRun run =
        RunCalc({"daxel", "--diameter", "450", "--flow", "1000", "--target", "30", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Parse(run)["attenuator"], Json({{"outcome", "noValues"}}));
    EXPECT_EQ(run.err, "");  // the diagnostic trace stays out of both streams
}

struct ProductRefusal {
    std::vector<std::string> arguments;
    std::string message;
};

class CliProductRefusal : public ::testing::TestWithParam<ProductRefusal> {};

TEST_P(CliProductRefusal, ExitsWithTheMessage) {
    const ProductRefusal& c = GetParam();
    const CalcRun run = RunCalc(c.arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, c.message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Products, CliProductRefusal,
    ::testing::Values(
        ProductRefusal{{"tolmar", "--flow", "200"}, "Please correct volume flow"},
        ProductRefusal{{"tolmar", "--diameter", "160", "--flow", "350", "--dp", "20"},
                       "Please increase differential pressure"},
        ProductRefusal{{"daxel", "--diameter", "90"}, "Please correct diameter"},
        ProductRefusal{{"mirolt", "--diameter", "90"}, "Pease correct diameter"},
        ProductRefusal{{"attenuator", "--length", "499"}, "The length must be from 500 to 2000 mm"},
        ProductRefusal{
            {"attenuator", "--diameter", "450", "--json"},
            "The diameter must be one of 80, 100, 125, 140, 150, 160, 180, 200, 224, 250, "
            "280, 300, 315, 355, 400 mm"}));

TEST(CliProducts, AttenuatorInterpolatesBetweenLengths) {
    const CalcRun json = RunCalc({"attenuator", "--diameter", "80", "--length", "600", "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const Json object = Parse(json);
    EXPECT_EQ(object["inputs"], Json({{"diameter", 80.0}, {"length", 600.0}}));
    EXPECT_NEAR(object["insertionLoss"]["25mm"][4].get<double>(), 29.4, 1e-9);
    EXPECT_EQ(object["insertionLoss"]["75mm"].size(), 8u);

    const CalcRun text = RunCalc({"attenuator", "--diameter", "80", "--length", "600"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_THAT(text.out, HasSubstr("   29"));
    EXPECT_THAT(text.out, HasSubstr("Insertion loss of vexa-attenuators Nerva"));
}

}  // namespace
}  // namespace lorvane::cli::test
