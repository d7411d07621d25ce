// lorvane-calc without --json: the product's form, filled in and calculated, as text.

#include <algorithm>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Word {
    std::string text;
    std::size_t end;  // the column after its last character
};

// The words that follow the label on the line, with the columns where they end.
std::vector<Word> WordsAfter(const std::string& line, const std::string& label) {
    std::vector<Word> words;
    const std::size_t start = line.find(label);
    if (start == std::string::npos) {
        ADD_FAILURE() << "no \"" << label << "\" in: " << line;
        return words;
    }
    for (std::size_t i = start + label.size(); i < line.size();) {
        const std::size_t first = line.find_first_not_of(' ', i);
        if (first == std::string::npos) {
            break;
        }
        const std::size_t last = std::min(line.find(' ', first), line.size());
        words.push_back({line.substr(first, last - first), last});
        i = last;
    }
    return words;
}

std::vector<std::string> Texts(const std::vector<Word>& words) {
    std::vector<std::string> texts;
    for (const Word& word : words) {
        texts.push_back(word.text);
    }
    return texts;
}

// The first line that holds the label.
std::string LineWith(const std::string& text, const std::string& label) {
    for (const std::string& line : Lines(text)) {
        if (line.find(label) != std::string::npos) {
            return line;
        }
    }
    ADD_FAILURE() << "no line with \"" << label << "\" in\n" << text;
    return {};
}

TEST(CliText, StartValuesShowTheWorkedOperatingPoint) {
    const CalcRun run = RunCalc({"selmon"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // The caption comes first: the attenuator trace never reaches the output.
    EXPECT_THAT(
        run.out,
        StartsWith("Selmon\nSound power level of the constant volume flow controller Selmon\n"));
    EXPECT_THAT(LineWith(run.out, "Vmin [m3/h]:"), EndsWith("   70"));
    EXPECT_THAT(LineWith(run.out, "Vmax [m3/h]:"), EndsWith("  220"));
    EXPECT_THAT(LineWith(run.out, "Velocity [m/s]:"), EndsWith("  3.5"));
    EXPECT_THAT(LineWith(run.out, "Minimum pressure [Pa]:"), EndsWith("   45"));
    EXPECT_THAT(FieldsOf(run.out, "Air-regenerated noise [dB]:"),
                ElementsAre("51", "51", "49", "48", "47", "48", "43", "42"));
    EXPECT_THAT(FieldsOf(run.out, "A-weighted [dB(A)]:"),
                ElementsAre("25", "35", "41", "45", "47", "49", "44", "41", "53"));
    EXPECT_THAT(FieldsOf(run.out, "without insulation [dB]:"),
                ElementsAre("36", "31", "24", "23", "31", "32", "27", "28", "37"));
    EXPECT_THAT(FieldsOf(run.out, "with Insulation thickness 25 mm [dB]:"),
                ElementsAre("36", "30", "22", "22", "23", "21", "12", "15", "28"));
    const std::string insulated50 = LineWith(run.out, "with Insulation thickness 50 mm [dB]:");
    EXPECT_THAT(Texts(WordsAfter(insulated50, "[dB]:")),
                ElementsAre("35", "28", "18", "10", "11", "9", "-0", "3", "18"));
    EXPECT_THAT(insulated50, HasSubstr("  -0 "));
    // Target level 0: the attenuator rows stay empty and end the form.
    const std::vector<std::string> lines = Lines(run.out);
    EXPECT_EQ(lines.back(), "with Insulation thickness 75 mm [dB]:");
}

TEST(CliText, BandColumnsLineUpUnderTheirFrequencies) {
    const CalcRun run = RunCalc({"selmon", "--diameter", "250", "--flow", "800", "--target", "45"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The caption comes first: the trace of the attenuator selection never reaches the output.
    EXPECT_THAT(run.out, StartsWith("Selmon\n"));
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_GE(lines.size(), 3u);

    std::vector<std::size_t> heads;
    for (const Word& word : WordsAfter(LineWith(run.out, "Frequency [Hz]:"), "Frequency [Hz]:")) {
        if (heads.size() < 8) {
            heads.push_back(word.end);
        }
    }
    struct BandRow {
        std::string line;
        std::string label;
        std::size_t firstBand;  // words before the bands: the attenuator's length
    };
    std::vector<BandRow> rows{
        {LineWith(run.out, "A-correction [dB]:"), "A-correction [dB]:", 0},
        {LineWith(run.out, "Air-regenerated noise [dB]:"), "Air-regenerated noise [dB]:", 0},
        {LineWith(run.out, "A-weighted [dB(A)]:"), "A-weighted [dB(A)]:", 0},
        {LineWith(run.out, "without insulation [dB]:"), "without insulation [dB]:", 0},
    };
    // The three rows behind the attenuators follow their heading; notes may come after them.
    const auto heading = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line.starts_with("Air-regenerated noise with attenuator:");
    });
    ASSERT_LE(heading + 4, lines.end());
    for (auto line = heading + 1; line != heading + 4; ++line) {
        rows.push_back({*line, "[dB]:", 1});
    }
    std::vector<std::size_t> summationEnds;
    for (const BandRow& row : rows) {
        const std::vector<Word> words = WordsAfter(row.line, row.label);
        ASSERT_GE(words.size(), row.firstBand + 8) << row.line;
        std::vector<std::size_t> ends;
        for (std::size_t k = 0; k < 8; ++k) {
            ends.push_back(words[row.firstBand + k].end);
        }
        EXPECT_EQ(ends, heads) << row.line;
        if (words.size() > row.firstBand + 8) {
            summationEnds.push_back(words[row.firstBand + 8].end);
        }
    }
    ASSERT_EQ(summationEnds.size(), 5u);
    for (std::size_t end : summationEnds) {
        EXPECT_EQ(end, summationEnds.front());
    }
    EXPECT_THAT(Texts(WordsAfter(lines[lines.size() - 3], "[dB]:")).front(), EndsWith("m"));
}

}  // namespace
}  // namespace lorvane::cli::test
