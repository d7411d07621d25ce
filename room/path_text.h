#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "room/path.h"

namespace lorvane::room {

// Reads a sound path: elements separated by ";", each one of
//
//     duct SIZE LENGTH [lined THICKNESS]
//     elbow SIZE square|round [vanes] [lined]     (vanes and lined in any order, each once)
//     branch SHARE
//     outlet SIZE flush|free
//
// with SIZE "WxH" (rectangular) or "dD" (round) in mm, LENGTH in m and THICKNESS in mm, every
// number a plain one with a decimal point or a decimal comma, and words in any case. A blank
// text is a path without elements. What cannot be read is refused with one sentence naming the
// element by its place: "Path element 2: unknown element 'elbw'".
std::variant<Path, std::string> ReadPath(std::string_view text);

// The canonical text of an element or a path: lower case, one blank between words, "; "
// between elements, numbers in their shortest exact form. ReadPath reads it back as the same.
std::string WritePathElement(const PathElement& element);
std::string WritePath(const Path& path);

}  // namespace lorvane::room
