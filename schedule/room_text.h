#pragma once

#include <string>

#include "forms/result_record.h"

namespace lorvane::schedule {

// The room's results of a record as a block of text under the form: a "Room" heading, the band
// rows with their labels before the columns 63 to 8000 Hz and the summation level, each number
// in its row's format, and the values one per line. Empty for a record without room results.
std::string RoomText(const forms::ResultRecord& record);

}  // namespace lorvane::schedule
