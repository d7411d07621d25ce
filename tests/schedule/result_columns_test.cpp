// The result columns of a schedule hold every result a product's record can carry.

#include <gtest/gtest.h>

#include <cmath>

#include "schedule/call.h"
#include "schedule/fresh_form.h"
#include "schedule/record_json.h"
#include "schedule/result_columns.h"

namespace lorvane::schedule {
namespace {

// Every path to a number, text or flag in a JSON object, its arrays as one entry per band.
// A null stands for a whole object or array the model cannot give; it has no path.
void Paths(const Json& json, const std::string& prefix, std::vector<std::string>& paths) {
    if (json.is_object()) {
        for (const auto& [key, value] : json.items()) {
            Paths(value, prefix.empty() ? key : prefix + "_" + key, paths);
        }
    } else if (json.is_array() && prefix != "notes") {
        static const char* kBands[] = {"63", "125", "250", "500", "1000", "2000", "4000", "8000"};
        for (std::size_t band = 0; band < json.size() && band < 8; ++band) {
            paths.push_back(prefix + "_" + kBands[band]);
        }
    } else if (!json.is_null()) {  // null: an empty cell, whatever the column
        paths.push_back(prefix);
    }
}

// Operating points around the start values: every number halved, doubled and tenfold, alone,
// and high and low targets, so that records reach their refusals and their selections.
std::vector<Call> CallsAround(const Product& product) {
    std::vector<Call> calls{{.product = &product}};
    const forms::InputTexts start = StartTexts(product);
    for (const forms::Option& option : product.spec().options) {
        if (option.IsFlag()) {
            calls.push_back({.product = &product, .flags = {option.name}});
            continue;
        }
        for (const forms::Choice& choice : option.choices) {
            calls.push_back({.product = &product, .given = {{option.name, choice.word}}});
        }
        const double value = std::atof(start.at(option.name).c_str());
        for (const double factor : {0.5, 2.0, 10.0}) {
            calls.push_back(
                {.product = &product, .given = {{option.name, std::to_string(value * factor)}}});
        }
        if (option.name == "target") {
            for (const char* target : {"20", "35", "60"}) {
                calls.push_back(
                    {.product = &product,
                     .given = {{"diameter", "250"}, {"flow", "1000"}, {option.name, target}}});
            }
        }
    }
    return calls;
}

TEST(ResultColumns, EveryResultOfEveryProductHasAColumn) {
    for (const Product& product : Catalogue()) {
        const ResultColumns columns({&product});
        const auto& names = columns.Names();
        for (const Call& call : CallsAround(product)) {
            Json json = RecordJson(EvaluateCall(call).record);
            json.erase("error");
            std::vector<std::string> paths;
            Paths(json, "", paths);
            for (const std::string& path : paths) {
                EXPECT_NE(std::find(names.begin(), names.end(), path), names.end())
                    << product.word << " " << path << " from " << json.dump();
            }
        }
    }
}

TEST(ResultColumns, ShowEveryNumberExactlyAndLeaveTheMissingEmpty) {
    const Product& selmon = *FindProductByWord("selmon");
    const ResultColumns columns({&selmon});
    std::vector<std::string> cells;
    columns.Fill(EvaluateCall({.product = &selmon,
                               .given = {{"diameter", "250"}, {"flow", "1000"}, {"target", "35"}}})
                     .record,
                 cells);
    const auto cell = [&](const std::string& name) {
        const auto& names = columns.Names();
        return cells[std::find(names.begin(), names.end(), name) - names.begin()];
    };
    EXPECT_EQ(cell("flowRange_vmin"), "500");
    EXPECT_DOUBLE_EQ(std::strtod(cell("velocity").c_str(), nullptr),
                     1000 / 3600.0 / (0.785398163398 * 0.0625));
    EXPECT_EQ(cell("attenuator_outcome"), "selected");
    EXPECT_EQ(cell("accepted"), "true");

    columns.Fill(EvaluateCall({.product = &selmon, .given = {{"diameter", "abc"}}}).record, cells);
    EXPECT_EQ(cell("velocity"), "");
    EXPECT_EQ(cell("octave_63"), "");
}

}  // namespace
}  // namespace lorvane::schedule
