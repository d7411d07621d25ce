#include "products/circular/selmon.h"

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/number_text.h"
#include "forms/text_view.h"
#include "products/circular/selmon_form.h"
#include "products/circular/zeta_sound_model.h"
#include "tests/products/circular_form_harness.h"

namespace lorvane::circular {
namespace {

std::vector<std::string> Rounded(const Octaves& levels) {
    return harness::Shown("%.0lf", levels);
}

using Texts = std::vector<std::string>;

TEST(CalculateSelmon, StartValuesGiveTheCatalogueExample) {
    const CircularResult r = CalculateSelmon(100, 100, 250);
    EXPECT_EQ(FormatNumber("%5.1lf", r.velocity), "  3.5");
    EXPECT_NEAR(*r.zeta, 33.31, 0.005);
    EXPECT_EQ(FormatNumber("%5.0lf", r.minimumPressure), "   45");
    EXPECT_TRUE(r.accepted);
    const CircularSpectrum& s = *r.spectrum;
    EXPECT_EQ(Rounded(s.octave), (Texts{"51", "51", "49", "48", "47", "48", "43", "42"}));
    EXPECT_EQ(Rounded(s.octaveA), (Texts{"25", "35", "41", "45", "47", "49", "44", "41"}));
    EXPECT_EQ(FormatNumber("%.0lf", s.summationLevel), "53");
    EXPECT_EQ(Rounded(s.casing[0]), (Texts{"36", "31", "24", "23", "31", "32", "27", "28"}));
    EXPECT_EQ(Rounded(s.casing[1]), (Texts{"36", "30", "22", "22", "23", "21", "12", "15"}));
    EXPECT_EQ(Rounded(s.casing[2]), (Texts{"35", "28", "18", "10", "11", "9", "-0", "3"}));
    EXPECT_EQ(Rounded({s.casingSum[0], s.casingSum[1], s.casingSum[2]}).front(), "37");
    EXPECT_EQ(FormatNumber("%.0lf", s.casingSum[1]), "28");
    EXPECT_EQ(FormatNumber("%.0lf", s.casingSum[2]), "18");
}

struct ZetaCase {
    double diameter, volumeFlow, pressure;
    double zeta;
    double c0;  // identifies the coefficient set
};

void PrintTo(const ZetaCase& c, std::ostream* out) {
    *out << c.diameter << " mm, " << c.volumeFlow << " m3/h, " << c.pressure << " Pa";
}

class SelmonZetaTest : public testing::TestWithParam<ZetaCase> {};

TEST_P(SelmonZetaTest, ChoosesTheCoefficientSetByZeta) {
    const ZetaCase& c = GetParam();
    const CircularResult r = CalculateSelmon(c.diameter, c.volumeFlow, c.pressure);
    EXPECT_NEAR(*r.zeta, c.zeta, 0.05);
    EXPECT_EQ(CoefficientsForZeta(*r.zeta).c0, c.c0);
}

INSTANTIATE_TEST_SUITE_P(Examples, SelmonZetaTest,
                         testing::Values(ZetaCase{200, 500, 100, 8.53, 26.9551},
                                         ZetaCase{100, 100, 250, 33.31, 12.6168},
                                         ZetaCase{80, 40, 500, 170.5, -14.206}));

TEST(CoefficientsForZeta, BoundariesBelongToTheLowerSet) {
    EXPECT_EQ(CoefficientsForZeta(20).c0, 26.9551);
    EXPECT_EQ(CoefficientsForZeta(std::nextafter(20.0, 21.0)).c0, 12.6168);
    EXPECT_EQ(CoefficientsForZeta(50).c0, 12.6168);
    EXPECT_EQ(CoefficientsForZeta(std::nextafter(50.0, 51.0)).c0, -14.206);
}

TEST(CalculateSelmon, MinimumPressureIsCappedAt9999) {
    // 2000 m3/h through 80 mm is about 110 m/s, far outside every flow range.
    const CircularResult r = CalculateSelmon(80, 2000, 250);
    EXPECT_GT(r.velocity, 70);
    EXPECT_EQ(r.minimumPressure, 9999);
    EXPECT_FALSE(r.accepted);
}

TEST(CalculateSelmon, APressureUpTo1PaBelowTheMinimumIsAccepted) {
    const double minimum = CalculateSelmon(100, 100, 250).minimumPressure;
    EXPECT_TRUE(CalculateSelmon(100, 100, minimum - 1).accepted);
    EXPECT_FALSE(CalculateSelmon(100, 100, std::nextafter(minimum - 1, 0.0)).accepted);
}

using harness::kAcousticAndAttenuator;
using harness::kAcousticFields;
using harness::kAttenuatorFields;
using harness::kVelocityFields;
using harness::Union;

const std::set<int> kRange = {1149, 1150};
const std::set<int> kResults = Union({kAcousticFields, kAttenuatorFields, kVelocityFields, kRange});

class SelmonFormTest : public testing::Test, protected harness::FormHarness {
  protected:
    SelmonFormTest() : FormHarness(forms::MakeForm<CSelmonDialog>, 1157) {}
};

TEST_F(SelmonFormTest, ShowsTheStartValuesExample) {
    Open();
    form->OnButton(view, 1083);
    EXPECT_TRUE(view.Errors().empty());
    EXPECT_EQ(view.Text(1149), "   70");
    EXPECT_EQ(view.Text(1150), "  220");
    EXPECT_EQ(view.Text(1004), "  3.5");
    EXPECT_EQ(view.Text(1005), "   45");
    EXPECT_EQ(view.Text(1007), "  51");
    EXPECT_EQ(view.Text(1024), "  53");
    EXPECT_EQ(view.Text(1049), "  -0");
    EXPECT_EQ(view.Text(1051), "  18");
    for (int id : kAttenuatorFields) {
        EXPECT_EQ(view.Text(id), "") << id;  // target 0: no attenuator wanted
    }
}

using harness::Refusal;

class SelmonRefusalTest : public SelmonFormTest, public testing::WithParamInterface<Refusal> {};

TEST_P(SelmonRefusalTest, EmptiesExactlyItsFieldsAndKeepsWhatWasAccepted) {
    harness::ExpectRefusal(*this, kResults, GetParam());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FailureTable, SelmonRefusalTest,
    testing::Values(
        // name                 diameter flow    dp       target   message
        //     emptied                                        updated
        //     stored: diameter, flow, pressure, target
        Refusal{"Diameter",          "90",  "100",  "250",  "0",     "Pease correct diameter",
                Union({kAcousticAndAttenuator, kVelocityFields, kRange}), {},
                250, 1000, 500, 40},
        Refusal{"DiameterText",      "abc", "100",  "250",  "0",     "Pease correct diameter",
                Union({kAcousticAndAttenuator, kVelocityFields, kRange}), {},
                250, 1000, 500, 40},
        Refusal{"VolumeFlow",        "100", "69.9", "250",  "0",     "Please correct volume flow",
                Union({kAcousticAndAttenuator, kVelocityFields}), kRange,
                100, 1000, 500, 40},
        Refusal{"Pressure",          "100", "100",  "0.05", "0",     "Please correct differential pressure",
                kAcousticAndAttenuator, kRange,
                100, 100, 500, 40},
        Refusal{"PressureNotFinite", "100", "100",  "nan",  "0",     "Please correct differential pressure",
                kAcousticAndAttenuator, kRange,
                100, 100, 500, 40},
        Refusal{"Target",            "100", "100",  "250",  "100.1", "Please correct Sound level",
                kAcousticAndAttenuator, kRange,
                100, 100, 250, 40},
        Refusal{"TargetNegative",    "100", "100",  "250",  "-1",    "Please correct Sound level",
                kAcousticAndAttenuator, kRange,
                100, 100, 250, 40},
        // The Selmon computes its spectrum before it compares the pressure, and keeps it.
        Refusal{"IncreasePressure",  "80",  "125",  "1",    "30",    "Please increase differential pressure",
                kAcousticAndAttenuator, Union({kRange, kVelocityFields}),
                80, 125, 1, 30, true}),
    [](const testing::TestParamInfo<Refusal>& refusal) { return refusal.param.name; });
// clang-format on

TEST_F(SelmonFormTest, AcceptsTheExactLimits) {
    for (const char* flow : {"70", "220"}) {
        Calculate("100", flow, "250", "0");
        EXPECT_TRUE(view.Errors().empty()) << flow;
    }
    Calculate("100", "100", "10000", "100");
    Calculate("100", "100", "0.1", "0");
    EXPECT_EQ(view.Errors(), std::vector<std::string>{"Please increase differential pressure"});
}

TEST_F(SelmonFormTest, TheListShowsTheRangeOfTheChosenDiameterAtOnce) {
    form->OnSelectionChange(view, 1157, 11);  // "400"
    EXPECT_EQ(view.Text(1149), " 1000");
    EXPECT_EQ(view.Text(1150), " 4000");
    EXPECT_EQ(state.productInputs.diameter, 100);  // nothing is stored
}

TEST_F(SelmonFormTest, ALaterOpeningStartsFromWhatWasAccepted) {
    Calculate("250", "1000", "250.6", "40");
    CSelmonDialog reopened{context};
    forms::TextView next(reopened.Description());
    forms::ShowInitialTexts(next, reopened);
    EXPECT_EQ(next.Text(1157), "100");  // the list always opens at 100
    EXPECT_EQ(next.Text(1001), "1000");
    EXPECT_EQ(next.Text(1002), "251");
    EXPECT_EQ(next.Text(1003), "40");
}

// A decimal comma is the decimal point: the form shows what it shows for the point. A number with
// both a comma and a point is refused as a text without a number is.
TEST_F(SelmonFormTest, ADecimalCommaIsTheDecimalPoint) {
    Open();
    Calculate("250", "812.5", "150.7", "35");
    const forms::TextView withPoints = view;
    Calculate("250", "812,5", "150,7", "35");
    EXPECT_TRUE(view.Errors().empty());
    EXPECT_EQ(state.productInputs.volumeFlow, 812.5);
    EXPECT_EQ(state.productInputs.differentialPressure, 150.7);
    for (const int id : kResults) {
        EXPECT_EQ(view.Text(id), withPoints.Text(id)) << id;
    }

    Calculate("250", "abc", "250", "35");
    Calculate("250", "1.234,5", "250", "35");
    ASSERT_EQ(view.Errors().size(), 2u);
    EXPECT_EQ(view.Errors()[1], view.Errors()[0]);
    EXPECT_EQ(state.productInputs.volumeFlow, 812.5);
}

}  // namespace
}  // namespace lorvane::circular
