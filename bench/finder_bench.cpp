// The product finder runs a whole search on every keystroke of its window, so one search over
// every size of every controller must take well under a millisecond.
#include <benchmark/benchmark.h>

#include "finder/finder.h"

namespace {

using namespace lorvane;

// One search per duty point: the number of candidates it lists is reported beside the time.
void Search(benchmark::State& state, const finder::DutyPoint& duty) {
    std::size_t listed = 0;
    for (auto _ : state) {
        const std::vector<finder::Candidate> candidates = finder::FindCandidates(duty);
        listed = candidates.size();
        benchmark::DoNotOptimize(candidates.data());
    }
    state.counters["candidates"] = static_cast<double>(listed);
}

// A common duty point without a target: no attenuator is selected.
void BM_Find800At150(benchmark::State& state) {
    Search(state, {.volumeFlow = 800, .differentialPressure = 150});
}
BENCHMARK(BM_Find800At150)->Unit(benchmark::kMicrosecond);

// The question: a target that most controllers need an attenuator for.
void BM_Find800At150Target35(benchmark::State& state) {
    Search(state, {.volumeFlow = 800, .differentialPressure = 150, .target = 35});
}
BENCHMARK(BM_Find800At150Target35)->Unit(benchmark::kMicrosecond);

// The heaviest search: a flow that many sizes of every family serve, a pressure every one of
// them takes, and a target so low that every circular candidate walks all attenuator lengths.
void BM_FindWorstCase(benchmark::State& state) {
    Search(state, {.volumeFlow = 1000, .differentialPressure = 2000, .target = 1});
}
BENCHMARK(BM_FindWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace
