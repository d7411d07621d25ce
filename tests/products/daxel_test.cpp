#include "products/circular/daxel.h"

#include <cmath>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "products/circular/daxel_form.h"
#include "tests/products/circular_form_harness.h"

namespace lorvane::circular {
namespace {

using namespace harness;

TEST(CalculateDaxel, GivesTheCatalogueExampleToTwoDecimals) {
    const CircularResult r = CalculateDaxel(200, 500, 250);
    EXPECT_EQ(Hundredths(r.velocity), "4.42");
    EXPECT_EQ(Hundredths(r.minimumPressure), "47.59");
    EXPECT_FALSE(r.zeta);
    ASSERT_TRUE(r.accepted);
    const CircularSpectrum& s = *r.spectrum;
    EXPECT_EQ(Shown("%.2lf", s.octave),
              (Texts{"76.84", "70.97", "65.10", "59.21", "53.33", "47.44", "41.61", "34.76"}));
    EXPECT_EQ(Shown("%.2lf", s.octaveA),
              (Texts{"50.64", "54.87", "56.50", "56.01", "53.33", "48.64", "42.61", "33.66"}));
    // Weighted band by band over the 23 third octaves; weighting the octaves would give 61.98.
    EXPECT_EQ(Hundredths(s.summationLevel), "61.67");
    EXPECT_EQ(Hundredths(s.casingSum[0]), "44.45");
    EXPECT_EQ(Hundredths(s.casingSum[1]), "41.59");
    EXPECT_EQ(Hundredths(s.casingSum[2]), "38.12");
}

TEST(CalculateDaxel, The8kHzOctaveLacksIts10kHzBand) {
    const Octaves octave = CalculateDaxel(200, 500, 250).spectrum->octave;
    for (int k = 0; k + 2 < kOctaveCount; ++k) {
        EXPECT_NEAR(octave[k] - octave[k + 1], 5.87, 0.05) << k;
    }
    EXPECT_NEAR(octave[6] - octave[7], 6.856, 0.0005);
}

TEST(CalculateDaxel, ARefusedPressureStopsBeforeTheSpectrum) {
    const double minimum = CalculateDaxel(200, 500, 250).minimumPressure;
    const CircularResult atLimit = CalculateDaxel(200, 500, minimum - 1);
    EXPECT_TRUE(atLimit.accepted);
    EXPECT_TRUE(atLimit.spectrum);

    const CircularResult below = CalculateDaxel(200, 500, std::nextafter(minimum - 1, 0.0));
    EXPECT_FALSE(below.accepted);
    EXPECT_FALSE(below.spectrum);
    EXPECT_EQ(Hundredths(below.velocity), "4.42");
    EXPECT_EQ(below.minimumPressure, minimum);
}

class DaxelFormTest : public testing::Test {
  protected:
    FormHarness daxel{forms::MakeForm<CDaxel>, 1129};
    forms::TextView& view = daxel.view;
    SharedState& state = daxel.state;
};

TEST_F(DaxelFormTest, OpensAt100WithTheStoredDiameterInTheHiddenField) {
    state.productInputs.diameter = 224.4;
    daxel.Open();
    EXPECT_EQ(view.Text(1129), "100");
    EXPECT_EQ(view.Text(1000), "224");
    EXPECT_EQ(view.Text(1001), "100");
    EXPECT_EQ(view.Text(1002), "250");
    EXPECT_EQ(view.Text(1003), "0");

    const forms::FormDescription& form = daxel.form->Description();
    EXPECT_EQ(form.caption, "Daxel");
    ASSERT_NE(form.Find(1165), nullptr);
    EXPECT_EQ(form.Find(1165)->text,
              "Sound power level of the electronically regulated volume flow controller Daxel");
    ASSERT_NE(form.Find(1000), nullptr);
    EXPECT_EQ(form.Find(1000)->kind, forms::ControlKind::Hidden);
    ASSERT_NE(form.Find(1129), nullptr);
    EXPECT_EQ(form.Find(1129)->items,
              (Texts{"100", "125", "140", "150", "160", "180", "200", "224", "250", "280", "300",
                     "315", "355", "400", "450", "500", "560", "630"}));
    for (forms::ControlId id : {1153, 1154}) {
        ASSERT_NE(form.Find(id), nullptr) << id;
        EXPECT_EQ(form.Find(id)->kind, forms::ControlKind::Result) << id;
    }
}

TEST_F(DaxelFormTest, ShowsTheCatalogueExampleFiveWide) {
    daxel.Calculate("200", "500", "250", "0");
    EXPECT_TRUE(view.Errors().empty());
    const std::pair<int, const char*> shown[] = {{1153, "  165"}, {1154, " 1100"}, {1004, "  4.4"},
                                                 {1005, "   48"}, {1007, "   77"}, {1014, "   35"},
                                                 {1016, "   51"}, {1023, "   34"}, {1024, "   62"},
                                                 {1033, "   44"}, {1042, "   42"}, {1051, "   38"}};
    for (const auto& [id, text] : shown) {
        EXPECT_EQ(view.Text(id), text) << id;
    }
    EXPECT_EQ(state.octaveLevels, CalculateDaxel(200, 500, 250).spectrum->octave);
    EXPECT_EQ(state.productInputs.velocity, CalculateDaxel(200, 500, 250).velocity);
}

TEST_F(DaxelFormTest, AcceptsExactlyTheFlowRange) {
    struct {
        const char* diameter;
        const char* flow;
        bool accepted;
    } const cases[] = {
        {"100", "38", true},     {"100", "250", true},     {"100", "37.9", false},
        {"100", "250.1", false}, {"400", "675", true},     {"450", "675", true},
        {"450", "4500", true},   {"450", "4500.1", false}, {"630", "8400", true},
    };
    for (const auto& c : cases) {
        const std::size_t errors = view.Errors().size();
        daxel.Calculate(c.diameter, c.flow, "250", "0");
        const bool refused = view.Errors().size() > errors;
        EXPECT_EQ(!refused, c.accepted) << c.diameter << " mm, " << c.flow << " m3/h";
    }
}

TEST_F(DaxelFormTest, TheListShowsTheRangeOfTheChosenDiameterAtOnce) {
    struct {
        int index;
        const char* vmin;
        const char* vmax;
    } const cases[] = {{0, "   38", "  250"},
                       {13, "  675", " 4500"},  // 400 mm
                       {14, "  675", " 4500"},  // 450 mm: the same range
                       {17, " 1260", " 8400"}};
    for (const auto& c : cases) {
        daxel.form->OnSelectionChange(view, 1129, c.index);
        EXPECT_EQ(view.Text(1153), c.vmin) << c.index;
        EXPECT_EQ(view.Text(1154), c.vmax) << c.index;
    }
    EXPECT_EQ(state.productInputs.diameter, 100);  // nothing is stored
}

using harness::Refusal;

class DaxelRefusalTest : public DaxelFormTest, public testing::WithParamInterface<Refusal> {};

const std::set<int> kRangeFields = {1153, 1154};

TEST_P(DaxelRefusalTest, EmptiesExactlyItsFieldsAndKeepsWhatWasAccepted) {
    // No refusal computes a spectrum: OctaveLevels stays as it was.
    harness::ExpectRefusal(
        daxel, Union({kAcousticFields, kAttenuatorFields, kVelocityFields, kRangeFields}),
        GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FailureTable, DaxelRefusalTest,
    testing::Values(
        // name                 diameter flow    dp         target message
        //     emptied                                        updated
        //     stored: diameter, flow, pressure, target
        // After a refused diameter Vmin and Vmax keep the range of the last accepted one.
        Refusal{"Diameter",         "90",  "100",  "250",     "0",  "Please correct diameter",
                Union({kAcousticAndAttenuator, kVelocityFields}), {},
                250, 1000, 500, 40},
        Refusal{"DiameterText",     "abc", "100",  "250",     "0",  "Please correct diameter",
                Union({kAcousticAndAttenuator, kVelocityFields}), {},
                250, 1000, 500, 40},
        Refusal{"VolumeFlow",       "100", "37.9", "250",     "0",  "Please correct volume flow",
                Union({kAcousticAndAttenuator, kVelocityFields}), kRangeFields,
                100, 1000, 500, 40},
        Refusal{"Pressure",         "100", "100",  "10000.5", "0",  "Please correct differential pressure",
                kAcousticAndAttenuator, kRangeFields,
                100, 100, 500, 40},
        Refusal{"Target",           "100", "100",  "250",     "-1", "Please correct Sound level",
                kAcousticAndAttenuator, kRangeFields,
                100, 100, 250, 40},
        Refusal{"IncreasePressure", "100", "250",  "1",       "30", "Please increase differential pressure",
                kAcousticAndAttenuator, Union({kRangeFields, kVelocityFields}),
                100, 250, 1, 30}),
    [](const testing::TestParamInfo<Refusal>& refusal) { return refusal.param.name; });
// clang-format on

TEST_F(DaxelFormTest, ARefusedPressureStoresTheVelocityButNoSpectrum) {
    daxel.Calculate("200", "500", "250", "0");
    const Octaves accepted = state.octaveLevels;

    daxel.Calculate("200", "600", "49", "0");  // 5.3 m/s needs 51.55 Pa

    EXPECT_EQ(view.Errors(), Texts{"Please increase differential pressure"});
    EXPECT_EQ(state.octaveLevels, accepted);
    EXPECT_EQ(state.productInputs.velocity, CalculateDaxel(200, 600, 250).velocity);
    EXPECT_EQ(view.Text(1004), "  5.3");
    EXPECT_EQ(view.Text(1005), "   52");
}

class DaxelWithoutAttenuatorData : public DaxelFormTest,
                                   public testing::WithParamInterface<const char*> {};

TEST_P(DaxelWithoutAttenuatorData, KeepsTheAttenuatorRowsAndTellsTheDiagnostics) {
    daxel.Calculate("400", "1300", "250", "40");
    ASSERT_TRUE(view.Errors().empty());
    const forms::TextView before = view;
    daxel.diagnostics.str("");

    daxel.Calculate(GetParam(), "1300", "250", "40");

    EXPECT_TRUE(view.Errors().empty());
    for (int id : kAttenuatorFields) {
        EXPECT_EQ(view.Text(id), before.Text(id)) << id;
    }
    EXPECT_NE(view.Text(1024), before.Text(1024));  // the controller's own rows are new
    EXPECT_EQ(daxel.diagnostics.str(), "No silencer values for this diameter");
}

INSTANTIATE_TEST_SUITE_P(LargeDiameters, DaxelWithoutAttenuatorData,
                         testing::Values("450", "500", "560", "630"));

}  // namespace
}  // namespace lorvane::circular
