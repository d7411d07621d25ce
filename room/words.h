#pragma once

#include <string>
#include <string_view>

// How the room's texts (a path, a target) are split into words and how a message quotes them.

namespace lorvane::room {

// A blank between words: space, tab, line feed, vertical tab, form feed, carriage return.
bool IsBlank(char c);

// Whether a text is the given lower-case word, its ASCII letters in any case.
bool IsWord(std::string_view text, std::string_view lowerCaseWord);

// A text as a message quotes it: 'text'; one of more than 40 bytes is cut there, never inside a
// UTF-8 character, and ends in "...".
std::string Quoted(std::string_view text);

}  // namespace lorvane::room
