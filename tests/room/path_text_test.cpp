#include <ostream>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "room/path_text.h"

namespace lorvane::room {
namespace {

Path Read(const std::string& text) {
    auto read = ReadPath(text);
    if (const std::string* fault = std::get_if<std::string>(&read)) {
        ADD_FAILURE() << '"' << text << "\" refused: " << *fault;
        return {};
    }
    return std::get<Path>(read);
}

std::string Fault(const std::string& text) {
    auto read = ReadPath(text);
    if (!std::holds_alternative<std::string>(read)) {
        return "(read: " + WritePath(std::get<Path>(read)) + ")";
    }
    return std::get<std::string>(read);
}

TEST(ReadPath, ReadsEachKindOfElement) {
    const Path path = Read(
        "duct 400x200 5; elbow 400x200 square; duct d250 3 lined 25; branch 0.5; "
        "outlet d200 flush");
    const Path expected{
        DuctRun{Section::Rectangular(400, 200), 5, std::nullopt},
        Elbow{Section::Rectangular(400, 200), Bend::Square, false, false},
        DuctRun{Section::Round(250), 3, 25},
        Branch{0.5},
        Outlet{Section::Round(200), OutletMount::Flush},
    };
    EXPECT_EQ(path, expected);
}

TEST(ReadPath, ReadsWordsInAnyCaseNumbersWithACommaAndAnyBlanks) {
    EXPECT_EQ(
        Read("  DUCT 400X200 2,5\tLined 25 ;Elbow D250 ROUND lined VANES;OUTLET 300x150 Free"),
        (Path{DuctRun{Section::Rectangular(400, 200), 2.5, 25},
              Elbow{Section::Round(250), Bend::Round, true, true},
              Outlet{Section::Rectangular(300, 150), OutletMount::Free}}));
}

TEST(ReadPath, ABlankTextIsAPathWithoutElements) {
    EXPECT_EQ(Read(""), Path{});
    EXPECT_EQ(Read(" \t "), Path{});
}

TEST(ReadPath, TakesTheEdgesOfTheValidValues) {
    EXPECT_EQ(Read("duct 400x200 0; branch 1"),
              (Path{DuctRun{Section::Rectangular(400, 200), 0, std::nullopt}, Branch{1}}));
}

struct FaultCase {
    std::string text;
    std::string fault;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class PathFaultTest : public testing::TestWithParam<FaultCase> {};

TEST_P(PathFaultTest, NamesTheElementByItsPlaceAndWhatIsWrong) {
    EXPECT_EQ(Fault(GetParam().text), GetParam().fault);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Grammar, PathFaultTest,
    testing::Values(
        FaultCase{"duct 400x200 5; elbw 400x200 square",
                  "Path element 2: unknown element 'elbw'"},
        FaultCase{"duct 400x200 5;; branch 0.5", "Path element 2: empty element"},
        FaultCase{"duct 400x200 5;", "Path element 2: empty element"},
        FaultCase{";", "Path element 1: empty element"},
        FaultCase{"duct", "Path element 1: a duct needs a size, WxH or dD in mm"},
        FaultCase{"branch 1; duct 400x200", "Path element 2: a duct needs a length in m"},
        FaultCase{"duct 400x 5", "Path element 1: '400x' is not a size, WxH or dD in mm"},
        FaultCase{"duct 400*200 5", "Path element 1: '400*200' is not a size, WxH or dD in mm"},
        FaultCase{"duct 250 5", "Path element 1: '250' is not a size, WxH or dD in mm"},
        FaultCase{"duct d 5", "Path element 1: 'd' is not a size, WxH or dD in mm"},
        FaultCase{"duct 400x200x100 5",
                  "Path element 1: '400x200x100' is not a size, WxH or dD in mm"},
        FaultCase{"duct 0x200 5", "Path element 1: a size must be above 0 mm"},
        FaultCase{"duct d-250 5", "Path element 1: a size must be above 0 mm"},
        FaultCase{"duct 400x200 5m", "Path element 1: '5m' is not a length in m"},
        FaultCase{"duct 400x200 1,234.5", "Path element 1: '1,234.5' is not a length in m"},
        FaultCase{"duct 400x200 1e3", "Path element 1: '1e3' is not a length in m"},
        FaultCase{"duct 400x200 -1", "Path element 1: a length must be 0 m or more"},
        FaultCase{"duct 400x200 5 lined", "Path element 1: 'lined' needs a thickness in mm"},
        FaultCase{"duct 400x200 5 lined 25mm", "Path element 1: '25mm' is not a thickness in mm"},
        FaultCase{"duct 400x200 5 lined 0", "Path element 1: a lining must be above 0 mm"},
        FaultCase{"duct 400x200 5 unlined", "Path element 1: 'unlined' does not belong to a duct"},
        FaultCase{"duct 400x200 5 lined 25 lined 25",
                  "Path element 1: 'lined' does not belong to a duct"},
        FaultCase{"elbow 400x200", "Path element 1: an elbow needs 'square' or 'round'"},
        FaultCase{"elbow 400x200 mitred",
                  "Path element 1: an elbow is 'square' or 'round', not 'mitred'"},
        FaultCase{"elbow 400x200 vanes square",
                  "Path element 1: an elbow is 'square' or 'round', not 'vanes'"},
        FaultCase{"elbow 400x200 square vanes Vanes", "Path element 1: 'Vanes' is given twice"},
        FaultCase{"elbow 400x200 round lined lined", "Path element 1: 'lined' is given twice"},
        FaultCase{"elbow 400x200 square round",
                  "Path element 1: 'round' does not belong to an elbow"},
        FaultCase{"branch",
                  "Path element 1: a branch needs its share of the sound power, above 0 and at "
                  "most 1"},
        FaultCase{"branch half", "Path element 1: 'half' is not a share"},
        FaultCase{"branch 0", "Path element 1: a branch's share must be above 0 and at most 1"},
        FaultCase{"branch 1.01", "Path element 1: a branch's share must be above 0 and at most 1"},
        FaultCase{"branch 0.5 0.5", "Path element 1: '0.5' does not belong to a branch"},
        FaultCase{"outlet d200", "Path element 1: an outlet needs 'flush' or 'free'"},
        FaultCase{"outlet d200 wall", "Path element 1: an outlet is 'flush' or 'free', not 'wall'"},
        FaultCase{"outlet d200 free flush", "Path element 1: 'flush' does not belong to an outlet"},
        FaultCase{"duct 400x200 5; elbow 400x200 square; branch 0.5; outlet d200 flushed",
                  "Path element 4: an outlet is 'flush' or 'free', not 'flushed'"},
        FaultCase{"duct " + std::string(60, '9') + "x",
                  "Path element 1: '" + std::string(40, '9') +
                      "...' is not a size, WxH or dD in mm"}));
// clang-format on

TEST(ReadPath, CutsALongWordItQuotesOutsideAnyUtf8Character) {
    // 39 letters and then "ä" (two bytes): the cut at 40 bytes would split it.
    const std::string word = std::string(39, 'a') + "\xC3\xA4" + "bc";
    EXPECT_EQ(Fault(word), "Path element 1: unknown element '" + std::string(39, 'a') + "...'");
}

TEST(WritePath, WritesTheCanonicalText) {
    const Path path{
        DuctRun{Section::Rectangular(400, 200), 2.5, 25},
        Elbow{Section::Round(250), Bend::Round, true, true},
        Branch{0.1},
        Outlet{Section::Rectangular(812.5, 0.001), OutletMount::Free},
        DuctRun{Section::Round(1e22), 0, std::nullopt},
    };
    EXPECT_EQ(WritePath(path),
              "duct 400x200 2.5 lined 25; elbow d250 round vanes lined; branch 0.1; "
              "outlet 812.5x0.001 free; duct d10000000000000000000000 0");
    EXPECT_EQ(WritePath({}), "");
}

class PathRoundTripTest : public testing::TestWithParam<std::string> {};

TEST_P(PathRoundTripTest, WhatIsWrittenReadsBackAsTheSamePath) {
    const Path path = Read(GetParam());
    const std::string text = WritePath(path);
    EXPECT_EQ(Read(text), path) << text;
    EXPECT_EQ(WritePath(Read(text)), text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PathRoundTripTest,
    testing::Values("duct 400x200 5; elbow 400x200 square; duct d250 3 lined 25; branch 0.5; "
                    "outlet d200 flush",
                    "ELBOW 400X200 SQUARE LINED VANES; duct d250,5 0,1",
                    "branch 0.3333333333333333; branch ,1; duct 1x1 -0",
                    "duct 0.000001x123456789012345678901234567890 0.1 lined 25.0000000001", ""));

}  // namespace
}  // namespace lorvane::room
