#pragma once

#include <string>
#include <string_view>

namespace lorvane {

// Words as planners type them into schedules and as spreadsheets write them: blanks (spaces,
// tabs, carriage returns and line feeds) around a word do not belong to it, and its case does
// not matter. These are the one rule by which product words, list words and column names are
// matched.

// Whether a character is a blank: what C's isspace() takes in the C locale.
constexpr bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');  // tab, line feed, vertical tab, form feed, CR
}

// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);

// The text trimmed and in lower case (ASCII letters only; other bytes stay as they are).
std::string LooseWord(std::string_view text);

// Whether two texts are the same word: equal once trimmed, whatever the case of their ASCII
// letters.
bool SameWord(std::string_view a, std::string_view b);

}  // namespace lorvane
