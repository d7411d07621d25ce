#pragma once

#include <optional>

#include "finder/finder.h"
#include "forms/result_record.h"

namespace lorvane::finder {

// Of the attenuator rows of a record, one per insulation, the shortest whose level behind it
// meets the target; the thinner insulation on equal lengths. Absent when none does or the record
// has no rows.
std::optional<AttenuatorChoice> ShortestMeeting(const forms::ResultRecord& record, double target);

// Reads what a candidate shows from the record of its product's evaluation, by key: velocity,
// minimum pressure, the summation levels in the duct and of the bare casing and, where the
// controller alone is above the target, the attenuator. False, and the candidate left as it
// is, when the record lacks velocity, minimum pressure or summation level or holds one that is
// not finite.
bool ReadRecord(const forms::ResultRecord& record, const std::optional<double>& target,
                Candidate& candidate);

}  // namespace lorvane::finder
