#include "core/words.h"

#include <algorithm>

namespace lorvane {
std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string LooseWord(std::string_view text) {
    std::string word(TrimBlanks(text));
    std::transform(word.begin(), word.end(), word.begin(), LowerLetter);
    return word;
}

bool SameWord(std::string_view a, std::string_view b) {
    return EqualIgnoringCase(TrimBlanks(a), TrimBlanks(b));
}

}  // namespace lorvane
