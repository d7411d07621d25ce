#pragma once

#include <string>
#include <string_view>

#include "core/words.h"

// How the room's texts (a path, a target) are split into words and how a message quotes them;
// the words are parted by the blanks of core/words.h.

namespace lorvane::room {

// Whether a text is the given lower-case word, its ASCII letters in any case.
constexpr bool IsWord(std::string_view text, std::string_view lowerCaseWord) {
    if (text.size() != lowerCaseWord.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c =
            text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != lowerCaseWord[i]) {
            return false;
        }
    }
    return true;
}

// A text as a message quotes it: 'text'; one of more than 40 bytes is cut there, never inside a
// UTF-8 character, and ends in "...".
std::string Quoted(std::string_view text);

}  // namespace lorvane::room
