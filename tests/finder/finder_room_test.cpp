// A search with a room: each candidate's room is the one its single call gives, and a candidate
// meets the target when its room does, as it is or with the attenuator chosen for the room.

#include <gtest/gtest.h>

#include <string>

#include "finder/candidate_columns.h"
#include "finder/duty_point.h"
#include "finder/finder.h"
#include "schedule/call.h"
#include "schedule/record_json.h"

namespace lorvane::finder {
namespace {

const FinderTexts kOffice = {
    {"flow", "1000"},
    {"dp", "250"},
    {"path", "duct d250 6; elbow d250 round; duct d250 2 lined 50; branch 0.5; outlet d200 flush"},
    {"room", "6x5x3"},
    {"room-target", "NR 30"},
};

TEST(FinderRoom, EachCandidatesRoomIsThatOfItsSingleCall) {
    const DutyPointReading reading = ReadDutyPoint(kOffice);
    ASSERT_TRUE(reading.dutyPoint) << reading.refusal->message;
    const std::vector<Candidate> candidates = FindCandidates(*reading.dutyPoint);
    ASSERT_GT(candidates.size(), 20u);
    bool someMiss = false;
    bool someNeedAnAttenuator = false;
    for (const Candidate& candidate : candidates) {
        SCOPED_TRACE(std::string(candidate.product) + " " + CandidateJson(candidate).dump());
        schedule::Call call{.product = FindProductByWord(candidate.product)};
        call.given = FormTexts(candidate, *reading.dutyPoint);
        for (const char* option : {"path", "room", "room-target"}) {
            call.given[option] = kOffice.at(option);
        }
        const schedule::Json single = schedule::RecordJson(schedule::EvaluateCall(call).record);
        const schedule::Json& room = single.at("room");
        ASSERT_TRUE(candidate.room);
        EXPECT_EQ(candidate.room->rating.summationLevel, room["summationLevel"].get<double>());
        EXPECT_EQ(candidate.room->rating.nr, room["nr"].get<double>());
        EXPECT_EQ(candidate.room->rating.nc, room["nc"].get<double>());
        const bool reached = room["targetReached"].get<bool>();
        const bool attenuated = room.contains("attenuator") && room["attenuator"].is_object();
        EXPECT_EQ(candidate.meetsTarget, reached || attenuated);
        EXPECT_EQ(candidate.room->attenuator.has_value(), attenuated);
        if (attenuated) {
            EXPECT_EQ(candidate.room->attenuator->length, room["attenuator"]["length"]);
            EXPECT_EQ(candidate.room->attenuator->thickness, room["attenuator"]["thickness"]);
        }
        someMiss = someMiss || !candidate.meetsTarget;
        someNeedAnAttenuator = someNeedAnAttenuator || attenuated;
    }
    // The office tells rooms apart: some need an attenuator, some rectangular ones cannot have
    // one and miss the target; those that meet it come first.
    EXPECT_TRUE(someMiss);
    EXPECT_TRUE(someNeedAnAttenuator);
    EXPECT_FALSE(candidates.back().meetsTarget);
    EXPECT_TRUE(candidates.front().meetsTarget);
}

TEST(FinderRoom, ARoomTheModelsRefuseRefusesTheSearch) {
    FinderTexts texts = kOffice;
    texts["room"] = "2x2x2";
    texts["reverberation"] = "0.05";
    const DutyPointReading reading = ReadDutyPoint(texts);
    ASSERT_TRUE(reading.refusal);
    EXPECT_EQ(reading.refusal->message,
              "The reverberation time is too short for this room: its mean absorption would be 1 "
              "or more.");
    texts.erase("room");
    EXPECT_EQ(ReadDutyPoint(texts).refusal->input, "room");
}

TEST(FinderRoom, WithoutARoomTheRoomColumnsStayOut) {
    const DutyPointReading reading = ReadDutyPoint({{"flow", "1000"}, {"dp", "250"}});
    const std::vector<Candidate> candidates = FindCandidates(*reading.dutyPoint);
    ASSERT_FALSE(candidates.empty());
    EXPECT_FALSE(CandidateJson(candidates.front()).contains("roomNr"));
    for (const CandidateColumn& column : CandidateColumns()) {
        EXPECT_EQ(Shows(column, *reading.dutyPoint), !column.ofTheRoom) << column.name;
    }
}

}  // namespace
}  // namespace lorvane::finder
