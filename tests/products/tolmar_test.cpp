#include "products/circular/tolmar.h"

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "products/circular/selmon.h"
#include "products/circular/tolmar_form.h"
#include "tests/products/circular_form_harness.h"

namespace lorvane::circular {
namespace {

using namespace harness;

struct TolmarCase {
    const char* name;
    double diameter, volumeFlow, pressure;
    const char* velocity;  // "%5.1lf"
    double zeta;
    const char* minimumPressure;  // "%5.0lf"
    Texts octave;                 // whole dB
    const char* summationLevel;
    Texts casingSums;
};

void PrintTo(const TolmarCase& c, std::ostream* out) {
    *out << c.name;
}

class CalculateTolmarTest : public testing::TestWithParam<TolmarCase> {};

TEST_P(CalculateTolmarTest, GivesTheCatalogueValues) {
    const TolmarCase& c = GetParam();
    const CircularResult r = CalculateTolmar(c.diameter, c.volumeFlow, c.pressure);
    EXPECT_EQ(FormatNumber("%5.1lf", r.velocity), c.velocity);
    EXPECT_NEAR(*r.zeta, c.zeta, 0.05);
    EXPECT_EQ(FormatNumber("%5.0lf", r.minimumPressure), c.minimumPressure);
    EXPECT_TRUE(r.accepted);
    const CircularSpectrum& s = *r.spectrum;
    EXPECT_EQ(Shown("%.0lf", s.octave), c.octave);
    EXPECT_EQ(FormatNumber("%.0lf", s.summationLevel), c.summationLevel);
    const Texts sums{FormatNumber("%.0lf", s.casingSum[0]), FormatNumber("%.0lf", s.casingSum[1]),
                     FormatNumber("%.0lf", s.casingSum[2])};
    EXPECT_EQ(sums, c.casingSums);
}

INSTANTIATE_TEST_SUITE_P(Examples, CalculateTolmarTest,
                         testing::Values(
                             // The start values: the same spectrum and casing as the Selmon at 100
                             // mm, but the cubic minimum pressure (about 44.9).
                             TolmarCase{"StartValues", 100, 100, 250, "  3.5", 33.31, "   45",
                                        Texts{"51", "51", "49", "48", "47", "48", "43", "42"}, "53",
                                        Texts{"37", "28", "18"}},
                             // Zeta far above 50: the third coefficient set.
                             TolmarCase{"LowVelocity", 250, 240, 500, "  1.4", 451.8, "   42",
                                        Texts{"57", "58", "56", "55", "54", "53", "46", "44"}, "59",
                                        Texts{"53", "44", "35"}}),
                         [](const testing::TestParamInfo<TolmarCase>& c) { return c.param.name; });

TEST(CalculateTolmar, MinimumPressureIsTheCubicInTheVelocity) {
    // 160 mm at 350 m3/h is 4.835 m/s: 57.39 Pa, where the Selmon's quadratic gives 54.2.
    const CircularResult r = CalculateTolmar(160, 350, 20);
    EXPECT_NEAR(r.minimumPressure, 57.39, 0.005);
    EXPECT_FALSE(r.accepted);
    // Outside every flow range the cubic runs past the cap.
    EXPECT_EQ(CalculateTolmar(80, 2000, 250).minimumPressure, 9999);
}

TEST(TolmarCasingLoss, TakesTheSelmonRowOfEachOwnDiameter) {
    // 160 mm is the fourth Tolmar diameter but the sixth of the Selmon.
    const CasingLosses row160 = TolmarCasingLoss.Row(3);
    EXPECT_EQ(row160[0], (Octaves{11, 20, 16, 11, 9, 8, 8, 9}));
    EXPECT_EQ(row160[1], (Octaves{12, 21, 18, 13, 18, 16, 18, 17}));
    EXPECT_EQ(row160[2], (Octaves{14, 23, 23, 24, 30, 28, 30, 29}));
    EXPECT_EQ(TolmarCasingLoss.Row(5)[0], (Octaves{10, 20, 10, 9, 7, 5, 5, 4}));  // 250 mm
}

class TolmarFormTest : public testing::Test {
  protected:
    FormHarness tolmar{forms::MakeForm<Tolmar>, 1157};
};

TEST_F(TolmarFormTest, IsTheSelmonFormWithItsOwnTextsAndDiameters) {
    const forms::FormDescription& form = tolmar.form->Description();
    EXPECT_EQ(form.caption, "Tolmar");
    ASSERT_NE(form.Find(1164), nullptr);
    EXPECT_EQ(form.Find(1164)->text,
              "Sound power level of the constant volume flow controller Tolmar");
    ASSERT_NE(form.Find(1157), nullptr);
    EXPECT_EQ(form.Find(1157)->items, (Texts{"80", "100", "125", "160", "200", "250"}));
    EXPECT_EQ(form.Find(1000), nullptr);  // no hidden diameter field
}

TEST_F(TolmarFormTest, ShowsTheStartValuesExample) {
    tolmar.Open();
    tolmar.form->OnButton(tolmar.view, 1083);
    const forms::TextView& view = tolmar.view;
    EXPECT_TRUE(view.Errors().empty());
    EXPECT_EQ(view.Text(1149), "   40");
    EXPECT_EQ(view.Text(1150), "  125");
    EXPECT_EQ(view.Text(1004), "  3.5");
    EXPECT_EQ(view.Text(1005), "   45");
    EXPECT_EQ(view.Text(1007), "  51");
    EXPECT_EQ(view.Text(1024), "  53");
    EXPECT_EQ(view.Text(1051), "  18");
}

TEST_F(TolmarFormTest, RefusesAPressureBelowTheCubicMinimum) {
    tolmar.Calculate("250", "240", "500", "40");  // fills every result field
    ASSERT_TRUE(tolmar.view.Errors().empty());
    const Octaves before = tolmar.state.octaveLevels;

    tolmar.Calculate("160", "350", "20", "40");  // 350 is exactly Vmax

    const forms::TextView& view = tolmar.view;
    EXPECT_EQ(view.Errors(), Texts{"Please increase differential pressure"});
    EXPECT_EQ(view.Text(1004), "  4.8");
    EXPECT_EQ(view.Text(1005), "   57");
    EXPECT_EQ(view.Text(1149), "  100");
    EXPECT_EQ(view.Text(1150), "  350");
    for (int id : Union({kAcousticFields, kAttenuatorFields})) {
        EXPECT_EQ(view.Text(id), "") << id;
    }
    EXPECT_EQ(tolmar.state.productInputs.volumeFlow, 350);
    EXPECT_EQ(tolmar.state.productInputs.differentialPressure, 20);
    EXPECT_NE(tolmar.state.octaveLevels, before);  // the zeta model computes before it refuses
}

TEST_F(TolmarFormTest, RefusesAFlowTheSelmonWouldAccept) {
    tolmar.Calculate("100", "200", "250", "0");  // Selmon permits 70 to 220 at 100 mm
    EXPECT_EQ(tolmar.view.Errors(), Texts{"Please correct volume flow"});
    EXPECT_EQ(tolmar.view.Text(1149), "   40");
    EXPECT_EQ(tolmar.view.Text(1150), "  125");
    EXPECT_EQ(tolmar.state.productInputs.volumeFlow, 100);  // the start value stays
}

TEST_F(TolmarFormTest, RefusesASelmonDiameterItIsNotMadeIn) {
    tolmar.Calculate("100", "100", "250", "0");
    tolmar.Calculate("140", "100", "250", "0");
    EXPECT_EQ(tolmar.view.Errors(), Texts{"Pease correct diameter"});
    for (int id : {1149, 1150, 1004, 1005}) {
        EXPECT_EQ(tolmar.view.Text(id), "") << id;  // as in the Selmon form
    }
}

TEST_F(TolmarFormTest, TheListShowsItsOwnRange) {
    tolmar.form->OnSelectionChange(tolmar.view, 1157, 5);  // "250"
    EXPECT_EQ(tolmar.view.Text(1149), "  240");
    EXPECT_EQ(tolmar.view.Text(1150), "  800");
}

}  // namespace
}  // namespace lorvane::circular
