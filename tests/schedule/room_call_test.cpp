// The room a product's sound reaches, as every output reads it from the one evaluation of a call.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "schedule/call.h"
#include "schedule/record_json.h"
#include "schedule/room_call.h"

namespace lorvane::schedule {
namespace {

Evaluation Evaluated(std::string_view word, std::map<std::string, std::string> given) {
    return EvaluateCall(Call{.product = FindProductByWord(word), .given = std::move(given)});
}

std::vector<double> Numbers(const Json& array) {
    return array.get<std::vector<double>>();
}

// Through an empty path the room receives the product's own duct-borne row, unchanged: each
// product names the row it sends, and the room adds its own gain to it in every band.
TEST(RoomCall, EveryProductWithADuctBorneRowSendsItIntoTheRoom) {
    for (const char* word : {"selmon", "tolmar", "daxel", "mirolt", "basko", "quenta", "damper"}) {
        SCOPED_TRACE(word);
        std::map<std::string, std::string> given = {{"room", "6x5x3"}};
        if (word == std::string("basko")) {  // its start values ask to correct the volume flow
            given.insert({{"width", "300"}, {"height", "200"}, {"flow", "800"}});
        }
        const Evaluation evaluation = Evaluated(word, given);
        ASSERT_FALSE(evaluation.record.Refused());
        const Json json = RecordJson(evaluation.record);
        EXPECT_EQ(json["room"]["powerAtRoom"], json["octave"]);
        EXPECT_EQ(json["room"]["path"], Json::array());
        EXPECT_EQ(json["room"]["notes"], Json::array());
        const std::vector<double> source = Numbers(json["octave"]);
        const std::vector<double> levels = Numbers(json["room"]["levels"]);
        ASSERT_EQ(levels.size(), 8u);
        // Diffuse field of 6 x 5 x 3 m, T = 0.6 s, r = 1.5 m, Q = 2: one gain for all bands.
        const double gain = levels[0] - source[0];
        EXPECT_NEAR(gain, -6.8905, 1e-4);
        for (std::size_t k = 0; k < 8; ++k) {
            EXPECT_NEAR(levels[k] - source[k], gain, 1e-9);
        }
        EXPECT_FALSE(json["room"].contains("targetReached"));
        EXPECT_FALSE(json["room"].contains("attenuator"));
    }
}

TEST(RoomCall, TheCasingReachesTheRoomWhereTheProductHasOne) {
    const std::map<std::string, std::map<std::string, std::string>> products = {
        {"selmon", {{"diameter", "250"}, {"flow", "1000"}, {"room", "6x5x3"}}},
        {"basko", {{"width", "300"}, {"height", "200"}, {"flow", "800"}, {"room", "6x5x3"}}}};
    for (const auto& [word, given] : products) {
        SCOPED_TRACE(word);
        std::map<std::string, std::string> casing = given;
        casing["casing"] = "room";
        const Json bare = RecordJson(Evaluated(word, given).record);
        const Json withCasing = RecordJson(Evaluated(word, casing).record);
        EXPECT_GT(withCasing["room"]["summationLevel"].get<double>(),
                  bare["room"]["summationLevel"].get<double>() + 0.1);
        casing["ceiling-loss"] = "90 90 90 90 90 90 90 90";
        EXPECT_NEAR(RecordJson(Evaluated(word, casing).record)["room"]["summationLevel"],
                    bare["room"]["summationLevel"].get<double>(), 1e-6);
    }

    const Json damper =
        RecordJson(Evaluated("damper", {{"room", "6x5x3"}, {"casing", "room"}}).record);
    EXPECT_EQ(damper["room"]["levels"],
              RecordJson(Evaluated("damper", {{"room", "6x5x3"}}).record)["room"]["levels"]);
    ASSERT_EQ(damper["room"]["notes"].size(), 1u);
    EXPECT_EQ(damper["room"]["notes"][0],
              "The product has no casing sound power: only its duct-borne sound reaches the room.");
}

// Only a circular controller at a diameter of the attenuator table is offered an attenuator.
TEST(RoomCall, AnAttenuatorIsChosenOnlyWhereTheProductHasAttenuatorData) {
    const std::map<std::string, std::string> loud = {
        {"flow", "1000"}, {"dp", "250"}, {"room", "6x5x3"}, {"room-target", "NR 30"}};
    std::map<std::string, std::string> selmon = loud;
    selmon["diameter"] = "250";
    const Json found = RecordJson(Evaluated("selmon", selmon).record);
    EXPECT_EQ(found["room"]["targetReached"], false);
    ASSERT_TRUE(found["room"]["attenuator"].is_object());
    EXPECT_LE(std::round(found["room"]["attenuator"]["nr"].get<double>()), 30);
    EXPECT_EQ(found["room"]["attenuator"]["levels"].size(), 8u);

    std::map<std::string, std::string> hopeless = selmon;
    hopeless["room-target"] = "NR 0";
    const Json none = RecordJson(Evaluated("selmon", hopeless).record);
    EXPECT_TRUE(none["room"]["attenuator"].is_null());
    EXPECT_EQ(none["room"]["notes"].back(), "No attenuator of the table makes the room meet NR 0.");

    std::map<std::string, std::string> basko = loud;
    basko["width"] = "300";
    basko["height"] = "200";
    basko["flow"] = "800";
    basko["room-target"] = "NR 0";
    const Json rectangular = RecordJson(Evaluated("basko", basko).record);
    ASSERT_FALSE(rectangular.contains("error")) << rectangular.dump();
    EXPECT_EQ(rectangular["room"]["targetReached"], false);
    EXPECT_FALSE(rectangular["room"].contains("attenuator"));
}

TEST(RoomCall, ThePathIsAnArrayOfItsElementsAndWhatEachTakesOff) {
    const Json json = RecordJson(
        Evaluated("selmon", {{"room", "6x5x3"}, {"path", "Duct D100 2; branch 0,5"}}).record);
    const Json& path = json["room"]["path"];
    ASSERT_EQ(path.size(), 2u);
    EXPECT_EQ(path[0]["element"], "duct d100 2");
    EXPECT_EQ(path[1]["element"], "branch 0.5");
    EXPECT_NEAR(path[1]["attenuation"][0].get<double>(), 10 * std::log10(2.0), 1e-12);
    const std::vector<double> source = Numbers(json["octave"]);
    const std::vector<double> atRoom = Numbers(json["room"]["powerAtRoom"]);
    for (std::size_t k = 0; k < 8; ++k) {
        EXPECT_NEAR(atRoom[k],
                    source[k] - path[0]["attenuation"][k].get<double>() -
                        path[1]["attenuation"][k].get<double>(),
                    1e-9);
    }
}

// A room that cannot be evaluated is a refusal with its sentence, and no room numbers at all.
TEST(RoomCall, RefusalsSayWhyAndShowNoRoom) {
    struct Case {
        const char* word;
        std::map<std::string, std::string> given;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"louvre",
         {{"room", "6x5x3"}},
         "The louvre sends no sound along a duct into a room: it takes no room options."},
        {"selmon",
         {{"path", "branch 0.5"}},
         "The way into the room needs the room: give its size as length x width x height in m "
         "(room), such as 6x5x3."},
        {"selmon",
         {{"room", "6x5x3"}, {"path", "duct d100 2;; branch 0.5"}},
         "Path element 2: empty element"},
        {"selmon",
         {{"room", "6x5"}},
         "The room must be given as length x width x height in m, such as 6x5x3, not '6x5'."},
        {"selmon",
         {{"room", "6x5x3"}, {"reverberation", "0.6 0.5"}},
         "The reverberation time must be one value in s or eight separated by blanks, not "
         "'0.6 0.5'."},
        {"selmon",
         {{"room", "6x5x3"}, {"room-model", "free"}},
         "The room model must be diffuse or schultz, not 'free'."},
        {"selmon", {{"room", "6x5x3"}, {"room-target", "loud"}}, nullptr},
        {"selmon", {{"room", "2x2x2"}, {"reverberation", "0.01"}}, nullptr},
        {"selmon",
         {{"room", "6x0x3"}},
         "The room's length, width and height must each be above 0 m."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word + std::string(" ") + Json(c.given).dump());
        const forms::ResultRecord record = Evaluated(c.word, c.given).record;
        ASSERT_TRUE(record.Refused());
        if (c.message != nullptr) {
            EXPECT_EQ(record.Refused()->message.substr(0, std::string(c.message).size()),
                      c.message);
        }
        EXPECT_FALSE(RecordJson(record).contains("room"));
    }
}

}  // namespace
}  // namespace lorvane::schedule
