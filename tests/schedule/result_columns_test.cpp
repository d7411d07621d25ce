// The result columns of a schedule hold every result a product's record can carry.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

#include "schedule/call.h"
#include "schedule/fresh_form.h"
#include "schedule/record_json.h"
#include "schedule/result_columns.h"

namespace lorvane::schedule {
namespace {

// Every path to a number, text or flag in a JSON object with its value, its arrays as one entry
// per band. A null stands for a whole object or array the model cannot give; it has no path.
void Leaves(const Json& json, const std::string& prefix,
            std::vector<std::pair<std::string, const Json*>>& leaves) {
    if (json.is_object()) {
        for (const auto& [key, value] : json.items()) {
            Leaves(value, prefix.empty() ? key : prefix + "_" + key, leaves);
        }
    } else if (json.is_array() && prefix != "notes") {
        static const char* kBands[] = {"63", "125", "250", "500", "1000", "2000", "4000", "8000"};
        for (std::size_t band = 0; band < json.size() && band < 8; ++band) {
            leaves.emplace_back(prefix + "_" + kBands[band], &json[band]);
        }
    } else if (!json.is_null()) {  // null: an empty cell, whatever the column
        leaves.emplace_back(prefix, &json);
    }
}

// The shortest text that reads back to the same double.
std::string Shortest(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
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
            std::vector<std::pair<std::string, const Json*>> leaves;
            Leaves(json, "", leaves);
            for (const auto& [path, value] : leaves) {
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
    const auto cell = [&](const std::string& name) {
        const auto& names = columns.Names();
        return cells.at(std::find(names.begin(), names.end(), name) - names.begin());
    };
    const forms::ResultRecord record =
        EvaluateCall(
            {.product = &selmon, .given = {{"diameter", "250"}, {"flow", "1000"}, {"target", "35"}}})
            .record;
    columns.Fill(record, cells);
    EXPECT_EQ(cell("flowRange_vmin"), "500");
    // DuctVelocity(1000, 250); "5.658842421041193", one unit in the last place above, is not it.
    EXPECT_EQ(cell("velocity"), "5.658842421041192");
    EXPECT_EQ(cell("attenuator_outcome"), "selected");
    EXPECT_EQ(cell("accepted"), "true");
    // Every number of the record, as the shortest text that reads back to it.
    const Json json = RecordJson(record);
    std::vector<std::pair<std::string, const Json*>> leaves;
    Leaves(json, "", leaves);
    int numbers = 0;
    for (const auto& [path, value] : leaves) {
        if (value->is_number()) {
            EXPECT_EQ(cell(path), Shortest(value->get<double>())) << path;
            ++numbers;
        }
    }
    EXPECT_GT(numbers, 50);  // the bands of every row are among them

    columns.Fill(EvaluateCall({.product = &selmon, .given = {{"diameter", "abc"}}}).record, cells);
    EXPECT_EQ(cell("velocity"), "");
    EXPECT_EQ(cell("octave_63"), "");
}

}  // namespace
}  // namespace lorvane::schedule
