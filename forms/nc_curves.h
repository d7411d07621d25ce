#pragma once

#include <optional>

#include "forms/result_record.h"

namespace lorvane::forms {

// The noise-criterion curves that bracket a rating, as a chart's reference curves: the one at
// or below it and the next; the lowest curve alone for a spectrum below every curve (no rating),
// the highest alone above it.
void AddBracketingNcCurves(ResultRecord& record, const std::optional<double>& nc);

}  // namespace lorvane::forms
