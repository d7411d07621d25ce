#pragma once

#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "forms/result_record.h"

namespace lorvane::schedule {

// One position of a schedule: a product at an operating point, under the planner's tag.
struct Position {
    std::string tag;      // "V-101"
    std::string product;  // the product's word: "selmon"
    // The inputs as typed, by option name; a list entry as its word, a flag given as "yes".
    // An input left out takes the form's start value.
    std::map<std::string, std::string> inputs;

    bool operator==(const Position&) const = default;
};

// A planner's project: the positions in their order. Results are not kept in it; they are
// calculated again from the inputs.
struct Project {
    std::vector<Position> positions;

    bool operator==(const Project&) const = default;
};

// The version of the project file this program writes and reads; a file of a later version is
// refused rather than read in part.
inline constexpr int kProjectFileVersion = 1;

// The project file: JSON with the format's name, its version and the positions.
std::string ProjectFileText(const Project& project);
// The project of a file's text, or why it cannot be read: damaged, not a project, or from a
// newer version of the program.
std::variant<Project, std::string> ReadProjectFile(std::string_view text);

// What a position comes to.
enum class PositionStatus { Ok, Refused, Invalid };

struct PositionResult {
    PositionStatus status = PositionStatus::Invalid;
    std::string message;  // the refusal's message, or why the position cannot be calculated
    std::optional<forms::ResultRecord> record;  // absent for an invalid position
};

PositionResult CalculatePosition(const Position& position);

// "ok", "refused", "invalid": as schedules write a status.
const char* StatusWord(PositionStatus status);

// The positions as a schedule CSV that `lorvane-calc batch` reads: "tag", "product", then one
// column per option that some position has.
std::string ScheduleCsv(const std::vector<Position>& positions);
// The positions of a schedule CSV: the "product" column, the option columns, and the "tag"
// column where there is one; other columns are left out. Or why the file cannot be read.
std::variant<std::vector<Position>, std::string> ReadScheduleCsv(std::istream& in);

}  // namespace lorvane::schedule
