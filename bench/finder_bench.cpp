// The product finder runs a whole search on every keystroke of its window, so one search must
// take well under a millisecond: every size a product offers for the flow is typed into that
// product's own evaluation, and what the finder shows is read from the record it returns.
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

// A target that most controllers need an attenuator for.
void BM_Find800At150Target35(benchmark::State& state) {
    Search(state, {.volumeFlow = 800, .differentialPressure = 150, .target = 35});
}
BENCHMARK(BM_Find800At150Target35)->Unit(benchmark::kMicrosecond);

// The heaviest search: a flow that many sizes of every family serve, a pressure every one of
// them takes, and a target so low that every circular candidate walks all attenuator lengths and
// its record holds every attenuator row.
void BM_FindWorstCase(benchmark::State& state) {
    Search(state, {.volumeFlow = 1000, .differentialPressure = 2000, .target = 1});
}
BENCHMARK(BM_FindWorstCase)->Unit(benchmark::kMicrosecond);

}  // namespace
