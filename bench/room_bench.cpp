// The room beside the product: a Selmon's own evaluation with its record, and the same with a
// path of six elements, a room and a room target that asks for an attenuator.
#include <benchmark/benchmark.h>

#include "schedule/call.h"

namespace {

using namespace lorvane;

schedule::Call SelmonCall() {
    return {.product = FindProductByWord("selmon"),
            .given = {{"diameter", "250"}, {"flow", "1000"}, {"dp", "250"}}};
}

void BM_SelmonEvaluation(benchmark::State& state) {
    const schedule::Call call = SelmonCall();
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::EvaluateCall(call));
    }
}
BENCHMARK(BM_SelmonEvaluation);

// NR 25 is missed without an attenuator: the table's rows are tried for the room.
void BM_SelmonEvaluationWithRoom(benchmark::State& state) {
    schedule::Call call = SelmonCall();
    call.given["path"] =
        "duct d250 6; elbow d250 round; duct d250 2 lined 50; duct 400x200 3 lined 25; "
        "branch 0.5; outlet d200 flush";
    call.given["room"] = "6x5x3";
    call.given["room-target"] = "NR 25";
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::EvaluateCall(call));
    }
}
BENCHMARK(BM_SelmonEvaluationWithRoom);

}  // namespace
