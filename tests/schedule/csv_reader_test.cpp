// Reading schedules as spreadsheets write them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "schedule/csv.h"

namespace lorvane::schedule {
namespace {

using Records = std::vector<std::vector<std::string>>;

struct Case {
    const char* name;
    std::string text;
    Records records;
    char separator = ',';
};

void PrintTo(const Case& c, std::ostream* out) {
    *out << c.name;
}

Records Read(const std::string& text, char* separator = nullptr,
             std::vector<bool>* unterminated = nullptr) {
    std::istringstream in(text);
    CsvReader reader(in);
    Records records;
    for (std::vector<std::string> fields; reader.Next(fields);) {
        records.push_back(fields);
        if (unterminated != nullptr) {
            unterminated->push_back(reader.Unterminated());
        }
    }
    if (separator != nullptr) {
        *separator = reader.Separator();
    }
    return records;
}

class CsvReading : public testing::TestWithParam<Case> {};

TEST_P(CsvReading, GivesTheRecordsAndSeparator) {
    char separator = 0;
    EXPECT_EQ(Read(GetParam().text, &separator), GetParam().records);
    EXPECT_EQ(separator, GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(
    Files, CsvReading,
    testing::Values(
        Case{"Plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
        Case{"NoFinalLineEnd", "a,b\n1,2", {{"a", "b"}, {"1", "2"}}},
        Case{"CrLf", "a,b\r\n1,2\r\n", {{"a", "b"}, {"1", "2"}}},
        Case{"ByteOrderMark", "\xEF\xBB\xBFproduct,b\n", {{"product", "b"}}},
        Case{"QuotedSeparatorQuoteAndLineBreak",
             "a,b\n\"x, y\",\"say \"\"hi\"\"\"\n\"two\r\nlines\",z\n",
             {{"a", "b"}, {"x, y", "say \"hi\""}, {"two\r\nlines", "z"}}},
        Case{"EmptyFields", "a,b,c\n,,\n", {{"a", "b", "c"}, {"", "", ""}}},
        Case{"EmptyLine", "a\n\nb\n", {{"a"}, {""}, {"b"}}},
        Case{"QuoteInsideUnquotedField", "a,b\n5\"x,y\n", {{"a", "b"}, {"5\"x", "y"}}},
        Case{"Semicolons", "a;b;c\n1,5;2;3\n", {{"a", "b", "c"}, {"1,5", "2", "3"}}, ';'},
        Case{"SemicolonsInQuotesCountNot", "\"a;b;c\",d\n", {{"a;b;c", "d"}}},
        Case{"DoubledQuoteKeepsTheQuotes", "\"a\"\";b;c\",d\n", {{"a\";b;c", "d"}}},
        // A quote inside a field is a character: it opens no quotes for the count either.
        Case{"QuoteInsideFieldOpensNoQuotes", "x;dia\";3;4,5\n", {{"x", "dia\"", "3", "4,5"}}, ';'},
        Case{"QuotedSeparatorAfterMark", "\xEF\xBB\xBF\"a\";b\r\n", {{"a", "b"}}, ';'},
        Case{"Empty", "", {}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(CsvReading, AQuoteLeftOpenIsTold) {
    std::vector<bool> unterminated;
    EXPECT_EQ(Read("a,b\n\"open,1\n", nullptr, &unterminated), (Records{{"a", "b"}, {"open,1\n"}}));
    EXPECT_THAT(unterminated, testing::ElementsAre(false, true));
}

TEST(CsvReading, AHeaderLongerThanTheBufferIsReadWhole) {
    std::string header;
    for (int i = 0; i < 20000; ++i) {
        header += "column" + std::to_string(i) + ";";
    }
    const Records records = Read(header + "\nx\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].size(), 20001u);
    EXPECT_EQ(records[0][19999], "column19999");
}

TEST(CsvWriting, QuotesOnlyWhatNeedsIt) {
    std::string line;
    for (const char* field : {"plain", "a,b", "say \"hi\"", "two\nlines", "a;b", "1.5"}) {
        AppendCsvField(line, field, ',');
        line += '|';
    }
    EXPECT_EQ(line, "plain|\"a,b\"|\"say \"\"hi\"\"\"|\"two\nlines\"|\"a;b\"|1.5|");
    std::string semicolon;
    AppendCsvField(semicolon, "a;b", ';');
    semicolon += ';';
    AppendCsvField(semicolon, "1,5", ';');
    EXPECT_EQ(semicolon, "\"a;b\";\"1,5\"");
}

// Names holding the other separator must not make a written header read back as separated by
// it: "tag;room;floor;zone" in a comma file stays one column.
TEST(CsvWriting, AHeaderReadsBackWithItsSeparator) {
    for (const char separator : {',', ';'}) {
        SCOPED_TRACE(separator);
        const std::string other = separator == ',' ? ";" : ",";
        const std::vector<std::string> names{
            "tag" + other + "room" + other + "floor" + other + "zone", "product", "dp"};
        std::string line;
        for (const std::string& name : names) {
            AppendCsvField(line, name, separator);
            line += separator;
        }
        line.back() = '\n';
        std::istringstream in(line);
        CsvReader reader(in);
        std::vector<std::string> fields;
        ASSERT_TRUE(reader.Next(fields));
        EXPECT_EQ(reader.Separator(), separator);
        EXPECT_EQ(fields, names);
    }
}

}  // namespace
}  // namespace lorvane::schedule
