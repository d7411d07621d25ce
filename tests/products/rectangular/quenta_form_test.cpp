#include "products/rectangular/quenta_form.h"

#include <gtest/gtest.h>

#include "forms/record_fields.h"
#include "tests/products/rectangular/rect_form_harness.h"

namespace lorvane::rectangular {
namespace {

using harness::AcousticFields;
using harness::kFlowFields;
using harness::kNotes;
using harness::Texts;
using harness::Union;

const std::set<int> kAcoustic = AcousticFields(1121);
const std::set<int> kNozzles{1000, 1017, 1018, 1020, 1021};
const std::set<int> kTorques{1006, 1015, 1016};
const std::set<int> kResults = Union({kAcoustic, kFlowFields, kNozzles, kTorques});

// Nominal size, quantity, C-factor, Vmin and Vmax.
const std::vector<int> kNozzleIds{1000, 1020, 1021, 1017, 1018};

class QuentaFormTest : public testing::Test {
  protected:
    harness::FormHarness form{&forms::MakeForm<Quenta>};
};

TEST_F(QuentaFormTest, ShowsTheCatalogueExampleInTheFormsFormats) {
    form.Open();
    form.Calculate("600", "300", "5000", "250");
    EXPECT_TRUE(form.view.Errors().empty());
    EXPECT_EQ(form.TextsOf(kNozzleIds),
              (Texts{"    355", "      2", "    440", "   1050", "   7000"}));
    EXPECT_EQ(form.TextsOf({1004, 1005}), (Texts{"  7.7", "  100"}));
    EXPECT_EQ(form.TextsOf({1006, 1015, 1016}), (Texts{" 1.5", " 2.5", " 5.6"}));
    EXPECT_EQ(form.TextsOf({1007, 1008, 1009, 1010, 1011, 1012, 1013, 1014, 1121}),
              (Texts{"  72", "  70", "  68", "  63", "  57", "  52", "  50", "  53", "  65"}));
    EXPECT_EQ(form.TextsOf({1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033}),
              (Texts{"  72", "  66", "  64", "  57", "  50", "  43", "  40", "  41", "  59"}));
    EXPECT_EQ(form.TextsOf({1085, 1086, 1087, 1088, 1089, 1090, 1091, 1092, 1093}),
              (Texts{"  72", "  64", "  60", "  49", "  40", "  32", "  30", "  32", "  55"}));
    EXPECT_EQ(form.view.Text(kNotes), "");
}

struct NozzleCase {
    const char* width;
    const char* height;
    const char* flow;
    Texts nozzles;  // nominal size, quantity, C-factor, Vmin, Vmax
    std::string note;
};

void PrintTo(const NozzleCase& c, std::ostream* out) {
    *out << c.width << " x " << c.height << " mm";
}

class QuentaNozzleFormTest : public QuentaFormTest,
                             public testing::WithParamInterface<NozzleCase> {};

TEST_P(QuentaNozzleFormTest, ShowsTheNozzlesOrZerosWithANote) {
    const NozzleCase& c = GetParam();
    form.Open();
    form.Calculate(c.width, c.height, c.flow, "250");
    EXPECT_TRUE(form.view.Errors().empty());
    EXPECT_EQ(form.TextsOf(kNozzleIds), c.nozzles);
    EXPECT_EQ(form.view.Text(kNotes), c.note);
    EXPECT_NE(form.view.Text(1121), "");
}

const Texts kZeros(5, "      0");
const std::string kNone(kNoNozzlesNote);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Sizes, QuentaNozzleFormTest,
    testing::Values(
        //         W       H       V        size       n          C          Vmin       Vmax
        NozzleCase{"200",  "100",  "75",    {"    100", "      2", "     32", "     75", "    500"}, ""},
        NozzleCase{"1000", "200",  "5500",  {"    200", "      5", "    355", "    825", "   5500"}, ""},
        NozzleCase{"600",  "600",  "14000", {"    355", "      4", "    880", "   2100", "  14000"}, ""},
        NozzleCase{"1200", "1200", "6300",  {"    355", "     12", "   2640", "   6300", "  42000"}, ""},
        // Without an arrangement any volume flow passes.
        NozzleCase{"500",  "403",  "9000",  kZeros, kNone},
        NozzleCase{"1000", "820",  "1",     kZeros, kNone}));
// clang-format on

// One refused press after an accepted one at 600 x 300 mm, 5000 m3/h and 250 Pa: what is
// typed, the error box, the fields emptied and those showing new values (all others keep their
// text), and what the shared state holds afterwards.
struct QuentaFormRefusal {
    const char* name;
    const char* width;
    const char* height;
    const char* flow;
    const char* dp;
    const char* message;
    std::set<int> emptied;
    std::set<int> updated;
    double width_, height_, flow_, dp_;
};

void PrintTo(const QuentaFormRefusal& r, std::ostream* out) {
    *out << r.name;
}

class QuentaRefusalFormTest : public QuentaFormTest,
                              public testing::WithParamInterface<QuentaFormRefusal> {};

TEST_P(QuentaRefusalFormTest, EmptiesItsFieldsAndKeepsWhatWasAccepted) {
    const QuentaFormRefusal& r = GetParam();
    form.Open();
    form.Calculate("600", "300", "5000", "250");
    ASSERT_TRUE(form.view.Errors().empty());
    const forms::TextView before = form.view;

    form.Calculate(r.width, r.height, r.flow, r.dp);

    EXPECT_EQ(form.view.Errors(), Texts{r.message});
    harness::ExpectFields(before, form.view, kResults, r.emptied, r.updated);
    EXPECT_EQ(form.view.Text(1001), r.flow);  // the inputs keep what the user typed
    const ProductInputs& stored = form.state.productInputs;
    EXPECT_EQ(stored.width, r.width_);
    EXPECT_EQ(stored.height, r.height_);
    EXPECT_EQ(stored.volumeFlow, r.flow_);
    EXPECT_EQ(stored.differentialPressure, r.dp_);
}

const std::set<int> kAll = kResults;
const std::set<int> kBehindTheNozzles = Union({kAcoustic, kFlowFields, kTorques});

// 1000 x 200 mm takes 5 nozzles of 200 mm: 825 to 5500 m3/h.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FailureTable, QuentaRefusalFormTest,
    testing::Values(
        //                name                W       H      V       dp
        //                message                                   emptied            updated
        //                stored: W, H, V, dp
        QuentaFormRefusal{"WidthAbove",       "1201", "200", "3000", "100",
                          "Please correct the width",               kAll,              {},
                          600, 300, 5000, 250},
        QuentaFormRefusal{"HeightAboveWidth", "300",  "400", "3000", "100",
                          "Please correct the height: it may not exceed the width", kAll, {},
                          300, 300, 5000, 250},
        QuentaFormRefusal{"FlowBelow",        "1000", "200", "824",  "100",
                          "Please correct volume flow",             kBehindTheNozzles, kNozzles,
                          1000, 200, 5000, 250},
        QuentaFormRefusal{"FlowAbove",        "1000", "200", "5501", "100",
                          "Please correct volume flow",             kBehindTheNozzles, kNozzles,
                          1000, 200, 5000, 250},
        // No arrangement: the zeros and the note are shown, but the text holds no flow.
        QuentaFormRefusal{"NoFlowWithoutNozzles", "500", "403", "abc", "100",
                          "Please correct volume flow",             kBehindTheNozzles, kNozzles,
                          500, 403, 5000, 250},
        QuentaFormRefusal{"PressureBelow",    "1000", "200", "825",  "0.05",
                          "Please correct differential pressure",   kBehindTheNozzles, kNozzles,
                          1000, 200, 825, 250},
        // 5500 m3/h needs 99 Pa; velocity and minimum pressure stay, the torques go.
        QuentaFormRefusal{"IncreasePressure", "1000", "200", "5500", "40",
                          "Please increase differential pressure",  Union({kAcoustic, kTorques}),
                          Union({kNozzles, kFlowFields}),
                          1000, 200, 5500, 40}),
    [](const testing::TestParamInfo<QuentaFormRefusal>& r) { return r.param.name; });
// clang-format on

TEST(QuentaRecord, TorqueAndCasingBeyondTheModelAreNullWithNotes) {
    // No 100 mm blade fits 79 mm, and no casing size class holds 1250 mm. Neither can come from
    // the form, whose sizes run from 100 to 1200 mm.
    QuentaOutcome outcome;
    outcome.nozzles = SelectNozzles(1250, 79);
    outcome.result = CalculateQuenta(1250, 79, 3000, 250);
    outcome.pressureAccepted = outcome.result->accepted;
    ASSERT_TRUE(outcome.pressureAccepted);

    const forms::ResultRecord record = QuentaRecord(outcome);

    // Computed, and null: the field stays empty and JSON says null.
    for (const char* key :
         {"torque.standard", "torque.hollowProfile", "torque.airtight", "casingClass"}) {
        ASSERT_NE(record.FindValue(key), nullptr) << key;
        EXPECT_FALSE(record.NumberAt(key)) << key;
    }
    for (const char* key : {"casing.none.levels", "casing.30mm.levels"}) {
        const forms::BandRow* row = record.FindBands(key);
        ASSERT_NE(row, nullptr) << key;
        EXPECT_EQ(row->levels, std::vector<forms::Number>(8)) << key;
        EXPECT_FALSE(row->summation) << key;
    }
    ASSERT_NE(record.FindBands("octave"), nullptr);
    EXPECT_TRUE(record.FindBands("octave")->summation);  // the air-regenerated noise is given
    EXPECT_EQ(record.Notes(),
              (Texts{"No nozzle arrangement fits this size",
                     "No casing size class holds a width above 1200 mm: the case-radiated noise "
                     "is not given",
                     "No 100 mm blade fits a height below 80 mm"}));

    const forms::FormDescription noControls;
    forms::TextView view{noControls};
    view.SetText(1006, " 1.5");
    view.SetText(1033, "  59");
    forms::ShowRecord(view, record, kNotes);
    EXPECT_EQ(view.Text(1006), "");
    EXPECT_EQ(view.Text(1033), "");
}

}  // namespace
}  // namespace lorvane::rectangular
