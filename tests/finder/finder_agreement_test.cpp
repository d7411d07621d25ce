// The finder agrees with the forms: a size is listed exactly when its product's own form
// evaluation takes the duty point without a refusal and without a question, and then it
// shows the numbers that evaluation computes from the texts the finder would type.

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "finder/candidate_text.h"
#include "products/circular/daxel.h"
#include "products/circular/mirolt.h"
#include "products/circular/selmon.h"
#include "products/circular/tolmar.h"
#include "products/rectangular/basko_evaluation.h"
#include "products/rectangular/basko_tables.h"
#include "products/rectangular/quenta_evaluation.h"
#include "tests/finder/duty.h"

namespace lorvane::finder {

// Found by argument-dependent lookup, so outside the unnamed namespace.
void PrintTo(const DutyPoint& duty, std::ostream* out) {
    *out << duty.volumeFlow << " m3/h at " << duty.differentialPressure << " Pa";
    if (duty.target) {
        *out << ", target " << *duty.target;
    }
}

namespace {

using forms::TextOf;

// clang-format off
// The duct series the Quenta is offered in, in mm.
constexpr std::array<double, 11> kDuctSeries{
    100, 150, 200, 250, 300, 400, 500, 600, 800, 1000, 1200};
// clang-format on

const Candidate* ListedCandidate(const std::vector<Candidate>& candidates, std::string_view product,
                                 const Size& size) {
    const auto it = std::find_if(candidates.begin(), candidates.end(), [&](const Candidate& c) {
        return c.product == product && c.size.diameter == size.diameter &&
               c.size.width == size.width && c.size.height == size.height;
    });
    return it == candidates.end() ? nullptr : &*it;
}

// What the form's own evaluation came to, in the finder's terms.
struct FormResult {
    bool calculated = false;  // no refusal, no question, the pressure accepted
    double velocity = 0;
    double minimumPressure = 0;
    double summationLevel = 0;
    std::optional<double> casingSummationLevel;
};

std::optional<double> BareCasing(const rectangular::RectSpectrum& spectrum) {
    if (!spectrum.casing) {
        return std::nullopt;
    }
    return spectrum.casing->bare.summationLevel;
}

void ExpectSameNumbers(const Candidate& candidate, const FormResult& form) {
    EXPECT_EQ(candidate.velocity, form.velocity);
    EXPECT_EQ(candidate.minimumPressure, form.minimumPressure);
    EXPECT_EQ(candidate.summationLevel, form.summationLevel);
    EXPECT_EQ(candidate.casingSummationLevel, form.casingSummationLevel);
}

class FinderAgreesWithTheForms : public testing::TestWithParam<DutyPoint> {
  protected:
    void SetUp() override { candidates_ = FindCandidates(GetParam()); }

    // The texts the finder types into the form of this size.
    forms::InputTexts Texts(std::string_view product, const Size& size) const {
        return FormTexts(Candidate{.product = product, .size = size}, GetParam());
    }

    // Checks one size: listed exactly when the form calculated, and with its numbers.
    const Candidate* Check(std::string_view product, const Size& size, const FormResult& form) {
        const Candidate* candidate = ListedCandidate(candidates_, product, size);
        SCOPED_TRACE(std::string(product) + " " + SizeText(size));
        EXPECT_EQ(candidate != nullptr, form.calculated);
        if (candidate != nullptr && form.calculated) {
            ExpectSameNumbers(*candidate, form);
        }
        return candidate;
    }

    std::vector<Candidate> candidates_;
};

TEST_P(FinderAgreesWithTheForms, CircularControllers) {
    const DutyPoint& duty = GetParam();
    const std::pair<std::string_view, const circular::CircularController&> lines[] = {
        {"selmon", circular::SelmonController()},
        {"tolmar", circular::TolmarController()},
        {"daxel", circular::DaxelController()},
        {"mirolt", circular::MiroltController()},
    };
    for (const auto& [product, controller] : lines) {
        for (const circular::FlowRange& range : controller.flowRanges) {
            const Size size{.diameter = range.diameter};
            const forms::InputTexts texts = Texts(product, size);
            SharedState state;
            const circular::CircularOutcome outcome =
                circular::EvaluateCircular(controller, state,
                                           {TextOf(texts, "diameter"), TextOf(texts, "flow"),
                                            TextOf(texts, "dp"), TextOf(texts, "target")});
            FormResult form;
            form.calculated = !outcome.refused && outcome.result && outcome.result->accepted;
            if (form.calculated) {
                const circular::CircularSpectrum& spectrum = *outcome.result->spectrum;
                form = {true, outcome.result->velocity, outcome.result->minimumPressure,
                        spectrum.summationLevel, spectrum.casingSum[0]};
            }
            const Candidate* candidate = Check(product, size, form);
            if (candidate == nullptr || candidate->attenuatorNeed == AttenuatorNeed::None) {
                continue;
            }
            // The attenuator is one the form's own selection chose, with its level behind it.
            const AttenuatorSelection& selection = outcome.selection;
            SCOPED_TRACE(std::string(product) + " " + SizeText(size) + " attenuator");
            if (candidate->attenuator) {
                ASSERT_EQ(selection.outcome, SelectionOutcome::Selected);
                const AttenuatorRow& row = selection.rows[candidate->attenuator->insulation];
                EXPECT_EQ(row.length, candidate->attenuator->length);
                EXPECT_EQ(row.summationLevel, candidate->attenuator->summationLevel);
            } else if (candidate->attenuatorNeed == AttenuatorNeed::NoValues) {
                EXPECT_EQ(selection.outcome, SelectionOutcome::NoValues);
            } else {
                ASSERT_EQ(selection.outcome, SelectionOutcome::Selected);
                for (const AttenuatorRow& row : selection.rows) {
                    EXPECT_FALSE(MeetsTarget(*duty.target, row.summationLevel));
                }
            }
        }
    }
}

TEST_P(FinderAgreesWithTheForms, Basko) {
    std::vector<Size> sizes;
    for (const rectangular::Scale& scale : rectangular::ScaleTable) {
        sizes.push_back({.width = scale.width, .height = scale.height});
    }
    for (const rectangular::SpecialSize& special : rectangular::SpecialSizeTable) {
        sizes.push_back({.width = special.width, .height = special.height});
    }
    for (const Size& size : sizes) {
        const forms::InputTexts texts = Texts("basko", size);
        SharedState state;
        bool asked = false;
        const rectangular::BaskoOutcome outcome =
            rectangular::EvaluateBasko(state,
                                       {TextOf(texts, "width"), TextOf(texts, "height"),
                                        TextOf(texts, "flow"), TextOf(texts, "dp")},
                                       [&asked](std::string_view) { return asked = true; });
        FormResult form;
        if (!outcome.refused && !asked && outcome.pressureAccepted) {
            const rectangular::RectSpectrum& spectrum = *outcome.result->spectrum;
            form = {true, outcome.result->velocity, outcome.result->minimumPressure,
                    spectrum.summationLevel, BareCasing(spectrum)};
        }
        Check("basko", size, form);
    }
}

TEST_P(FinderAgreesWithTheForms, Quenta) {
    for (double width : kDuctSeries) {
        for (double height : kDuctSeries) {
            if (height > width) {
                continue;
            }
            const Size size{.width = width, .height = height};
            const forms::InputTexts texts = Texts("quenta", size);
            SharedState state;
            const rectangular::QuentaOutcome outcome =
                rectangular::EvaluateQuenta(state, {TextOf(texts, "width"), TextOf(texts, "height"),
                                                    TextOf(texts, "flow"), TextOf(texts, "dp")});
            FormResult form;
            // A size without nozzles cannot be built, whatever its form lets through.
            if (!outcome.refused && outcome.pressureAccepted && outcome.nozzles->found) {
                const rectangular::RectSpectrum& spectrum = *outcome.result->spectrum;
                form = {true, outcome.result->velocity, outcome.result->minimumPressure,
                        spectrum.summationLevel, BareCasing(spectrum)};
            }
            Check("quenta", size, form);
        }
    }
}

using test::Duty;

// Common duty points, the flow-range edges, pressures near the minimum, targets that need an
// attenuator, that none reaches, and flows with many decimals.
// clang-format off
const std::vector<DutyPoint> kDutyPoints{
    Duty(800, 150),       Duty(800, 150, 35),   Duty(1000, 250, 50),   Duty(1000, 250, 10),
    Duty(2000, 250, 40),  Duty(2000, 250, 60),  Duty(500, 30.67),      Duty(500, 30.6),
    Duty(410, 250),       Duty(199.17, 250),    Duty(600.75, 250),     Duty(5000, 300, 45),
    Duty(250, 60, 30),    Duty(7000, 250),      Duty(40, 200, 20),     Duty(123.456789, 80),
    Duty(3333.3333333, 9999.9, 55),             Duty(14000, 120),      Duty(25, 0.1),
    // Inputs the forms refuse: none of their sizes is listed.
    Duty(800, 0.05),      Duty(800, 10000.5),   Duty(800, 150, 100.5),
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(DutyPoints, FinderAgreesWithTheForms, testing::ValuesIn(kDutyPoints));

// The agreement must not hold by listing nothing: these duty points list many sizes of every
// family, with and without an attenuator.
TEST(FinderAgreesWithTheFormsAtAll, TheDutyPointsListSizesOfEveryFamily) {
    std::set<std::string_view> products;
    std::size_t listed = 0;
    std::set<AttenuatorNeed> needs;
    for (const DutyPoint& duty : kDutyPoints) {
        for (const Candidate& candidate : FindCandidates(duty)) {
            products.insert(candidate.product);
            needs.insert(candidate.attenuatorNeed);
            ++listed;
        }
    }
    EXPECT_EQ(products.size(), 6u);
    EXPECT_GT(listed, 500u);
    EXPECT_EQ(needs.size(), 5u);
}

}  // namespace
}  // namespace lorvane::finder
