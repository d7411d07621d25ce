// lorvane-calc's room options: the way from a product into a room, its levels and ratings, in
// text and in JSON, and the sentences of what cannot be read or evaluated.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/calc_process.h"
#include "tests/cli/cli_output.h"

namespace lorvane::cli::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

struct BadRoom {
    std::vector<std::string> arguments;
    std::string message;
};

// clang-format off
const BadRoom kBadRooms[] = {
    {{"selmon", "--room", "6x5x3", "--path", "duct d100 2; elbw d100"}, "Path element 2: unknown element 'elbw'"},
    {{"selmon", "--room", "6x5x3", "--path", "duct d100 2;; branch 0.5"}, "Path element 2: empty element"},
    {{"selmon", "--room", "6x5x3", "--path", "branch 1.5"}, "Path element 1: a branch's share must be above 0 and at most 1"},
    {{"selmon", "--path", "branch 0.5"}, "The way into the room needs the room: give its size as length x width x height in m (room), such as 6x5x3."},
    {{"selmon", "--room", "6x5"}, "The room must be given as length x width x height in m, such as 6x5x3, not '6x5'."},
    {{"selmon", "--room", "6x5x0"}, "The room's length, width and height must each be above 0 m."},
    {{"selmon", "--room", "2x2x2", "--reverberation", "0.05"}, "The reverberation time is too short for this room: its mean absorption would be 1 or more."},
    {{"selmon", "--room", "6x5x3", "--reverberation", "0.6 0.6 0.6 0.6 0.01 0.6 0.6 0.6"}, "The reverberation time at 1000 Hz is too short for this room: its mean absorption would be 1 or more."},
    {{"selmon", "--room", "6x5x3", "--reverberation", "0.6 0.5"}, "The reverberation time must be one value in s or eight separated by blanks, not '0.6 0.5'."},
    {{"selmon", "--room", "6x5x3", "--distance", "0"}, "The distance from the outlet must be above 0 m."},
    {{"selmon", "--room", "6x5x3", "--directivity", "two"}, "The directivity Q must be a number, not 'two'."},
    {{"selmon", "--room", "6x5x3", "--room-model", "free"}, "The room model must be diffuse or schultz, not 'free'."},
    {{"selmon", "--room", "6x5x3", "--casing", "wall"}, "The casing's way into the room must be none or room, not 'wall'."},
    {{"selmon", "--room", "6x5x3", "--ceiling-loss", "10 20"}, "The ceiling's insertion loss must be eight values in dB separated by blanks, not '10 20'."},
    {{"selmon", "--room", "6x5x3", "--room-target", "NX 30"}, "The room target 'NX 30' is not understood: give a level in dB(A) such as 35, or NR 30 or NC 30."},
    {{"louvre", "--room", "6x5x3"}, "The louvre sends no sound along a duct into a room: it takes no room options."},
    {{"attenuator", "--path", "branch 0.5"}, "The attenuator sends no sound along a duct into a room: it takes no room options."},
};
// clang-format on

TEST(RoomCli, WhatCannotBeReadOrEvaluatedIsRefusedWithItsSentence) {
    for (const BadRoom& bad : kBadRooms) {
        SCOPED_TRACE(testing::PrintToString(bad.arguments));
        const CalcRun text = RunCalc(bad.arguments);
        EXPECT_EQ(text.status, 1);
        EXPECT_EQ(text.err, bad.message + "\n");
        EXPECT_THAT(text.out, Not(HasSubstr("\nRoom\n")));

        std::vector<std::string> json = bad.arguments;
        json.push_back("--json");
        const Json object = RunJson(json, 1);
        EXPECT_EQ(object["error"], bad.message);
        EXPECT_FALSE(object.contains("room"));
    }
}

TEST(RoomCli, JsonCarriesTheRoomUnderItsKeys) {
    const Json json = RunJson({"selmon", "--diameter", "250", "--flow", "1000", "--path",
                               "duct d250 2 lined 50; outlet d200 flush", "--room", "6x5x3",
                               "--room-target", "NR 30", "--json"});
    const Json& room = json["room"];
    EXPECT_THAT(Keys(room),
                UnorderedElementsAre("path", "powerAtRoom", "levels", "summationLevel", "nc", "nr",
                                     "targetReached", "attenuator", "notes"));
    ASSERT_EQ(room["path"].size(), 2u);
    EXPECT_THAT(Keys(room["path"][1]), UnorderedElementsAre("element", "attenuation"));
    EXPECT_EQ(room["path"][1]["element"], "outlet d200 flush");
    EXPECT_EQ(room["levels"].size(), 8u);
    EXPECT_EQ(room["targetReached"], false);
    EXPECT_THAT(Keys(room["attenuator"]), UnorderedElementsAre("thickness", "length", "levels",
                                                               "summationLevel", "nc", "nr"));
    EXPECT_EQ(json["inputs"]["room"], "6x5x3");
    EXPECT_EQ(json["inputs"]["room-target"], "NR 30");

    // Without a target, neither whether it is reached nor an attenuator.
    const Json plain = RunJson({"damper", "--room", "6x5x3", "--json"});
    EXPECT_THAT(Keys(plain["room"]), UnorderedElementsAre("path", "powerAtRoom", "levels",
                                                          "summationLevel", "nc", "nr", "notes"));
    EXPECT_EQ(plain["room"]["path"], Json::array());
}

TEST(RoomCli, TextGainsARoomBlockInTheFormsColumns) {
    const CalcRun run = RunCalc({"selmon", "--diameter", "250", "--flow", "1000", "--path",
                                 "branch 0.5", "--room", "6x5x3", "--room-target", "NC 5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string block = run.out.substr(run.out.find("\nRoom\n"));
    EXPECT_THAT(FieldsOf(block, "Path element 1 attenuation [dB]"),
                ElementsAre("3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0", "3.0"));
    EXPECT_EQ(FieldsOf(block, "Sound pressure at the listener [dB]").size(), 10u);  // and dB(A)
    EXPECT_THAT(FieldsOf(block, "Room target reached"), ElementsAre("no"));
    EXPECT_THAT(block, HasSubstr("No attenuator of the table makes the room meet NC 5."));
    EXPECT_THAT(RunCalc({"selmon", "--help"}).out, HasSubstr("--room LxWxH"));
    EXPECT_THAT(RunCalc({"louvre", "--help"}).out, Not(HasSubstr("--room")));
}

}  // namespace
}  // namespace lorvane::cli::test
