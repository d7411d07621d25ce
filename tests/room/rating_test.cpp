#include <cmath>
#include <ostream>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "room/noise_rating.h"
#include "room/room_rating.h"
#include "room/room_target.h"

namespace lorvane::room {
namespace {

TEST(RateNr, TakesTheHighestBandOfTheCurves) {
    // Flat 40 dB: the 8 kHz band rates highest, (40 + 8.0) / 1.030.
    EXPECT_NEAR(RateNr({40, 40, 40, 40, 40, 40, 40, 40}), 48 / 1.030, 1e-12);
    // A loud 63 Hz band alone: (80 - 35.5) / 0.790.
    EXPECT_NEAR(RateNr({80, 0, 0, 0, 0, 0, 0, 0}), 44.5 / 0.790, 1e-12);
    // On the NR 30 curve (a + 30 b) in every band.
    EXPECT_NEAR(RateNr({59.2, 48.1, 39.9, 34.02, 30, 26.95, 24.65, 22.9}), 30, 1e-9);
}

TEST(RateRoom, GivesEveryRatingOfTheLevels) {
    const Octaves levels{50, 45, 40, 35, 30, 25, 20, 15};
    const RoomRating rating = RateRoom(levels);
    // A-weighted: 50 - 26.2, 45 - 16.1, 40 - 8.6, 35 - 3.2, 30, 25 + 1.2, 20 + 1.0, 15 - 1.1.
    double energy = 0;
    for (double weighted : {23.8, 28.9, 31.4, 31.8, 30.0, 26.2, 21.0, 13.9}) {
        energy += std::pow(10, weighted / 10);
    }
    EXPECT_NEAR(rating.summationLevel, 10 * std::log10(energy), 1e-9);
    // NC: 500 Hz at 35 dB lies on the NC 30 curve, above every other band's rating (250 Hz at
    // 40 dB, between NC 25 at 37 and NC 30 at 41, rates 25 + 5 x 3 / 4).
    EXPECT_NEAR(rating.nc, 30, 1e-9);
    EXPECT_FALSE(rating.ncBelowLowestCurve);
    // NR: 500 Hz, (35 - 4.8) / 0.974.
    EXPECT_NEAR(rating.nr, 30.2 / 0.974, 1e-9);
}

TEST(RateRoom, ARoomBelowTheLowestNcCurveRatesNc0) {
    // Every band a tenth under NC 10 from 125 Hz; 63 Hz takes no part in NC.
    const RoomRating rating = RateRoom({60, 31.9, 24.9, 17.9, 11.9, 8.9, 6.9, 5.9});
    EXPECT_EQ(rating.nc, 0);
    EXPECT_TRUE(rating.ncBelowLowestCurve);
    EXPECT_TRUE(MeetsTarget(rating.nc, RoomTarget{RatingKind::Nc, 0}));
}

struct TargetCase {
    std::string text;
    RoomTarget target;
};

void PrintTo(const TargetCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ReadRoomTargetTest : public testing::TestWithParam<TargetCase> {};

TEST_P(ReadRoomTargetTest, ReadsTheRatingAndItsNumber) {
    const auto read = ReadRoomTarget(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<RoomTarget>(read)) << std::get<std::string>(read);
    EXPECT_EQ(std::get<RoomTarget>(read), GetParam().target);
}

// The number is read as the forms read numbers: what follows it is ignored.
INSTANTIATE_TEST_SUITE_P(Texts, ReadRoomTargetTest,
                         testing::Values(TargetCase{"35", {RatingKind::SummationLevel, 35}},
                                         TargetCase{" 35 dB(A)", {RatingKind::SummationLevel, 35}},
                                         TargetCase{"NR 30", {RatingKind::Nr, 30}},
                                         TargetCase{"nr30", {RatingKind::Nr, 30}},
                                         TargetCase{"Nc\t27.5", {RatingKind::Nc, 27.5}},
                                         TargetCase{"nC 30,5", {RatingKind::Nc, 30.5}},
                                         TargetCase{"NC 0", {RatingKind::Nc, 0}}));

TEST(ReadRoomTarget, RefusesWhatIsNotATarget) {
    for (const char* text : {"", "NR", "dB(A) 35", "NRR 30", "N 30", "NX 30", "quiet"}) {
        const auto read = ReadRoomTarget(text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << '"' << text << '"';
        EXPECT_EQ(std::get<std::string>(read),
                  "The room target '" + std::string(text) +
                      "' is not understood: give a level in dB(A) such as 35, or NR 30 or NC 30.");
    }
    EXPECT_EQ(std::get<std::string>(ReadRoomTarget("NR -5")),
              "The room target 'NR -5' is below 0.");
}

TEST(TargetText, NamesTheTargetAsASentenceDoes) {
    EXPECT_EQ(TargetText({RatingKind::SummationLevel, 35}), "35 dB(A)");
    EXPECT_EQ(TargetText({RatingKind::Nr, 30}), "NR 30");
    EXPECT_EQ(TargetText({RatingKind::Nc, 27.5}), "NC 27.5");
}

TEST(MeetsTarget, ComparesTheRatingShownAsAWholeNumber) {
    const RoomTarget nr30{RatingKind::Nr, 30};
    EXPECT_TRUE(MeetsTarget(30.49, nr30));
    EXPECT_FALSE(MeetsTarget(30.5, nr30));  // shown as 31: halves away from zero
    EXPECT_TRUE(MeetsTarget(-3, nr30));
    // A target that is not whole: the whole rating is compared with it as it is.
    const RoomTarget nr30half{RatingKind::Nr, 30.5};
    EXPECT_TRUE(MeetsTarget(30.49, nr30half));
    EXPECT_FALSE(MeetsTarget(30.5, nr30half));
}

}  // namespace
}  // namespace lorvane::room
