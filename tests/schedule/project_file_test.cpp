// Project files: what is saved reads back as it was; what cannot be read is refused whole.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "schedule/project.h"

namespace lorvane::schedule {
namespace {

using ::testing::HasSubstr;

Project Sample() {
    return Project{{
        {"V-101", "selmon", {{"diameter", "250"}, {"flow", "1000"}, {"dp", "250 Pa"}}},
        {"R-2 \"north\"", "basko", {{"width", "400"}, {"keep-flow", "yes"}}},
        {"", "damper", {{"linkage", "same"}, {"flow", "abc"}}},
        {"V-102",
         "mirolt",
         {{"diameter", "200"},
          {"flow", "500"},
          {"path", "Duct d200 2,5 ; outlet D200 flush"},
          {"room", "6x5x3"},
          {"reverberation", "0,6"},
          {"room-target", "nr30"}}},
    }};
}

TEST(ProjectFile, ReadsBackWhatWasWritten) {
    const auto read = ReadProjectFile(ProjectFileText(Sample()));
    ASSERT_TRUE(std::holds_alternative<Project>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<Project>(read), Sample());
}

TEST(ProjectFile, KeepsInputsAsTypedAndNoResults) {
    const std::string text = ProjectFileText(Sample());
    EXPECT_THAT(text, HasSubstr("\"version\": 1"));
    EXPECT_THAT(text, HasSubstr("\"dp\": \"250 Pa\""));
    EXPECT_THAT(text, testing::Not(HasSubstr("velocity")));
}

// A tag imported from a CSV in a Windows code page is saved, its bad byte replaced.
TEST(ProjectFile, SavesTextsThatAreNotUtf8) {
    const Project latin1{{{"B\xFCro", "selmon", {{"flow", "100"}}}}};
    const auto read = ReadProjectFile(ProjectFileText(latin1));
    ASSERT_TRUE(std::holds_alternative<Project>(read));
    EXPECT_EQ(std::get<Project>(read).positions[0].tag, "B\uFFFDro");
}

struct Unreadable {
    const char* name;
    std::string text;
    const char* message;
};

void PrintTo(const Unreadable& u, std::ostream* out) {
    *out << u.name;
}

class UnreadableFile : public testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableFile, IsRefusedWithItsReason) {
    const auto read = ReadProjectFile(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_THAT(std::get<std::string>(read), HasSubstr(GetParam().message));
}

const std::string kWhole = ProjectFileText(Sample());

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadableFile,
    testing::Values(
        Unreadable{"CutInHalf", kWhole.substr(0, kWhole.size() / 2), "not complete JSON"},
        Unreadable{"Empty", "", "not complete JSON"},
        Unreadable{"OtherJson", "{\"positions\": []}", "does not say it is one"},
        Unreadable{"FormatNotAText", "{\"format\": [\"lorvane-project\"], \"version\": 1}",
                   "does not say it is one"},
        Unreadable{"NotAnObject", "[\"lorvane-project\", 1]", "does not say it is one"},
        Unreadable{"NewerVersion",
                   "{\"format\": \"lorvane-project\", \"version\": 2, \"positions\": []}",
                   "saved by a newer version of Lorvane (file version 2)"},
        Unreadable{"PositionWithoutProduct",
                   "{\"format\": \"lorvane-project\", \"version\": 1, \"positions\": [{}]}",
                   "positions are not as a project keeps them"},
        Unreadable{"NumberAsInput",
                   "{\"format\": \"lorvane-project\", \"version\": 1, \"positions\": "
                   "[{\"product\": \"selmon\", \"inputs\": {\"flow\": 100}}]}",
                   "positions are not as a project keeps them"}),
    [](const auto& u) { return std::string(u.param.name); });

TEST(Positions, CalculateToTheirStatus) {
    const Project project = Sample();
    const PositionResult selmon = CalculatePosition(project.positions[0]);
    EXPECT_EQ(selmon.status, PositionStatus::Ok);
    ASSERT_TRUE(selmon.record);
    EXPECT_TRUE(selmon.record->NumberAt("velocity"));
    const PositionResult damper = CalculatePosition(project.positions[2]);
    EXPECT_EQ(damper.status, PositionStatus::Refused);
    EXPECT_FALSE(damper.message.empty());
    const PositionResult room = CalculatePosition(project.positions[3]);
    EXPECT_EQ(room.status, PositionStatus::Ok) << room.message;
    ASSERT_TRUE(room.record);
    EXPECT_TRUE(room.record->NumberAt("room.nr"));
    const PositionResult unknown = CalculatePosition({"X", "sprinkler", {}});
    EXPECT_EQ(unknown.status, PositionStatus::Invalid);
    EXPECT_EQ(unknown.message, "unknown product 'sprinkler'");
    EXPECT_FALSE(unknown.record);
}

TEST(ScheduleCsv, PositionsGoThroughTheCsvUnchanged) {
    std::istringstream in(ScheduleCsv(Sample().positions));
    const auto read = ReadScheduleCsv(in);
    ASSERT_TRUE(std::holds_alternative<std::vector<Position>>(read));
    EXPECT_EQ(std::get<std::vector<Position>>(read), Sample().positions);
}

TEST(ScheduleCsv, AFileWithoutProductColumnIsRefused) {
    std::istringstream in("tag,flow\nA,100\n");
    const auto read = ReadScheduleCsv(in);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_THAT(std::get<std::string>(read), HasSubstr("no product column"));
}

}  // namespace
}  // namespace lorvane::schedule
