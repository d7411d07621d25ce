#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "room/path_text.h"
#include "room/room_evaluation.h"

namespace lorvane::room {
namespace {

// Lp - Lw in the 6 x 5 x 3 m room with the defaults (T 0.6 s, r 1.5 m, Q 2), worked out by hand
// in room_model_test.cpp: 10 lg(2 / (4 pi 1.5^2) + 4 / 29.876).
constexpr double kGain = -6.890498640958041;

Octaves Flat(double level) {
    Octaves octaves{};
    octaves.fill(level);
    return octaves;
}

class RoomEvaluationTest : public testing::Test {
  protected:
    RoomEvaluationTest() { inputs.size = {6, 5, 3}; }

    void SetPath(const std::string& text) { inputs.path = std::get<Path>(ReadPath(text)); }

    RoomResult Evaluate() {
        auto evaluated = EvaluateRoom(source, inputs);
        if (const std::string* refusal = std::get_if<std::string>(&evaluated)) {
            ADD_FAILURE() << "refused: " << *refusal;
            return {};
        }
        return std::get<RoomResult>(evaluated);
    }

    std::string Refusal() {
        auto evaluated = EvaluateRoom(source, inputs);
        if (!std::holds_alternative<std::string>(evaluated)) {
            return "(not refused)";
        }
        return std::get<std::string>(evaluated);
    }

    RoomSource source{Flat(60), std::nullopt, std::nullopt};
    RoomInputs inputs;
};

TEST_F(RoomEvaluationTest, WithoutAPathThePowerGoesStraightIntoTheRoom) {
    const RoomResult result = Evaluate();
    EXPECT_TRUE(result.path.empty());
    EXPECT_EQ(result.powerAtRoom, Flat(60));
    for (double level : result.levels) {
        EXPECT_NEAR(level, 60 + kGain, 1e-9);
    }
    // NR from the 8 kHz band: (53.1095 + 8.0) / 1.030.
    EXPECT_NEAR(result.rating.nr, (60 + kGain + 8.0) / 1.030, 1e-9);
    EXPECT_FALSE(result.targetReached.has_value());
    EXPECT_EQ(result.attenuatorOutcome, AttenuatorOutcome::NotAsked);
    EXPECT_TRUE(result.notes.empty());
}

TEST_F(RoomEvaluationTest, TakesEachElementOffInTurn) {
    SetPath("DUCT 400X200 5; branch 0,5");
    const RoomResult result = Evaluate();
    ASSERT_EQ(result.path.size(), 2u);
    EXPECT_EQ(result.path[0].text, "duct 400x200 5");
    EXPECT_EQ(result.path[1].text, "branch 0.5");
    // The duct, worked out separately (P/A 4.572 per ft, 16.4 ft), and 10 lg 2 for the branch.
    const Octaves duct{5.63557, 3.14778, 1.74634, 1.10680, 1.10680, 1.10680, 1.10680, 1.10680};
    for (int k = 0; k < kOctaveCount; ++k) {
        EXPECT_NEAR(result.path[0].attenuation[k], duct[k], 1e-5);
        EXPECT_NEAR(result.path[1].attenuation[k], 3.0103, 1e-4);
        EXPECT_NEAR(result.powerAtRoom[k], 60 - duct[k] - 3.0103, 1e-4);
        EXPECT_NEAR(result.levels[k], 60 - duct[k] - 3.0103 + kGain, 1e-4);
    }
}

TEST_F(RoomEvaluationTest, TheCasingReachesTheRoomThroughTheCeiling) {
    source.ductBorne = Flat(50);
    source.casing = Flat(50);
    inputs.ceilingLoss = Flat(10);
    SetPath("branch 0.5");
    // Casing none: the duct alone, less the branch's 10 lg 2.
    EXPECT_NEAR(Evaluate().levels[3], 50 - 3.0103 + kGain, 1e-4);

    inputs.casing = CasingPath::Room;
    const RoomResult result = Evaluate();
    // 47 dB (50 less the branch) and 40 dB (50 less the ceiling) as energies: 47.7904 dB.
    EXPECT_NEAR(result.powerAtRoom[3], 50 - 3.0103, 1e-4);
    EXPECT_NEAR(result.levels[3], 10 * std::log10(std::pow(10, 4.69897) + 1e4) + kGain, 1e-4);
    EXPECT_TRUE(result.notes.empty());
}

TEST_F(RoomEvaluationTest, AProductWithoutACasingRowAddsNothingWithANote) {
    inputs.casing = CasingPath::Room;
    const RoomResult result = Evaluate();
    EXPECT_NEAR(result.levels[0], 60 + kGain, 1e-9);
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0],
              "The product has no casing sound power: only its duct-borne sound reaches the room.");
}

TEST_F(RoomEvaluationTest, NotesALinedDuctOutsideItsModelByItsPlace) {
    SetPath("duct 400x200 1; duct 400x200 2 lined 20; duct d250 2 lined 25");
    const RoomResult result = Evaluate();
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0],
              "Path element 2 (duct 400x200 2 lined 20) lies outside the lined rectangular duct "
              "model's range (25 to 52 mm of lining, a P/A of 1.17 to 6 per ft): its attenuation "
              "is an extrapolation.");
}

TEST_F(RoomEvaluationTest, SchultzTakesNoReverberationTimeAndNotesALargeRoom) {
    inputs.model = RoomModel::Schultz;
    inputs.reverberation = Reverberation::Uniform(0.01);  // far too short for the diffuse field
    inputs.size = {7, 6, 10};                             // 420 m3
    RoomResult result = Evaluate();
    // 63 Hz: 60 - 10 lg 1.5 - 5 lg 420 - 3 lg 63 + 12.
    EXPECT_NEAR(result.levels[0],
                60 - 10 * std::log10(1.5) - 5 * std::log10(420) - 3 * std::log10(63) + 12, 1e-9);
    EXPECT_TRUE(result.notes.empty());

    inputs.size = {7, 6, 10.5};  // 441 m3
    result = Evaluate();
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0],
              "The Schultz model is made for furnished rooms up to about 420 m3; this room has "
              "441 m3, so its levels are an extrapolation.");
}

struct RefusalCase {
    std::string name;
    void (*change)(RoomSource&, RoomInputs&);
    std::string refusal;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class RoomRefusalTest : public RoomEvaluationTest,
                        public testing::WithParamInterface<RefusalCase> {};

TEST_P(RoomRefusalTest, RefusesWithOneSentence) {
    GetParam().change(source, inputs);
    EXPECT_EQ(Refusal(), GetParam().refusal);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Inputs, RoomRefusalTest,
    testing::Values(
        RefusalCase{"NoRoom", [](RoomSource&, RoomInputs& in) { in.size = {}; },
                    "The room's length, width and height must each be above 0 m."},
        RefusalCase{"NegativeHeight", [](RoomSource&, RoomInputs& in) { in.size.height = -3; },
                    "The room's length, width and height must each be above 0 m."},
        RefusalCase{"InfiniteRoom", [](RoomSource&, RoomInputs& in) { in.size.width = kInfinity; },
                    "The room's length, width and height must each be above 0 m."},
        RefusalCase{"NoReverberation",
                    [](RoomSource&, RoomInputs& in) { in.reverberation.seconds[5] = 0; },
                    "The reverberation time must be above 0 s."},
        RefusalCase{"NoDistance", [](RoomSource&, RoomInputs& in) { in.distance = 0; },
                    "The distance from the outlet must be above 0 m."},
        RefusalCase{"NoDirectivity", [](RoomSource&, RoomInputs& in) { in.directivity = kNaN; },
                    "The directivity Q must be above 0."},
        RefusalCase{"NegativeCeilingLoss",
                    [](RoomSource&, RoomInputs& in) { in.ceilingLoss[2] = -1; },
                    "The ceiling's insertion loss must be 0 dB or more in every band."},
        RefusalCase{"ShortReverberation",
                    [](RoomSource&, RoomInputs& in) {
                        in.reverberation = Reverberation::PerBand({1, 1, 1, 1, 1, 1, 0.1, 0.1});
                    },
                    "The reverberation time at 4000 Hz is too short for this room: its mean "
                    "absorption would be 1 or more."},
        RefusalCase{"UnknownSource", [](RoomSource& s, RoomInputs&) { s.ductBorne[4] = kNaN; },
                    "The product's duct-borne sound power is not known in every band."},
        RefusalCase{"UnknownCasing",
                    [](RoomSource& s, RoomInputs& in) {
                        s.casing = Flat(kInfinity);
                        in.casing = CasingPath::Room;
                    },
                    "The product's casing sound power is not known in every band."},
        RefusalCase{"EndlessDuct",
                    [](RoomSource&, RoomInputs& in) {
                        in.path = {DuctRun{Section::Rectangular(1, 1), 1e308, std::nullopt}};
                    },
                    "Path element 1 (duct 1x1 1" + std::string(308, '0') +
                        ") attenuates beyond what can be computed."},
        RefusalCase{"NothingLeft",
                    [](RoomSource&, RoomInputs& in) {
                        in.path = {DuctRun{Section::Round(250), 1e10, std::nullopt}};
                    },
                    "The level in the room is beyond what can be computed: the path attenuates "
                    "too much, or the sound power is too large."}),
    [](const auto& c) { return c.param.name; });
// clang-format on

TEST_F(RoomEvaluationTest, AnUnknownCasingRowCountsOnlyWhenItReachesTheRoom) {
    source.casing = Flat(kNaN);
    EXPECT_NEAR(Evaluate().levels[0], 60 + kGain, 1e-9);  // casing none
}

TEST_F(RoomEvaluationTest, TellsWhetherTheRoomMeetsItsTarget) {
    // Flat 60 dB of power: NR (53.11 + 8) / 1.03 = 59.33, shown as 59.
    inputs.target = RoomTarget{RatingKind::Nr, 59};
    EXPECT_EQ(Evaluate().targetReached, true);
    inputs.target = RoomTarget{RatingKind::Nr, 58};
    EXPECT_EQ(Evaluate().targetReached, false);
}

// A 250 mm controller whose sound at the listener is 60 dB at 1 kHz and low elsewhere: NR 60.
// The insertion loss at 1 kHz of the 250 mm attenuators, per length 0.50, 0.75, 1.00 m and
// insulation 25, 50, 75 mm: 8, 10, 21; 12, 21, 29; 17, 27, 38 dB.
class RoomAttenuatorTest : public RoomEvaluationTest {
  protected:
    RoomAttenuatorTest() {
        source.ductBorne = Flat(0);
        source.ductBorne[4] = 60 - kGain;
        source.attenuatorDiameter = 250;
    }

    RoomResult WithTarget(const RoomTarget& target) {
        inputs.target = target;
        return Evaluate();
    }
};

TEST_F(RoomAttenuatorTest, TakesTheShortestLengthFirst) {
    // NR 45 asks for 14.5 dB or more: 75 mm at 0.50 m, before 25 mm at 1.00 m.
    const RoomResult result = WithTarget({RatingKind::Nr, 45});
    EXPECT_EQ(result.targetReached, false);
    ASSERT_EQ(result.attenuatorOutcome, AttenuatorOutcome::Found);
    ASSERT_TRUE(result.attenuator.has_value());
    EXPECT_EQ(result.attenuator->thickness, "75mm");
    EXPECT_EQ(result.attenuator->length, "0.50m");
    EXPECT_NEAR(result.attenuator->levels[4], 60 - 21, 1e-9);
    EXPECT_NEAR(result.attenuator->levels[0], kGain - 2, 1e-9);  // 63 Hz: 2 dB of loss
    EXPECT_NEAR(result.attenuator->rating.nr, 39, 1e-9);
    // NC of 39 dB at 1 kHz: between NC 35 (36) and NC 40 (41), 35 + 5 x 3 / 5.
    EXPECT_NEAR(result.attenuator->rating.nc, 38, 1e-9);
    EXPECT_NEAR(result.attenuator->rating.summationLevel, 39.0, 0.01);
}

TEST_F(RoomAttenuatorTest, TakesTheThinnerInsulationOnEqualLength) {
    // NR 50 at 0.50 m: 25 mm leaves 52, 50 mm leaves 50 (75 mm would leave 39).
    const RoomResult result = WithTarget({RatingKind::Nr, 50});
    ASSERT_TRUE(result.attenuator.has_value());
    EXPECT_EQ(result.attenuator->thickness, "50mm");
    EXPECT_EQ(result.attenuator->length, "0.50m");
}

TEST_F(RoomAttenuatorTest, MeetsADbATargetWithTheRoundedLevel) {
    // 60 dB at 1 kHz is practically the whole A-weighted level: 45 dB(A) asks for more than
    // 14.5 dB, as NR 45 does.
    const RoomResult result = WithTarget({RatingKind::SummationLevel, 45});
    ASSERT_TRUE(result.attenuator.has_value());
    EXPECT_EQ(result.attenuator->thickness, "75mm");
    EXPECT_EQ(result.attenuator->length, "0.50m");
}

TEST_F(RoomAttenuatorTest, SaysSoWhenNoAttenuatorIsEnough) {
    // At most 53 dB at 1 kHz (2.00 m with 50 or 75 mm): NR 7 is the least there is.
    const RoomResult result = WithTarget({RatingKind::Nr, 5});
    EXPECT_EQ(result.attenuatorOutcome, AttenuatorOutcome::NoneFound);
    EXPECT_FALSE(result.attenuator.has_value());
    ASSERT_EQ(result.notes.size(), 1u);
    EXPECT_EQ(result.notes[0], "No attenuator of the table makes the room meet NR 5.");
}

TEST_F(RoomAttenuatorTest, LeavesTheCasingPathAsItIs) {
    // The casing alone puts 50 dB at 1 kHz into the room: no attenuator in the duct helps.
    source.casing = Flat(0);
    (*source.casing)[4] = 50 - kGain;
    inputs.casing = CasingPath::Room;
    EXPECT_EQ(WithTarget({RatingKind::Nr, 45}).attenuatorOutcome, AttenuatorOutcome::NoneFound);
    // NR 51 and the casing: 60 - 10 at 0.50 m with 50 mm, and 50, add up to 53.
    // 75 mm leaves 39 and 50: 50.33, shown as 50.
    const RoomResult result = WithTarget({RatingKind::Nr, 51});
    ASSERT_TRUE(result.attenuator.has_value());
    EXPECT_EQ(result.attenuator->thickness, "75mm");
    EXPECT_NEAR(result.attenuator->levels[4], 10 * std::log10(std::pow(10, 3.9) + 1e5), 1e-9);
}

TEST_F(RoomAttenuatorTest, IsNotAskedForWhereItCannotHelpOrIsNotNeeded) {
    EXPECT_EQ(WithTarget({RatingKind::Nr, 60}).attenuatorOutcome, AttenuatorOutcome::NotAsked);
    inputs.target.reset();
    EXPECT_EQ(Evaluate().attenuatorOutcome, AttenuatorOutcome::NotAsked);
    source.attenuatorDiameter = 450;  // no attenuator data
    EXPECT_EQ(WithTarget({RatingKind::Nr, 45}).attenuatorOutcome, AttenuatorOutcome::NotAsked);
    source.attenuatorDiameter.reset();  // not a circular controller
    const RoomResult result = WithTarget({RatingKind::Nr, 45});
    EXPECT_EQ(result.attenuatorOutcome, AttenuatorOutcome::NotAsked);
    EXPECT_TRUE(result.notes.empty());
}

}  // namespace
}  // namespace lorvane::room
