// Refused inputs: exit status 1, the form's message on standard error, and what the form still
// shows on standard output, in text and in JSON.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/calc_process.h"

namespace lorvane::cli::test {
namespace {

using ::testing::EndsWith;

struct Refusal {
    std::string name;
    std::vector<std::string> options;
    std::string message;
    bool showsRange;     // the diameter passed: Vmin and Vmax are shown
    bool showsVelocity;  // the calculation ran: velocity and minimum pressure are shown
};

std::vector<std::string> SelmonCall(const Refusal& refusal, bool json) {
    std::vector<std::string> arguments{"selmon"};
    arguments.insert(arguments.end(), refusal.options.begin(), refusal.options.end());
    if (json) {
        arguments.push_back("--json");
    }
    return arguments;
}

// The text after the label on its line, blanks removed.
std::string FieldText(const std::string& text, const std::string& label) {
    for (const std::string& line : Lines(text)) {
        const std::size_t at = line.find(label);
        if (at != std::string::npos) {
            std::string rest = line.substr(at + label.size());
            std::erase(rest, ' ');
            return rest;
        }
    }
    ADD_FAILURE() << "no line with \"" << label << "\" in\n" << text;
    return {};
}

void PrintTo(const Refusal& call, std::ostream* out) {
    *out << call.name;
}

class CliRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliRefusal, TextShowsTheMessageAndWhatTheFormKeeps) {
    const Refusal& refusal = GetParam();
    const CalcRun run = RunCalc(SelmonCall(refusal, false));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, refusal.message + "\n");
    EXPECT_EQ(FieldText(run.out, "Vmin [m3/h]:").empty(), !refusal.showsRange);
    EXPECT_EQ(FieldText(run.out, "Velocity [m/s]:").empty(), !refusal.showsVelocity);
    EXPECT_EQ(FieldText(run.out, "Minimum pressure [Pa]:").empty(), !refusal.showsVelocity);
    EXPECT_EQ(FieldText(run.out, "Air-regenerated noise [dB]:"), "");
}

TEST_P(CliRefusal, JsonCarriesTheErrorAndWhatTheFormKeeps) {
    const Refusal& refusal = GetParam();
    const CalcRun run = RunCalc(SelmonCall(refusal, true));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, refusal.message + "\n");
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["product"], "selmon");
    EXPECT_EQ(json["error"], refusal.message);
    EXPECT_EQ(json.contains("flowRange"), refusal.showsRange);
    for (const char* key : {"velocity", "minimumPressure", "accepted", "zeta"}) {
        EXPECT_EQ(json.contains(key), refusal.showsVelocity) << key;
    }
    for (const char* key : {"octave", "octaveA", "summationLevel", "casing", "attenuator"}) {
        EXPECT_FALSE(json.contains(key)) << key;
    }
    if (refusal.showsVelocity) {
        EXPECT_FALSE(json["accepted"].get<bool>());
        EXPECT_LT(json["inputs"]["dp"].get<double>() + 1, json["minimumPressure"].get<double>());
    }
}

// clang-format off
// dp + 1 < minimum pressure at 80 mm and 125 m3/h: 6.9 m/s needs about 87 Pa.
INSTANTIATE_TEST_SUITE_P(Selmon, CliRefusal, ::testing::Values(
    Refusal{"FlowBelowVmin",         {"--flow", "69.9"},      "Please correct volume flow",           true,  false},
    Refusal{"FlowNotFinite",         {"--flow", "inf"},       "Please correct volume flow",           true,  false},
    Refusal{"NegativePressure",      {"--dp", "-1"},          "Please correct differential pressure", true,  false},
    Refusal{"PressureAboveMaximum",  {"--dp", "10000.5"},     "Please correct differential pressure", true,  false},
    Refusal{"DiameterNotListed",     {"--diameter", "90"},    "Pease correct diameter",               false, false},
    Refusal{"DiameterWithoutNumber", {"--diameter", "big"},   "Pease correct diameter",               false, false},
    Refusal{"TargetAbove100",        {"--target", "100.1"},   "Please correct Sound level",           true,  false},
    Refusal{"PressureBelowMinimum",  {"--diameter", "80", "--flow", "125", "--dp", "1"},
                                                              "Please increase differential pressure", true, true}),
    [](const auto& param) { return param.param.name; });
// clang-format on

TEST(CliRefusal, JsonInputsHoldNullForATextWithoutANumber) {
    const CalcRun run = RunCalc({"selmon", "--flow", "inf", "--json"});
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_TRUE(json["inputs"]["flow"].is_null());
    EXPECT_EQ(json["inputs"]["dp"], 250.0);
}

}  // namespace
}  // namespace lorvane::cli::test
