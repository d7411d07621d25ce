#include <cmath>
#include <string_view>

#include <gtest/gtest.h>

#include "core/shared_state.h"
#include "products/rectangular/basko_evaluation.h"
#include "products/rectangular/quenta_evaluation.h"

namespace lorvane::rectangular {
namespace {

// A flow that passes its check but that the model cannot take (0 gives no levels, 1e308 a
// velocity beyond every double) is refused after the calculation. The shared state then holds
// what it held before: no refused flow to pre-fill the next form, and no velocity of infinity.
struct ModelRefusal {
    const char* name;
    bool basko;  // else Quenta, at a size where no nozzles fit and so any number passes
    const char* flow;
};

void PrintTo(const ModelRefusal& c, std::ostream* out) {
    *out << c.name;
}

class ModelRefusalTest : public testing::TestWithParam<ModelRefusal> {};

TEST_P(ModelRefusalTest, KeepsNeitherTheFlowNorItsVelocity) {
    const ModelRefusal& c = GetParam();
    SharedState state;
    state.productInputs.volumeFlow = 321;
    state.productInputs.velocity = 4.5;
    bool refusedFlow = false;
    if (c.basko) {
        // NO: go on with the flow
        const auto no = [](std::string_view, const BaskoOutcome&) { return false; };
        refusedFlow = EvaluateBasko(state, {"400", "200", c.flow, "250"}, no).refused ==
                      BaskoInput::VolumeFlow;
    } else {
        refusedFlow =
            EvaluateQuenta(state, {"500", "403", c.flow, "250"}).refused == QuentaInput::VolumeFlow;
    }
    EXPECT_TRUE(refusedFlow);
    EXPECT_EQ(state.productInputs.volumeFlow, 321);
    EXPECT_EQ(state.productInputs.velocity, 4.5);
    EXPECT_EQ(state.productInputs.differentialPressure, 250);  // it passed, and stays
}

INSTANTIATE_TEST_SUITE_P(Flows, ModelRefusalTest,
                         testing::Values(ModelRefusal{"BaskoZero", true, "0"},
                                         ModelRefusal{"BaskoOverflow", true, "1e308"},
                                         ModelRefusal{"QuentaZero", false, "0"},
                                         ModelRefusal{"QuentaOverflow", false, "1e308"}),
                         [](const auto& c) { return std::string(c.param.name); });

}  // namespace
}  // namespace lorvane::rectangular
