#pragma once

#include "forms/result_record.h"

namespace lorvane::app {

// What the room panel's chart draws, from the room's results of a record: the levels at the
// listener, with the attenuator for the room where one is chosen, and the NC and the NR curves
// that bracket the room's ratings (of each the lowest alone for a room below it, the highest
// alone above it).
forms::ResultRecord RoomChartRecord(const forms::ResultRecord& room);

}  // namespace lorvane::app
