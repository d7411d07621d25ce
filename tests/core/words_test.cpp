// The one rule by which words typed into schedules are matched.

#include <gtest/gtest.h>

#include "core/words.h"

namespace lorvane {
namespace {

struct WordCase {
    const char* typed;
    const char* word;
    bool same;
};

// clang-format off
constexpr WordCase kWordCases[] = {
    {"selmon",        "selmon", true},
    {"Selmon",        "selmon", true},
    {" SELMON\t",     "selmon", true},
    {"selmon\r",      "selmon", true},   // a CRLF file read line by line
    {"selmon\r\n",    "selmon", true},
    {"sel mon",       "selmon", false},
    {"selmo",         "selmon", false},
    {"selmons",       "selmon", false},
    {"",              "selmon", false},
    {"  ",            "",       true},
    {"Ö",             "ö",      false},  // only ASCII letters change case
};
// clang-format on

TEST(Words, AreTheSameWhateverTheirCaseAndTheBlanksAroundThem) {
    for (const WordCase& c : kWordCases) {
        EXPECT_EQ(SameWord(c.typed, c.word), c.same) << '"' << c.typed << '"';
        EXPECT_EQ(SameWord(c.word, c.typed), c.same) << '"' << c.typed << '"';
    }
}

TEST(Words, TrimAndLowerAsTheyAreMatched) {
    EXPECT_EQ(TrimBlanks(" \t Flow \r\n"), "Flow");
    EXPECT_EQ(TrimBlanks("\r\n"), "");
    EXPECT_EQ(LooseWord(" Keep-Flow\r"), "keep-flow");
    EXPECT_EQ(LooseWord("Ø 250"), "Ø 250");
}

}  // namespace
}  // namespace lorvane
