#include "finder/finder.h"

#include "finder/candidate_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/number_text.h"
#include "finder/candidate_record.h"
#include "forms/band_layout.h"
#include "tests/finder/duty.h"

namespace lorvane::finder {
namespace {

using test::Duty;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Optional;

Size Round(double diameter) {
    return {.diameter = diameter};
}

Size Rect(double width, double height) {
    return {.width = width, .height = height};
}

bool SameSize(const Size& a, const Size& b) {
    return a.diameter == b.diameter && a.width == b.width && a.height == b.height;
}

// The candidate of that product and size, as a copy: the list is often a temporary.
std::optional<Candidate> Listed(const std::vector<Candidate>& candidates, std::string_view product,
                                const Size& size) {
    const auto it = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate& c) {
        return c.product == product && SameSize(c.size, size);
    });
    return it == candidates.end() ? std::nullopt : std::optional<Candidate>(*it);
}

std::set<std::string_view> Products(const std::vector<Candidate>& candidates) {
    std::set<std::string_view> products;
    for (const Candidate& c : candidates) {
        products.insert(c.product);
    }
    return products;
}

std::string Whole(double value) {
    return FormatNumber("%.0lf", value);
}

// --- Reading the inputs -------------------------------------------------------------------

struct ReadingCase {
    const char* name;
    FinderTexts texts;
    std::string refused;  // the option refused; empty when the duty point reads
};

void PrintTo(const ReadingCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadDutyPointTest : public testing::TestWithParam<ReadingCase> {};

TEST_P(ReadDutyPointTest, RefusesTheFirstInputOutsideItsRange) {
    const ReadingCase& c = GetParam();
    const DutyPointReading reading = ReadDutyPoint(c.texts);
    if (c.refused.empty()) {
        EXPECT_FALSE(reading.refusal) << reading.refusal->message;
        EXPECT_TRUE(reading.dutyPoint);
    } else {
        ASSERT_TRUE(reading.refusal);
        EXPECT_EQ(reading.refusal->input, c.refused);
        EXPECT_FALSE(reading.dutyPoint);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, ReadDutyPointTest,
    testing::Values(
        ReadingCase{"plain", {{"flow", "800"}, {"dp", "150"}}, ""},
        ReadingCase{"units after the numbers", {{"flow", "800 m3/h"}, {"dp", " 150 Pa"}}, ""},
        ReadingCase{"pressure at both ends", {{"flow", "1"}, {"dp", "0.1"}}, ""},
        ReadingCase{"highest pressure", {{"flow", "1"}, {"dp", "10000"}}, ""},
        ReadingCase{"blank optional inputs",
                    {{"flow", "800"}, {"dp", "150"}, {"target", " "}, {"max-width", ""}},
                    ""},
        ReadingCase{"highest target", {{"flow", "800"}, {"dp", "150"}, {"target", "100"}}, ""},
        ReadingCase{"no flow", {{"dp", "150"}}, "flow"},
        ReadingCase{"zero flow", {{"flow", "0"}, {"dp", "150"}}, "flow"},
        ReadingCase{"letters", {{"flow", "abc"}, {"dp", "150"}}, "flow"},
        ReadingCase{"not finite", {{"flow", "1e999"}, {"dp", "150"}}, "flow"},
        ReadingCase{"flow before pressure", {{"flow", "-1"}, {"dp", "0"}}, "flow"},
        ReadingCase{"pressure below 0.1", {{"flow", "800"}, {"dp", "0.09"}}, "dp"},
        ReadingCase{"pressure above 10000", {{"flow", "800"}, {"dp", "10000.5"}}, "dp"},
        ReadingCase{
            "target above 100", {{"flow", "800"}, {"dp", "150"}, {"target", "100.1"}}, "target"},
        ReadingCase{
            "negative target", {{"flow", "800"}, {"dp", "150"}, {"target", "-1"}}, "target"},
        ReadingCase{
            "zero width", {{"flow", "800"}, {"dp", "150"}, {"max-width", "0"}}, "max-width"},
        ReadingCase{"diameter of letters",
                    {{"flow", "800"}, {"dp", "150"}, {"max-diameter", "DN250"}},
                    "max-diameter"}));

TEST(ReadDutyPoint, ATargetOf0IsNoTargetAsInTheControllerForms) {
    const DutyPointReading none = ReadDutyPoint({{"flow", "800"}, {"dp", "150"}, {"target", "0"}});
    ASSERT_TRUE(none.dutyPoint);
    EXPECT_FALSE(none.dutyPoint->target);
    const DutyPointReading set =
        ReadDutyPoint({{"flow", "800"}, {"dp", "150"}, {"target", "35"}, {"max-height", "300"}});
    EXPECT_THAT(set.dutyPoint->target, Optional(35.0));
    EXPECT_THAT(set.dutyPoint->maxHeight, Optional(300.0));
    EXPECT_FALSE(set.dutyPoint->maxWidth);
}

TEST(ReadDutyPoint, KeepsTheValuesReadAlsoWhenOneIsRefused) {
    const DutyPointReading reading = ReadDutyPoint({{"flow", "800"}, {"dp", "0"}});
    EXPECT_EQ(reading.refusal->message,
              "The differential pressure must lie between 0.1 and 10000 Pa");
    EXPECT_EQ(reading.values.at("flow"), 800);
    EXPECT_EQ(reading.values.at("dp"), 0);
}

// --- Which sizes are listed ----------------------------------------------------------------

TEST(FindCandidates, AFamilyWithoutAFittingSizeIsLeftOut) {
    // 1000 m3/h is above every Tolmar range (the largest, 250 mm, ends at 800 m3/h).
    const std::vector<Candidate> candidates = FindCandidates(Duty(1000, 250));
    EXPECT_EQ(Products(candidates),
              (std::set<std::string_view>{"selmon", "daxel", "mirolt", "basko", "quenta"}));
}

struct EdgeCase {
    const char* name;
    double flow;
    const char* product;
    Size size;
    bool listed;
};

void PrintTo(const EdgeCase& c, std::ostream* out) {
    *out << c.name;
}

class FlowRangeEdgeTest : public testing::TestWithParam<EdgeCase> {};

TEST_P(FlowRangeEdgeTest, ListsASizeExactlyWhenItsFormTakesTheFlow) {
    const EdgeCase& c = GetParam();
    const std::vector<Candidate> candidates = FindCandidates(Duty(c.flow, 250));
    EXPECT_EQ(Listed(candidates, c.product, c.size).has_value(), c.listed);
}

// Selmon 200 mm: 250 to 900 m3/h. Basko 200 x 100 mm: theoretical range 200.16 to 599.76 m3/h
// with 1 m3/h of tolerance, scales 200-350 and 300-600. Basko 200 x 200 mm: theoretical range
// from 432 m3/h, scale 400-650. Quenta 600 x 300 mm: nozzles for 1050 to 7000 m3/h.
INSTANTIATE_TEST_SUITE_P(
    Edges, FlowRangeEdgeTest,
    testing::Values(EdgeCase{"Selmon at Vmin", 250, "selmon", Round(200), true},
                    EdgeCase{"Selmon below Vmin", 249.9, "selmon", Round(200), false},
                    EdgeCase{"Selmon at Vmax", 900, "selmon", Round(200), true},
                    EdgeCase{"Selmon above Vmax", 900.1, "selmon", Round(200), false},
                    EdgeCase{"Basko within 1 below", 199.17, "basko", Rect(200, 100), true},
                    EdgeCase{"Basko beyond 1 below", 199.15, "basko", Rect(200, 100), false},
                    EdgeCase{"Basko within 1 above", 600.75, "basko", Rect(200, 100), true},
                    EdgeCase{"Basko beyond 1 above", 600.77, "basko", Rect(200, 100), false},
                    EdgeCase{"Basko in a scale only", 410, "basko", Rect(200, 200), true},
                    EdgeCase{"Basko in no scale", 398, "basko", Rect(200, 200), false},
                    EdgeCase{"Quenta at Vmin", 1050, "quenta", Rect(600, 300), true},
                    EdgeCase{"Quenta below Vmin", 1049.9, "quenta", Rect(600, 300), false},
                    EdgeCase{"Quenta at Vmax", 7000, "quenta", Rect(600, 300), true},
                    EdgeCase{"Quenta above Vmax", 7000.1, "quenta", Rect(600, 300), false}));

TEST(FindCandidates, NothingFits) {
    // No controller is made for so much air, and none works on 1 Pa.
    EXPECT_THAT(FindCandidates(Duty(100000, 250)), IsEmpty());
    EXPECT_THAT(FindCandidates(Duty(800, 1)), IsEmpty());
}

TEST(FindCandidates, APressureBelowTheMinimumLeavesTheSizeOut) {
    // Mirolt 200 mm at 500 m3/h needs 31.66 Pa; 30.66 Pa is the least its form accepts.
    EXPECT_TRUE(Listed(FindCandidates(Duty(500, 30.67)), "mirolt", Round(200)));
    EXPECT_FALSE(Listed(FindCandidates(Duty(500, 30.6)), "mirolt", Round(200)));
}

TEST(FindCandidates, KeepsToTheRoomGiven) {
    DutyPoint duty = Duty(2000, 250);
    duty.maxWidth = 400;
    duty.maxHeight = 200;
    duty.maxDiameter = 315;
    const std::vector<Candidate> candidates = FindCandidates(duty);
    ASSERT_EQ(Products(candidates),
              (std::set<std::string_view>{"selmon", "daxel", "mirolt", "basko", "quenta"}));
    for (const Candidate& c : candidates) {
        if (c.size.diameter) {
            EXPECT_LE(*c.size.diameter, 315) << c.name;
        } else {
            EXPECT_LE(c.size.width, 400) << c.name;
            EXPECT_LE(c.size.height, 200) << c.name;
        }
    }
    // The limits themselves are allowed.
    EXPECT_TRUE(Listed(candidates, "basko", Rect(400, 200)));
    EXPECT_TRUE(Listed(candidates, "selmon", Round(315)));

    // The limits of rectangular sizes do not limit the circular ones.
    DutyPoint low = Duty(2000, 250);
    low.maxHeight = 100;
    EXPECT_TRUE(Listed(FindCandidates(low), "daxel", Round(400)));
}

// --- What a candidate says ---------------------------------------------------------------

TEST(FindCandidates, GivesTheCataloguesNumbersOfTheCircularControllers) {
    const std::vector<Candidate> candidates = FindCandidates(Duty(500, 250));
    const std::optional<Candidate> daxel = Listed(candidates, "daxel", Round(200));
    ASSERT_TRUE(daxel);
    EXPECT_NEAR(daxel->velocity, 4.42, 0.005);
    EXPECT_NEAR(daxel->minimumPressure, 47.59, 0.005);
    EXPECT_NEAR(daxel->summationLevel, 61.67, 0.005);
    EXPECT_NEAR(*daxel->casingSummationLevel, 44.45, 0.005);  // the bare casing

    const std::optional<Candidate> mirolt = Listed(candidates, "mirolt", Round(200));
    ASSERT_TRUE(mirolt);
    EXPECT_NEAR(mirolt->minimumPressure, 31.66, 0.005);
    EXPECT_NEAR(mirolt->summationLevel, 59.25, 0.005);
    EXPECT_NEAR(*mirolt->casingSummationLevel, 41.50, 0.005);
}

TEST(FindCandidates, GivesTheCataloguesNumbersOfTheRectangularControllers) {
    const std::vector<Candidate> at2000 = FindCandidates(Duty(2000, 250));
    const std::optional<Candidate> basko = Listed(at2000, "basko", Rect(400, 200));
    ASSERT_TRUE(basko);
    EXPECT_EQ(FormatNumber("%.1lf", basko->velocity), "6.9");
    EXPECT_EQ(Whole(basko->minimumPressure), "114");
    EXPECT_EQ(Whole(basko->summationLevel), "68");
    EXPECT_EQ(Whole(*basko->casingSummationLevel), "60");
    const std::optional<Candidate> quenta = Listed(at2000, "quenta", Rect(400, 200));
    ASSERT_TRUE(quenta);
    EXPECT_EQ(Whole(quenta->minimumPressure), "91");
    EXPECT_EQ(Whole(quenta->summationLevel), "58");

    const std::optional<Candidate> big =
        Listed(FindCandidates(Duty(5000, 250)), "quenta", Rect(600, 300));
    ASSERT_TRUE(big);
    EXPECT_EQ(FormatNumber("%.1lf", big->velocity), "7.7");
    EXPECT_EQ(Whole(big->minimumPressure), "100");
    EXPECT_EQ(Whole(big->summationLevel), "65");
    EXPECT_EQ(Whole(*big->casingSummationLevel), "59");
}

TEST(FindCandidates, WithoutATargetEveryCandidateMeetsIt) {
    const std::vector<Candidate> candidates = FindCandidates(Duty(800, 150));
    ASSERT_FALSE(candidates.empty());
    for (const Candidate& c : candidates) {
        EXPECT_TRUE(c.meetsTarget);
        EXPECT_EQ(c.attenuatorNeed, AttenuatorNeed::None);
        EXPECT_FALSE(c.attenuator);
    }
}

TEST(FindCandidates, OnlyTheAttenuatorBringsACircularControllerDownToTheTarget) {
    // Selmon 250 mm at 1000 m3/h and 250 Pa; target 50 dB(A). Per insulation the selection
    // ends at 25 mm 2.00 m (51 dB(A): above), 50 mm 1.00 m (50) and 75 mm 0.75 m (49): the
    // 75 mm one is the shortest that reaches the target.
    const std::optional<Candidate> selmon =
        Listed(FindCandidates(Duty(1000, 250, 50)), "selmon", Round(250));
    ASSERT_TRUE(selmon);
    EXPECT_GT(RoundWhole(selmon->summationLevel), 50);
    EXPECT_TRUE(selmon->meetsTarget);
    EXPECT_EQ(selmon->attenuatorNeed, AttenuatorNeed::Selected);
    ASSERT_TRUE(selmon->attenuator);
    EXPECT_EQ(AttenuatorText(*selmon), "75mm 0.75m");
    EXPECT_EQ(Whole(selmon->attenuator->summationLevel), "49");
    EXPECT_FALSE(selmon->attenuator->estimated);  // 250 mm: catalogue values
    EXPECT_THAT(CandidateNotes(*selmon), IsEmpty());
}

TEST(FindCandidates, SaysWhenTheAttenuatorsInsertionLossIsAnEstimate) {
    // Only 80 mm (25 mm insulation), 250 mm and 400 mm (25 mm) have catalogue values.
    const std::optional<Candidate> selmon =
        Listed(FindCandidates(Duty(800, 150, 35)), "selmon", Round(200));
    ASSERT_TRUE(selmon);
    ASSERT_TRUE(selmon->attenuator);
    EXPECT_TRUE(selmon->attenuator->estimated);
    EXPECT_THAT(CandidateNotes(*selmon),
                ElementsAre("The insertion loss of the attenuator is an estimate, not a "
                            "catalogue value."));
    EXPECT_THAT(AttenuatorCell(*selmon), testing::EndsWith(" dB(A), estimated"));
}

TEST(FindCandidates, SaysWhyNoAttenuatorHelps) {
    // Daxel 450 mm has no attenuator values; a rectangular controller has no attenuator; at
    // 10 dB(A) no attenuator of the range is enough for a Selmon.
    const std::vector<Candidate> candidates = FindCandidates(Duty(2000, 250, 40));
    const std::optional<Candidate> daxel = Listed(candidates, "daxel", Round(450));
    ASSERT_TRUE(daxel);
    EXPECT_FALSE(daxel->meetsTarget);
    EXPECT_EQ(daxel->attenuatorNeed, AttenuatorNeed::NoValues);
    const std::optional<Candidate> basko = Listed(candidates, "basko", Rect(400, 200));
    ASSERT_TRUE(basko);
    EXPECT_FALSE(basko->meetsTarget);
    EXPECT_EQ(basko->attenuatorNeed, AttenuatorNeed::NotOffered);

    const std::optional<Candidate> selmon =
        Listed(FindCandidates(Duty(1000, 250, 10)), "selmon", Round(250));
    ASSERT_TRUE(selmon);
    EXPECT_FALSE(selmon->meetsTarget);
    EXPECT_EQ(selmon->attenuatorNeed, AttenuatorNeed::NoneReaches);
    EXPECT_FALSE(selmon->attenuator);
    for (const std::optional<Candidate>& c : {daxel, basko, selmon}) {
        EXPECT_FALSE(AttenuatorNote(c->attenuatorNeed).empty());
    }
}

// The place of a product's size in a list.
std::ptrdiff_t Position(const std::vector<Candidate>& candidates, std::string_view product,
                        const Size& size) {
    return std::find_if(
               candidates.begin(), candidates.end(),
               [&](const Candidate& c) { return c.product == product && SameSize(c.size, size); }) -
           candidates.begin();
}

TEST(FindCandidates, ListsThoseThatMeetTheTargetFirstThenBySizeThenByLevelThenByName) {
    // At 500 m3/h and 250 Pa the 200 mm Mirolt (59.25 dB(A)) is quieter than the 200 mm Daxel
    // (61.67 dB(A)) of the same cross-section.
    const std::vector<Candidate> plain = FindCandidates(Duty(500, 250));
    EXPECT_LT(Position(plain, "mirolt", Round(200)), Position(plain, "daxel", Round(200)));
    // The Selmon and the Tolmar share their sound model: at 800 m3/h the 250 mm ones tie on
    // level, and the names decide, whatever the order of the catalogue.
    const std::vector<Candidate> tied = FindCandidates(Duty(800, 150));
    const std::ptrdiff_t selmon = Position(tied, "selmon", Round(250));
    ASSERT_LT(selmon + 1, static_cast<std::ptrdiff_t>(tied.size()));
    EXPECT_EQ(tied[selmon].summationLevel, tied[selmon + 1].summationLevel);
    EXPECT_EQ(tied[selmon + 1].product, "tolmar");

    for (const DutyPoint& duty : {Duty(500, 250), Duty(800, 150, 35), Duty(2000, 250, 60)}) {
        const std::vector<Candidate> candidates = FindCandidates(duty);
        ASSERT_GT(candidates.size(), 10u);
        for (std::size_t i = 1; i < candidates.size(); ++i) {
            const Candidate& a = candidates[i - 1];
            const Candidate& b = candidates[i];
            SCOPED_TRACE(std::string(b.name) + " " + SizeText(b.size));
            ASSERT_GE(a.meetsTarget, b.meetsTarget);
            if (a.meetsTarget == b.meetsTarget) {
                ASSERT_LE(a.size.Area(), b.size.Area());
                if (a.size.Area() == b.size.Area()) {
                    ASSERT_LE(a.summationLevel, b.summationLevel);
                    if (a.summationLevel == b.summationLevel) {
                        ASSERT_LE(a.name, b.name);
                    }
                }
            }
        }
    }
}

// --- The target test and the choice of attenuator -------------------------------------------

struct MeetsCase {
    double target, level;
    bool meets;
};

TEST(MeetsTarget, ComparesWholeNumbersWithHalvesRoundedUp) {
    const std::vector<MeetsCase> cases{
        {35, 35.4, true},   {35, 35.5, false},   {35, 35.49, true}, {35, 34.5, true},
        {34.5, 35.4, true}, {34.4, 34.5, false}, {35, 20, true},
    };
    for (const MeetsCase& c : cases) {
        EXPECT_EQ(MeetsTarget(c.target, c.level), c.meets) << c.target << " / " << c.level;
    }
}

// The attenuator rows of a circular controller's record, one per insulation 25, 50, 75 mm: the
// length and the level behind it.
struct RowSpecs {
    std::array<forms::ValueSpec, 3> length;
    std::array<forms::BandRowSpec, 3> levels;
};

const RowSpecs& AttenuatorRowSpecs() {
    static const RowSpecs specs = [] {
        RowSpecs made;
        for (int t = 0; t < 3; ++t) {
            const std::string key = "attenuator.rows." + std::to_string(25 * (t + 1)) + "mm";
            made.length[t] = {.key = key + ".length"};
            made.levels[t] = {.key = key + ".levels", .summationKey = key + ".summationLevel"};
        }
        return made;
    }();
    return specs;
}

struct Row {
    std::string length;
    double level;
};

forms::ResultRecord AttenuatorRows(const std::array<Row, 3>& rows) {
    const RowSpecs& specs = AttenuatorRowSpecs();
    forms::ResultRecord record;
    for (int t = 0; t < 3; ++t) {
        record.AddText(specs.length[t], rows[t].length);
        record.AddBands(specs.levels[t], std::span<const double>(), rows[t].level);
    }
    return record;
}

TEST(ShortestMeeting, TakesTheShortestAndTheThinnerInsulationOnEqualLengths) {
    const auto choice = [](const std::array<Row, 3>& rows) {
        const std::optional<AttenuatorChoice> c = ShortestMeeting(AttenuatorRows(rows), 40);
        return c ? std::make_pair(c->insulation, c->length) : std::make_pair(-1, -1);
    };
    EXPECT_EQ(choice({{{"1.25m", 40}, {"1.00m", 40}, {"1.00m", 38}}}), std::make_pair(1, 2));
    EXPECT_EQ(choice({{{"2.00m", 41}, {"1.50m", 40.4}, {"1.25m", 39}}}), std::make_pair(2, 3));
    EXPECT_EQ(choice({{{"2.00m", 40.5}, {"2.00m", 41}, {"2.00m", 44}}}), std::make_pair(-1, -1));
    EXPECT_EQ(choice({{{"0.50m", 30}, {"0.50m", 28}, {"0.50m", 25}}}), std::make_pair(0, 0));
    // A record without attenuator rows, as for a diameter without insertion-loss values.
    EXPECT_FALSE(ShortestMeeting(forms::ResultRecord(), 40));
}

TEST(ShortestMeeting, ReadsTheEstimateFromTheRowsCaveat) {
    forms::ResultRecord record = AttenuatorRows({{{"1.00m", 38}, {"1.00m", 36}, {"1.00m", 35}}});
    ASSERT_FALSE(ShortestMeeting(record, 40)->estimated);
    record = forms::ResultRecord();
    const RowSpecs& specs = AttenuatorRowSpecs();
    record.AddText(specs.length[0], "0.75m");
    record.AddBands(specs.levels[0], std::span<const double>(), 39.0);
    record.AddCaveat(std::string(forms::kEstimatedInsertionLoss) + "; target not reached");
    const std::optional<AttenuatorChoice> choice = ShortestMeeting(record, 40);
    ASSERT_TRUE(choice);
    EXPECT_TRUE(choice->estimated);
    EXPECT_EQ(choice->length, 1);
}

// --- Reading a record ----------------------------------------------------------------------

struct FlowSpecs {
    forms::ValueSpec velocity{.key = "velocity"};
    forms::ValueSpec minimumPressure{.key = "minimumPressure"};
    forms::BandRowSpec octave{.key = "octave", .summationKey = "summationLevel"};
};

const FlowSpecs kFlow;

struct RecordCase {
    const char* name;
    forms::Number velocity;
    forms::Number summationLevel;
    bool read;
};

TEST(ReadRecord, ListsOnlyACandidateWhoseNumbersTheModelGives) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<RecordCase> cases{
        {"complete", 4.5, 52.5, true},
        {"velocity not finite", inf, 52.5, false},
        {"no velocity", std::nullopt, 52.5, false},
        {"summation level not finite", 4.5, std::nan(""), false},
        {"no summation level", 4.5, std::nullopt, false},
    };
    for (const RecordCase& c : cases) {
        forms::ResultRecord record;
        record.Add(kFlow.velocity, c.velocity);
        record.Add(kFlow.minimumPressure, 40.0);
        record.AddBands(kFlow.octave, std::span<const double>(), c.summationLevel);
        Candidate candidate;
        EXPECT_EQ(ReadRecord(record, std::nullopt, candidate), c.read) << c.name;
        if (c.read) {
            EXPECT_EQ(candidate.summationLevel, 52.5);
            EXPECT_FALSE(candidate.casingSummationLevel);  // the record has no casing row
        }
    }
}

TEST(ReadRecord, ARecordWithoutAttenuatorsOffersNone) {
    forms::ResultRecord record;
    record.Add(kFlow.velocity, 4.5);
    record.Add(kFlow.minimumPressure, 40.0);
    record.AddBands(kFlow.octave, std::span<const double>(), 52.5);
    Candidate candidate;
    ASSERT_TRUE(ReadRecord(record, 45.0, candidate));
    EXPECT_FALSE(candidate.meetsTarget);
    EXPECT_EQ(candidate.attenuatorNeed, AttenuatorNeed::NotOffered);
    ASSERT_TRUE(ReadRecord(record, 53.0, candidate = Candidate()));
    EXPECT_TRUE(candidate.meetsTarget);
    EXPECT_EQ(candidate.attenuatorNeed, AttenuatorNeed::None);
}

// --- Filling a form ------------------------------------------------------------------------

TEST(FormTexts, GivesTheSizeAndTheDutyPointByOptionName) {
    const Candidate circular{.product = "selmon", .sizeTexts = {{"diameter", "250"}}};
    EXPECT_THAT(FormTexts(circular, Duty(800, 150, 35)),
                ElementsAre(std::pair<const std::string, std::string>{"diameter", "250"},
                            std::pair<const std::string, std::string>{"dp", "150"},
                            std::pair<const std::string, std::string>{"flow", "800"},
                            std::pair<const std::string, std::string>{"target", "35"}));
    EXPECT_EQ(FormTexts(circular, Duty(800, 150)).at("target"), "0");  // no attenuator wanted

    const Candidate rectangular{.product = "quenta",
                                .sizeTexts = {{"width", "600"}, {"height", "300"}}};
    const forms::InputTexts texts = FormTexts(rectangular, Duty(123.45678901234567, 0.1, 35));
    EXPECT_EQ(texts.at("width"), "600");
    EXPECT_EQ(texts.at("height"), "300");
    EXPECT_FALSE(texts.contains("target"));  // the form has no target
    EXPECT_EQ(ReadNumber(texts.at("flow")), 123.45678901234567);
    EXPECT_EQ(ReadNumber(texts.at("dp")), 0.1);
}

TEST(SizeText, WritesADiameterOrAWidthByAHeight) {
    EXPECT_EQ(SizeText(Round(250)), "250");
    EXPECT_EQ(SizeText(Rect(1200, 100)), "1200 x 100");
}

}  // namespace
}  // namespace lorvane::finder
