#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "forms/text_view.h"
#include "products/attenuators/attenuator.h"
#include "products/attenuators/attenuator_form.h"

namespace lorvane::attenuators {
namespace {

constexpr int k80mm = 0;
constexpr int k25mm = 0;
constexpr int k1000Hz = 4;

TEST(InterpolateInsertionLoss, TabulatedLengthsGiveTheTableRows) {
    for (int p = 0; p < kAttenuatorDiameterCount; ++p) {
        for (int i = 0; i < kAttenuatorLengthCount; ++i) {
            const auto loss = InterpolateInsertionLoss(p, AttenuatorLengths[i].millimetres);
            ASSERT_TRUE(loss);
            for (int t = 0; t < kInsulationCount; ++t) {
                for (int k = 0; k < kOctaveCount; ++k) {
                    EXPECT_DOUBLE_EQ((*loss)[t][k], InsertionLossTable[p][t][i][k])
                        << "p=" << p << " i=" << i << " t=" << t << " k=" << k;
                }
            }
        }
    }
}

// The bracket comes from the length truncated to whole millimetres; the interpolation uses the
// exact length.
TEST(InterpolateInsertionLoss, BracketOfTheTruncatedLength) {
    struct Case {
        double length;
        double loss;  // 80 mm, 25 mm insulation, 1000 Hz: 25, 36, 46 dB at 0.50, 0.75, 1.00 m
    };
    const Case cases[] = {
        {500, 25},
        {500.5, 25},                   // still the 500 mm values
        {600, 25 + 11 * 100.0 / 250},  // 29.4
        {750, 36},
        {750.6, 25 + 11 * 250.6 / 250},  // 500-750 extended, not 750-1000 (36.024)
        {999.9, 36 + 10 * 249.9 / 250},
        {2000, 50},
    };
    for (const Case& c : cases) {
        const auto loss = InterpolateInsertionLoss(k80mm, c.length);
        ASSERT_TRUE(loss) << c.length;
        EXPECT_NEAR((*loss)[k25mm][k1000Hz], c.loss, 1e-12) << c.length;
    }
    EXPECT_EQ(InterpolateInsertionLoss(k80mm, 500.5)->at(k25mm),
              InsertionLossTable[k80mm][k25mm][0]);
}

TEST(InterpolateInsertionLoss, NothingAbove2000mm) {
    for (double length : {2001.0, 2500.0, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(InterpolateInsertionLoss(k80mm, length)) << length;
    }
    EXPECT_TRUE(InterpolateInsertionLoss(k80mm, 2000.9));  // truncated to 2000
    EXPECT_FALSE(InterpolateInsertionLoss(kAttenuatorDiameterCount, 1000));
}

class AttenuatorFormTest : public testing::Test {
  protected:
    AttenuatorFormTest() { forms::ShowInitialTexts(view, *form); }

    void Calculate(std::string_view diameter, std::string_view length) {
        view.Type(ids::kDiameterList, diameter);
        view.Type(ids::kLength, length);
        form->OnButton(view, ids::kCalculate);
    }

    std::string Shown(int insulation, int band) const {
        return view.Text(ids::kInsertionLoss[insulation] + band);
    }

    SharedState state;
    std::ostringstream diagnostics;
    forms::FormContext context{state, diagnostics};
    std::unique_ptr<forms::Form> form = forms::MakeForm<Schalldaempfer>(context);
    forms::TextView view{form->Description()};
};

TEST_F(AttenuatorFormTest, OpensAtDiameter100WithTheStoredLengthAndDiameter) {
    const forms::FormDescription& description = form->Description();
    EXPECT_EQ(description.caption, "Sound attenuators Nerva");
    const forms::Control* list = description.Find(ids::kDiameterList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->kind, forms::ControlKind::List);
    EXPECT_EQ(list->items.size(), 15u);
    EXPECT_EQ(view.Text(ids::kDiameterList), "100");
    EXPECT_EQ(view.Text(ids::kLength), "1000");
    EXPECT_EQ(view.Text(ids::kHiddenDiameter), "100");
    EXPECT_EQ(Shown(0, 0), "");
}

TEST_F(AttenuatorFormTest, ShowsWholeDecibelsFiveWideWithHalvesUp) {
    struct Case {
        const char* length;
        int band;
        const char* shown;
    };
    const Case cases[] = {
        {"600", k1000Hz, "   29"},  // 29.4
        {"750", 2, "    8"},        // table entry 7.5 at 250 Hz
        {"1750", 6, "   43"},       // table entry 42.5 at 4000 Hz
    };
    for (const Case& c : cases) {
        Calculate("80", c.length);
        EXPECT_EQ(Shown(k25mm, c.band), c.shown) << c.length;
    }
    EXPECT_EQ(state.productInputs.diameter, 80);
    EXPECT_EQ(state.attenuatorLength, 1750);
    EXPECT_TRUE(view.Errors().empty());
}

// A refused input leaves every result as it was and is named with its permitted values.
TEST_F(AttenuatorFormTest, BadInputKeepsTheResultsAndNamesTheInput) {
    const std::string diameters =
        "The diameter must be one of 80, 100, 125, 140, 150, 160, 180, 200, 224, 250, 280, "
        "300, 315, 355, 400 mm";
    const std::string lengths = "The length must be from 500 to 2000 mm";
    struct Case {
        const char* diameter;
        const char* length;
        double storedDiameter;
        const std::string& message;
    };
    const Case cases[] = {
        {"450", "1000", 125, diameters}, {"80.5", "1000", 125, diameters},
        {"abc", "1000", 125, diameters}, {"", "1000", 125, diameters},
        {"80", "499", 80, lengths},      {"80", "2001", 80, lengths},
        {"80", "2000.5", 80, lengths},   {"80", "nan", 80, lengths},
        {"80", "inf", 80, lengths},      {"80", "", 80, lengths},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diameter << " mm, " << c.length << " mm");
        Calculate("125", "1200");
        auto before = view.Texts();
        Calculate(c.diameter, c.length);
        EXPECT_EQ(view.Errors().back(), c.message);
        view.Type(ids::kDiameterList, "125");
        view.Type(ids::kLength, "1200");
        before.erase(forms::kNotesField);  // the notes went with the press that made them
        auto after = view.Texts();
        after.erase(forms::kNotesField);
        EXPECT_EQ(after, before);
        EXPECT_EQ(state.productInputs.diameter, c.storedDiameter);
        EXPECT_EQ(state.attenuatorLength, 1200);
    }
    EXPECT_TRUE(diagnostics.str().empty());
}

TEST_F(AttenuatorFormTest, SaysWhichRowsAreEstimates) {
    Calculate("250", "1000");  // all three rows of 250 mm are catalogue values
    EXPECT_EQ(view.Text(forms::kNotesField), "");
    Calculate("400", "1000");  // only 25 mm is
    EXPECT_EQ(view.Text(forms::kNotesField),
              "The rows with 50 and 75 mm insulation are estimated insertion loss values, not "
              "catalogue values.");
}

TEST_F(AttenuatorFormTest, PickingADiameterShowsNothingUntilCalculate) {
    Calculate("80", "1000");
    const auto before = view.Texts();
    view.Type(ids::kDiameterList, "400");
    form->OnSelectionChange(view, ids::kDiameterList, 14);
    view.Type(ids::kDiameterList, "80");
    EXPECT_EQ(view.Texts(), before);
}

TEST_F(AttenuatorFormTest, AReopenedFormStartsFromWhatWasAccepted) {
    Calculate("80", "1234.5");
    Calculate("250", "12");  // the diameter is stored, the length is not

    const std::unique_ptr<forms::Form> reopened = forms::MakeForm<Schalldaempfer>(context);
    forms::TextView next(reopened->Description());
    forms::ShowInitialTexts(next, *reopened);
    EXPECT_EQ(next.Text(ids::kDiameterList), "100");
    EXPECT_EQ(next.Text(ids::kLength), "1235");
    EXPECT_EQ(next.Text(ids::kHiddenDiameter), "250");
    EXPECT_EQ(next.Text(ids::kInsertionLoss[0]), "");
}

}  // namespace
}  // namespace lorvane::attenuators
