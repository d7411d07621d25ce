#pragma once

#include <cstdint>
#include <span>

#include "fuzz/checks/findings.h"

namespace lorvane::fuzz {

// Any bytes as a room's sound path: refused with a sentence that names the element by its place,
// or read into a path whose written text reads back as the same path and is written again the
// same; that path into a room is refused with a sentence or gives finite attenuations of 0 or
// more, finite levels and finite ratings. The same bytes as the value of each room option of a
// call: refused with a sentence, or read into a room refused with one or giving finite levels.
Findings CheckRoomPathInput(std::span<const std::uint8_t> bytes);

}  // namespace lorvane::fuzz
