#pragma once

#include <string>
#include <string_view>

#include "core/words.h"

// How a message quotes the room's texts (a path, a target); their words are parted by the
// blanks of core/words.h and matched by its EqualIgnoringCase.

namespace lorvane::room {

// A text as a message quotes it: 'text'; one of more than 40 bytes is cut there, never inside a
// UTF-8 character, and ends in "...".
std::string Quoted(std::string_view text);

}  // namespace lorvane::room
