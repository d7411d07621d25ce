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

// The character with an ASCII capital letter made small; any other byte as it is.
constexpr char LowerLetter(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether two texts are equal, whatever the case of their ASCII letters; blanks count.
constexpr bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerLetter(a[i]) != LowerLetter(b[i])) {
            return false;
        }
    }
    return true;
}

// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);

// The text trimmed and in lower case (ASCII letters only; other bytes stay as they are).
std::string LooseWord(std::string_view text);

// Whether two texts are the same word: equal once trimmed, whatever the case of their ASCII
// letters.
bool SameWord(std::string_view a, std::string_view b);

}  // namespace lorvane
