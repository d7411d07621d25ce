#pragma once

#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "finder/finder.h"

namespace lorvane::finder {

// Objects keep their keys in the order they were written.
using Json = nlohmann::ordered_json;

// What a column sorts by: a number, or a text for a column of words.
using SortKey = std::variant<double, std::string>;

// Where a column's value goes in a candidate's JSON object.
enum class JsonPlace {
    Key,        // under the column's key, in the order of the columns
    OwnKeys,    // the value is an object whose keys stand in the column's place: the size's
                // "diameter", or "width" and "height"
    AfterKeys,  // under the column's key, after the values of every other column: an object
                // of its own, such as the attenuator's
};

// One column of a table of candidates, as the text table, the JSON object and the desktop
// window show it.
struct CandidateColumn {
    std::string_view name;  // "Velocity"
    std::string_view unit;  // "m/s"; empty where the name is the unit ("dB(A)") or there is none
    bool numbers;           // a column of numbers, aligned right
    std::string (*cell)(const Candidate& candidate);
    // Numbers sort by value, sizes by cross-section, words by text.
    SortKey (*sortKey)(const Candidate& candidate);
    std::string_view jsonKey;  // "velocity"; empty for a column of its own keys
    JsonPlace jsonPlace;
    Json (*json)(const Candidate& candidate);  // a number that is not finite is null
    bool ofTheRoom = false;  // says what the room gets: shown where the search has a room
};

// The columns in the order a table shows them: product, size, velocity, minimum pressure, the
// summation levels in the duct and of the bare casing, attenuator, whether it meets the target,
// then for a search with a room the room's dB(A), NC and NR and the attenuator for the room.
std::span<const CandidateColumn> CandidateColumns();

// The column's heading: its name with the unit in brackets, "Velocity [m/s]".
std::string Heading(const CandidateColumn& column);

// Whether a table of the search shows the column.
bool Shows(const CandidateColumn& column, const DutyPoint& dutyPoint);

// A candidate as one JSON object: the values of the columns, then its notes where it has any;
// the room's columns only where it has a room.
Json CandidateJson(const Candidate& candidate);

}  // namespace lorvane::finder
