// The finder agrees with the forms: a size is listed exactly when its product's own evaluation
// takes the duty point without a refusal and without a question. The finder asks only the sizes
// a product offers for the flow, so every size the product offers at any flow is typed into its
// form here: a size the product's choice leaves out although its form would take the flow shows
// up as a size the form calculates and the finder does not list.

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "finder/candidate_text.h"
#include "products/catalogue.h"
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

// Every size a product offers at any flow: those it offers over a sweep of flows from 1 to
// 100000 m3/h, 0.5 % apart, and at the flows of the duty points.
std::vector<forms::InputTexts> OfferedSizes(const forms::FormSpec& spec) {
    std::set<forms::InputTexts> sizes;
    const auto add = [&](double flow) {
        for (forms::InputTexts& size : spec.candidateSizes(flow)) {
            sizes.insert(std::move(size));
        }
    };
    for (double flow = 1; flow <= 100000; flow *= 1.005) {
        add(flow);
    }
    for (const DutyPoint& duty : kDutyPoints) {
        add(duty.volumeFlow);
    }
    return {sizes.begin(), sizes.end()};
}

struct Offer {
    const Product* product;
    std::vector<forms::InputTexts> sizes;
};

const std::vector<Offer>& Offers() {
    static const std::vector<Offer> offers = [] {
        std::vector<Offer> made;
        for (const Product& product : Catalogue()) {
            if (product.spec().candidateSizes) {
                made.push_back({&product, OfferedSizes(product.spec())});
            }
        }
        return made;
    }();
    return offers;
}

// Whether the form calculates the texts: no question, no refusal, and a velocity.
bool FormCalculates(const forms::FormSpec& spec, const forms::InputTexts& texts) {
    SharedState state;
    bool asked = false;
    const forms::ResultRecord record = spec.evaluate(
        state, texts,
        [&asked](std::string_view, const forms::ResultRecord&) { return asked = true; });
    return !asked && !record.Refused() && record.NumberAt("velocity");
}

bool ListsSize(const std::vector<Candidate>& candidates, std::string_view product,
               const forms::InputTexts& sizeTexts) {
    return std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& c) {
        return c.product == product && c.sizeTexts == sizeTexts;
    });
}

class FinderAgreesWithTheForms : public testing::TestWithParam<DutyPoint> {};

TEST_P(FinderAgreesWithTheForms, ListsASizeExactlyWhenItsFormCalculates) {
    const DutyPoint& duty = GetParam();
    const std::vector<Candidate> candidates = FindCandidates(duty);
    for (const Offer& offer : Offers()) {
        for (const forms::InputTexts& size : offer.sizes) {
            const Candidate sized{.product = offer.product->word, .sizeTexts = size};
            const bool calculates = FormCalculates(offer.product->spec(), FormTexts(sized, duty));
            EXPECT_EQ(ListsSize(candidates, offer.product->word, size), calculates)
                << offer.product->menuText << " " << SizeText(SizeOf(size));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DutyPoints, FinderAgreesWithTheForms, testing::ValuesIn(kDutyPoints));

// The agreement must not hold by listing nothing: the products offer sizes, and these duty
// points list many sizes of every family, with and without an attenuator.
TEST(FinderAgreesWithTheFormsAtAll, TheDutyPointsListSizesOfEveryFamily) {
    std::size_t offered = 0;
    for (const Offer& offer : Offers()) {
        offered += offer.sizes.size();
    }
    EXPECT_GT(offered, 100u);
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
