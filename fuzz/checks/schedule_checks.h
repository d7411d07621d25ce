#pragma once

#include <cstdint>
#include <span>

#include "fuzz/checks/findings.h"

namespace lorvane::fuzz {

// Any bytes as a schedule: `lorvane-calc batch` either refuses the file with a sentence or gives
// one result per row, each with a status, as CSV with as many fields in every row as in its
// header and as JSON Lines that parse; the desktop program's import reads the same rows.
Findings CheckScheduleInput(std::span<const std::uint8_t> bytes);

// Any bytes as a project file: refused with a sentence, or read into positions that are
// written back to a file that reads as the same project and that calculate without a crash,
// each to a status that agrees with its record.
Findings CheckProjectInput(std::span<const std::uint8_t> bytes);

}  // namespace lorvane::fuzz
