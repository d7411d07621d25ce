#include "products/louvres/louvre_form.h"

#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "forms/text_view.h"
#include "products/louvres/louvre_evaluation.h"
#include "products/louvres/louvre_record.h"

namespace lorvane::louvres {
namespace {

using Texts = std::vector<std::string>;

// Every result field of the form: area, velocity, zeta, pressure loss, water separation, NC,
// the eight octave levels and the summation level.
std::vector<forms::ControlId> ResultFields() {
    std::vector<forms::ControlId> fields{ids::kFaceArea,     ids::kVelocity,        ids::kZeta,
                                         ids::kPressureLoss, ids::kWaterSeparation, ids::kNc};
    for (forms::ControlId id = ids::kOctave; id <= ids::kSummationLevel; ++id) {
        fields.push_back(id);
    }
    return fields;
}

const char* const kSiteA = "A Duct mounted, supply air";
const char* const kSiteB = "B Duct mounted, exhaust air";

class LouvreFormTest : public testing::Test {
  protected:
    LouvreFormTest() { Open(); }

    // A new opening of the form, with the state of the run so far.
    void Open() {
        form = forms::MakeForm<WSG>(context);
        view = std::make_unique<forms::TextView>(form->Description());
        forms::ShowInitialTexts(*view, *form);
    }

    // Types the texts and the list entries, as lorvane-calc does, and presses "Calculate".
    void Calculate(const std::string& width, const std::string& height, const std::string& flow,
                   const std::string& site = kSiteA, const std::string& model = "Zarn1") {
        view->Type(ids::kWidth, width);
        view->Type(ids::kHeight, height);
        view->Type(ids::kVolumeFlow, flow);
        view->Type(ids::kSiteList, site);
        view->Type(ids::kModelList, model);
        form->OnButton(*view, ids::kCalculate);
    }

    std::string Text(forms::ControlId id) const { return view->Text(id); }

    Texts ShownOctaves() const {
        Texts texts;
        for (int k = 0; k < kOctaveCount; ++k) {
            texts.push_back(Text(ids::kOctave + k));
        }
        return texts;
    }

    const LouvreSelection& Kept() { return state.Of<LouvreSelection>(); }

    SharedState state;
    std::ostringstream diagnostics;
    forms::FormContext context{state, diagnostics};
    std::unique_ptr<forms::Form> form;
    std::unique_ptr<forms::TextView> view;
};

TEST_F(LouvreFormTest, OpensWithTheFixedTextsAndTheFirstEntries) {
    const forms::FormDescription& description = form->Description();
    EXPECT_EQ(description.caption, "External weather louvres");
    EXPECT_EQ(description.errorCaption, "Fehler");
    EXPECT_EQ(description.defaultButton, 1181);
    const forms::Control* sites = description.Find(ids::kSiteList);
    ASSERT_NE(sites, nullptr);
    EXPECT_EQ(sites->kind, forms::ControlKind::List);
    EXPECT_EQ(sites->items,
              (Texts{kSiteA, kSiteB, "C Wall mounted, exhaust air", "D Wall mounted, supply air"}));
    EXPECT_EQ(description.Find(ids::kModelList)->items, (Texts{"Zarn1", "Zarn2"}));

    EXPECT_EQ(Text(ids::kWidth), "300");
    EXPECT_EQ(Text(ids::kHeight), "345");
    EXPECT_EQ(Text(ids::kVolumeFlow), "373");
    EXPECT_EQ(Text(ids::kSiteList), kSiteA);
    EXPECT_EQ(Text(ids::kModelList), "Zarn1");
    for (forms::ControlId id : ResultFields()) {
        EXPECT_EQ(Text(id), "") << id;
    }
}

struct FormExample {
    std::string name;
    std::string site, model;
    std::string zeta, pressureLoss, waterSeparation;
    Texts octaves;
    std::string summation, nc;
};

void PrintTo(const FormExample& e, std::ostream* out) {
    *out << e.name;
}

class LouvreFormExampleTest : public LouvreFormTest,
                              public testing::WithParamInterface<FormExample> {};

TEST_P(LouvreFormExampleTest, ShowsTheWorkedExampleInTheFormsFormats) {
    const FormExample& e = GetParam();
    Calculate("1000", "1000", "10000", e.site, e.model);
    EXPECT_TRUE(view->Errors().empty());
    EXPECT_EQ(Text(ids::kFaceArea), "1.000");
    EXPECT_EQ(Text(ids::kVelocity), "  3.0");
    EXPECT_EQ(Text(ids::kZeta), e.zeta);
    EXPECT_EQ(Text(ids::kPressureLoss), e.pressureLoss);
    EXPECT_EQ(Text(ids::kWaterSeparation), e.waterSeparation);
    EXPECT_EQ(ShownOctaves(), e.octaves);
    EXPECT_EQ(Text(ids::kSummationLevel), e.summation);
    EXPECT_EQ(Text(ids::kNc), e.nc);
    EXPECT_EQ(Text(forms::kNotesField), "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, LouvreFormExampleTest,
    testing::Values(
        FormExample{"Zarn1SiteA", kSiteA, "Zarn1", "  3.2", " 17.7", " 89.8",
                    {"   44", "   44", "   44", "   42", "   39", "   35", "   31", "   26"},
                    "   44", "   38"},
        FormExample{"Zarn2SiteB", kSiteB, "Zarn2", "  6.3", " 34.9", " 92.3",
                    {"   49", "   54", "   56", "   57", "   55", "   52", "   49", "   45"},
                    "   60", "   54"}),
    [](const testing::TestParamInfo<FormExample>& e) { return e.param.name; });
// clang-format on

TEST_F(LouvreFormTest, BelowEveryCurveTheNcFieldSaysSoAndTheRecordKeepsZero) {
    form->OnButton(*view, ids::kCalculate);  // the opening values
    EXPECT_TRUE(view->Errors().empty());
    EXPECT_EQ(Text(ids::kNc), "< 10");
    EXPECT_NE(Text(forms::kNotesField), "");
    const forms::ResultRecord& record = *form->LastRecord();
    EXPECT_EQ(record.NumberAt("nc"), 0.0);
    ASSERT_NE(record.FindValue("ncBelowLowestCurve"), nullptr);
    EXPECT_EQ(std::get<bool>(record.FindValue("ncBelowLowestCurve")->value), true);

    // A louvre loud enough for a rating shows it, and the note goes.
    Calculate("1000", "1000", "10000");
    EXPECT_EQ(Text(ids::kNc), "   38");
    EXPECT_EQ(Text(forms::kNotesField), "");
    EXPECT_EQ(std::get<bool>(form->LastRecord()->FindValue("ncBelowLowestCurve")->value), false);
}

// The chart compares the spectrum with the curves around its rating.
TEST_F(LouvreFormTest, TheRecordBringsTheCurvesThatBracketTheRating) {
    const auto labels = [this] {
        std::vector<std::string> names;
        for (const forms::ReferenceCurve& curve : form->LastRecord()->References()) {
            names.push_back(curve.label);
        }
        return names;
    };
    Calculate("1000", "1000", "10000");  // NC 38
    EXPECT_EQ(labels(), (std::vector<std::string>{"NC 35", "NC 40"}));
    const forms::ReferenceCurve& nc35 = form->LastRecord()->References().front();
    EXPECT_FALSE(nc35.levels[0].has_value());  // 63 Hz takes no part
    EXPECT_EQ(nc35.levels[1], 52);
    EXPECT_EQ(nc35.levels[7], 32);

    Calculate("300", "345", "373");  // below every curve
    EXPECT_EQ(labels(), std::vector<std::string>{"NC 10"});
}

struct FormRefusal {
    std::string name;
    std::string width, height, flow;
    std::string message;
};

void PrintTo(const FormRefusal& r, std::ostream* out) {
    *out << r.name;
}

class LouvreFormRefusalTest : public LouvreFormTest,
                              public testing::WithParamInterface<FormRefusal> {};

// A refused input empties every result field (the notes line with them) and shows its message
// once; the inputs keep what was typed, and a list entry that was typed but never picked is not
// kept for the run.
TEST_P(LouvreFormRefusalTest, EmptiesEveryResultField) {
    const FormRefusal& r = GetParam();
    form->OnButton(*view, ids::kCalculate);  // every field filled, the note shown
    ASSERT_TRUE(view->Errors().empty());

    Calculate(r.width, r.height, r.flow, kSiteB, "Zarn2");

    EXPECT_EQ(view->Errors(), Texts{r.message});
    for (forms::ControlId id : ResultFields()) {
        EXPECT_EQ(Text(id), "") << id;
    }
    EXPECT_EQ(Text(forms::kNotesField), "");
    EXPECT_EQ(Text(ids::kWidth), r.width);
    EXPECT_EQ(Text(ids::kHeight), r.height);
    EXPECT_EQ(Text(ids::kVolumeFlow), r.flow);
    EXPECT_EQ(Kept().site, LouvreSite::A);
    EXPECT_EQ(Kept().model, LouvreModel::Zarn1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FailureTable, LouvreFormRefusalTest,
    testing::Values(
        //          name                 width     height  flow    message
        FormRefusal{"WidthBelow",        "299.9",  "345",  "373",  "Bitte Breite korrigieren"},
        FormRefusal{"HeightBelow",       "300",    "344",  "373",  "Bitte Höhe korrigieren"},
        FormRefusal{"HeightEmpty",       "300",    "",     "373",  "Bitte Höhe korrigieren"},
        FormRefusal{"FaceVelocityBelow", "300",    "345",  "372",  "Bitte Volumenstrom korrigieren"},
        // 1000 x 1000 mm would pass at 3600 m3/h; the check takes the width as typed.
        FormRefusal{"CheckedAsTyped",    "1000.9", "1000", "3600", "Bitte Volumenstrom korrigieren"}),
    [](const testing::TestParamInfo<FormRefusal>& r) { return r.param.name; });
// clang-format on

TEST_F(LouvreFormTest, APickIsKeptAtOnceWithoutCalculating) {
    Calculate("1000", "1000", "10000");
    const auto before = view->Texts();

    view->SetText(ids::kSiteList, kSiteB);
    form->OnSelectionChange(*view, ids::kSiteList, 1);
    view->SetText(ids::kModelList, "Zarn2");
    form->OnSelectionChange(*view, ids::kModelList, 1);
    EXPECT_EQ(Kept().site, LouvreSite::B);
    EXPECT_EQ(Kept().model, LouvreModel::Zarn2);
    view->SetText(ids::kSiteList, kSiteA);
    view->SetText(ids::kModelList, "Zarn1");
    EXPECT_EQ(view->Texts(), before);  // the results stay until the next "Calculate"

    // Reopened: the picks are shown, the texts start fixed again.
    Open();
    EXPECT_EQ(Text(ids::kSiteList), kSiteB);
    EXPECT_EQ(Text(ids::kModelList), "Zarn2");
    EXPECT_EQ(Text(ids::kWidth), "300");
    EXPECT_EQ(Text(ids::kHeight), "345");
    EXPECT_EQ(Text(ids::kVolumeFlow), "373");
}

// lorvane-calc types the entries without picking them: the calculation takes them from the
// lists' texts and keeps them for the run.
TEST_F(LouvreFormTest, ACalculationTakesTheListsAsTheyShowAndKeepsThem) {
    Calculate("1000", "1000", "10000", "D Wall mounted, supply air", "Zarn2");
    EXPECT_EQ(Text(ids::kZeta), "  5.7");
    EXPECT_EQ(Kept().site, LouvreSite::D);
    EXPECT_EQ(Kept().model, LouvreModel::Zarn2);

    Open();
    EXPECT_EQ(Text(ids::kSiteList), "D Wall mounted, supply air");
    EXPECT_EQ(Text(ids::kModelList), "Zarn2");
    // A list shows one of its entries; a text that is none leaves it at the kept choice.
    Calculate("1000", "1000", "10000", "E", "");
    EXPECT_EQ(Text(ids::kZeta), "  5.7");
}

}  // namespace
}  // namespace lorvane::louvres
