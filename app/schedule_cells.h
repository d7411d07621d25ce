#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <string_view>

#include "products/catalogue.h"
#include "schedule/project.h"

namespace lorvane::app {

// The columns of the schedule table, left to right, by their place.
enum ScheduleColumnPlace : int {
    kTagColumn,
    kProductColumn,
    kSizeColumn,
    kFlowColumn,
    kPressureDropColumn,
    kVelocityColumn,
    kMinimumPressureColumn,
    kLevelColumn,
    kTargetColumn,
    kAttenuatorColumn,
    kRoomLevelColumn,
    kRoomRatingColumn,
    kRoomTargetColumn,
    kRoomAttenuatorColumn,
    kStatusColumn,
    kMessageColumn,
    kScheduleColumnCount
};

// What a column of the schedule table is: its heading (the unit on a line of its own), whether
// it holds numbers (set flush right and kept on one line), the record's number it shows or else
// the input's.
struct ScheduleColumn {
    const char* heading;
    bool numbers = false;
    std::string_view resultKey;
    std::string_view inputName;
};

// clang-format off
inline constexpr std::array<ScheduleColumn, kScheduleColumnCount> ScheduleColumns{{
    {"Tag",                    false, "",                ""},
    {"Product",                false, "",                ""},
    {"Size [mm]",              false, "",                ""},
    {"Flow\n[m³/h]",           true,  "",                "flow"},
    {"Δp\n[Pa]",               true,  "pressureLoss",    "dp"},
    {"Velocity\n[m/s]",        true,  "velocity",        ""},
    {"Min. pressure\n[Pa]",    true,  "minimumPressure", ""},
    {"Level\n[dB(A)]",         true,  "summationLevel",  ""},
    {"Target\n[dB(A)]",        true,  "",                "target"},
    {"Attenuator",             false, "",                ""},
    {"Room\n[dB(A)]",          true,  "room.summationLevel", ""},
    {"Room\nrating",           true,  "",                ""},
    {"Room\ntarget",           false, "",                ""},
    {"Room\nattenuator",       false, "",                ""},
    {"Status",                 false, "",                ""},
    {"Message",                false, "",                ""},
}};
// clang-format on

// A column's heading; the unit on a line of its own.
QString ScheduleHeading(int column);
// Whether a column holds numbers, which are set flush right.
bool IsNumberColumn(int column);

// The product's name as the schedule shows it: "Selmon", "Multi-leaf Damper: Leakage"; an
// unknown word as it is.
QString ProductName(std::string_view word);

// The texts of a position's row, one per column. Size, flow and Δp come from the inputs (an
// input left out as the product's form starts it); Δp from the record where the product
// calculates a pressure loss. Results come from the record, formatted as the form shows them;
// a result the record does not hold is an empty text, never 0 or an earlier value. A controller
// given a target shows it, and the attenuator the finder would choose where its level misses it.
// A position with a room shows the level at the listener and its rating ("NR 32", or "NC 28"
// where the room's target is an NC), and with a room target whether the room meets it ("met",
// "missed") and the attenuator for the room where the room has one chosen ("25mm 0.50m", "none
// reaches", "-" where the room needs none).
QStringList PositionCells(const schedule::Position& position,
                          const schedule::PositionResult& result);

}  // namespace lorvane::app
