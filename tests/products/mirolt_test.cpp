#include "products/circular/mirolt.h"

#include <gtest/gtest.h>

#include "core/attenuator_table.h"
#include "core/number_text.h"
#include "products/circular/daxel.h"
#include "products/circular/mirolt_form.h"
#include "tests/products/circular_form_harness.h"

namespace lorvane::circular {
namespace {

using namespace harness;

struct MiroltCase {
    double diameter, volumeFlow, pressure;
    const char* velocity;
    const char* minimumPressure;
    Texts octave;  // empty where the catalogue gives none
    const char* summationLevel;
    Texts casingSums;
};

void PrintTo(const MiroltCase& c, std::ostream* out) {
    *out << c.diameter << " mm, " << c.volumeFlow << " m3/h, " << c.pressure << " Pa";
}

class CalculateMiroltTest : public testing::TestWithParam<MiroltCase> {};

TEST_P(CalculateMiroltTest, GivesTheCatalogueValuesToTwoDecimals) {
    const MiroltCase& c = GetParam();
    const CircularResult r = CalculateMirolt(c.diameter, c.volumeFlow, c.pressure);
    EXPECT_EQ(Hundredths(r.velocity), c.velocity);
    EXPECT_EQ(Hundredths(r.minimumPressure), c.minimumPressure);
    ASSERT_TRUE(r.accepted);
    const CircularSpectrum& s = *r.spectrum;
    if (!c.octave.empty()) {
        EXPECT_EQ(Shown("%.2lf", s.octave), c.octave);
    }
    EXPECT_EQ(Hundredths(s.summationLevel), c.summationLevel);
    if (!c.casingSums.empty()) {
        EXPECT_EQ((Texts{Hundredths(s.casingSum[0]), Hundredths(s.casingSum[1]),
                         Hundredths(s.casingSum[2])}),
                  c.casingSums);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CalculateMiroltTest,
    testing::Values(
        // The substituted frequencies put the 63 Hz octave below the 125 Hz one.
        MiroltCase{200, 500, 250, "4.42", "31.66",
                   Texts{"64.80", "70.10", "63.39", "54.29", "48.94", "43.58", "38.27", "31.89"},
                   "59.25", Texts{"41.50", "39.07", "35.87"}},
        MiroltCase{80, 100, 250, "5.53", "43.84", {}, "55.75", {}}));

TEST(CalculateMirolt, MinimumPressureGrowsWithTheSquareOfTheVelocity) {
    // 1130.97 m3/h through 200 mm is 10 m/s: 100 / 0.9025 + 10.
    const CircularResult r = CalculateMirolt(200, 1130.973355292, 250);
    EXPECT_EQ(Hundredths(r.velocity), "10.00");
    EXPECT_EQ(Hundredths(r.minimumPressure), "120.80");
    EXPECT_EQ(CalculateMirolt(80, 20000, 250).minimumPressure, 9999);
}

TEST(CalculateMirolt, ARefusedPressureStopsBeforeTheSpectrum) {
    const CircularResult r = CalculateMirolt(80, 100, 42);  // needs 43.84 Pa
    EXPECT_FALSE(r.accepted);
    EXPECT_FALSE(r.spectrum);
    EXPECT_TRUE(CalculateMirolt(80, 100, 42.85).accepted);
}

TEST(MiroltCasingLoss, SharesTheDaxelRowsFrom100To400) {
    // Two transcriptions of one catalogue table that must agree.
    for (int row = 1; row < static_cast<int>(MiroltFlowRanges.size()); ++row) {
        const double diameter = MiroltFlowRanges[row].diameter;
        EXPECT_EQ(MiroltCasingLoss.Row(row),
                  DaxelCasingLoss.Row(DiameterRow(DaxelFlowRanges, diameter)))
            << diameter;
    }
}

class MiroltFormTest : public testing::Test {
  protected:
    FormHarness mirolt{forms::MakeForm<Mirolt>, 1160};
    forms::TextView& view = mirolt.view;
    SharedState& state = mirolt.state;
};

TEST_F(MiroltFormTest, IsTheDaxelFormWithItsOwnTextsAndDiameters) {
    const forms::FormDescription& form = mirolt.form->Description();
    EXPECT_EQ(form.caption, "Mirolt");
    ASSERT_NE(form.Find(1163), nullptr);
    EXPECT_EQ(form.Find(1163)->text,
              "Sound power level of the electronically regulated volume flow controller Mirolt");
    ASSERT_NE(form.Find(1160), nullptr);
    Texts diameters;
    for (double d : AttenuatorDiameters) {
        diameters.push_back(WholeNumber(d));
    }
    EXPECT_EQ(form.Find(1160)->items, diameters);
    ASSERT_NE(form.Find(1000), nullptr);
    EXPECT_EQ(form.Find(1000)->kind, forms::ControlKind::Hidden);
    int plain = 0;
    for (const forms::Control& control : form.controls) {
        plain += control.text == "Case-radiated noise";
        EXPECT_NE(control.text, "Case-radiated noise:");
    }
    EXPECT_EQ(plain, 1);

    mirolt.Open();
    EXPECT_EQ(view.Text(1160), "100");
    EXPECT_EQ(view.Text(1000), "100");
}

TEST_F(MiroltFormTest, ShowsTheCatalogueExampleFiveWide) {
    mirolt.Calculate("200", "500", "250", "0");
    EXPECT_TRUE(view.Errors().empty());
    const std::pair<int, const char*> shown[] = {{1158, "  160"}, {1159, " 1360"}, {1004, "  4.4"},
                                                 {1005, "   32"}, {1007, "   65"}, {1008, "   70"},
                                                 {1024, "   59"}, {1051, "   36"}};
    for (const auto& [id, text] : shown) {
        EXPECT_EQ(view.Text(id), text) << id;
    }
}

TEST_F(MiroltFormTest, AcceptsExactlyTheFlowRange) {
    for (const char* flow : {"25", "220"}) {
        mirolt.Calculate("80", flow, "250", "0");
        EXPECT_TRUE(view.Errors().empty()) << flow;
    }
    mirolt.Calculate("80", "220.1", "250", "0");
    EXPECT_EQ(view.Errors(), Texts{"Please correct volume flow"});
}

TEST_F(MiroltFormTest, ARefusedDiameterKeepsTheRange) {
    mirolt.form->OnSelectionChange(view, 1160, 14);  // "400"
    EXPECT_EQ(view.Text(1158), "  650");
    EXPECT_EQ(view.Text(1159), " 5400");
    mirolt.Calculate("450", "1000", "250", "0");  // a Daxel diameter
    EXPECT_EQ(view.Errors(), Texts{"Pease correct diameter"});
    EXPECT_EQ(view.Text(1158), "  650");
    EXPECT_EQ(view.Text(1159), " 5400");
}

TEST_F(MiroltFormTest, ARefusedPressureEmptiesTheAcousticRowsAndKeepsTheOctaveLevels) {
    mirolt.Calculate("80", "100", "250", "40");
    ASSERT_TRUE(view.Errors().empty());
    const Octaves accepted = state.octaveLevels;

    mirolt.Calculate("80", "100", "42", "40");

    EXPECT_EQ(view.Errors(), Texts{"Please increase differential pressure"});
    EXPECT_EQ(view.Text(1005), "   44");
    for (int id : Union({kAcousticFields, kAttenuatorFields})) {
        EXPECT_EQ(view.Text(id), "") << id;
    }
    EXPECT_EQ(state.octaveLevels, accepted);
    EXPECT_EQ(state.productInputs.differentialPressure, 42);
}

}  // namespace
}  // namespace lorvane::circular
