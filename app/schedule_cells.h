#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

#include "products/catalogue.h"
#include "schedule/project.h"

namespace lorvane::app {

// The columns of the schedule table, left to right.
enum ScheduleColumn : int {
    kTagColumn,
    kProductColumn,
    kSizeColumn,
    kFlowColumn,
    kPressureDropColumn,
    kVelocityColumn,
    kMinimumPressureColumn,
    kLevelColumn,
    kStatusColumn,
    kMessageColumn,
    kScheduleColumnCount
};

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
// a result the record does not hold is an empty text, never 0 or an earlier value.
QStringList PositionCells(const schedule::Position& position,
                          const schedule::PositionResult& result);

}  // namespace lorvane::app
