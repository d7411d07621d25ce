// The cost of one "calculate" next to the cost of the logarithms and powers it cannot avoid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <sstream>

#include "core/acoustics.h"
#include "core/attenuator_selection.h"
#include "forms/text_view.h"
#include "products/attenuators/attenuator.h"
#include "products/circular/selmon.h"
#include "products/circular/selmon_form.h"

namespace {

using namespace lorvane;

// One Selmon calculation takes 63 decimal logarithms and 56 powers of ten.
void BM_SelmonLogAndPowFloor(benchmark::State& state) {
    double x = 1.5;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 63; ++i) {
            sum += std::log10(x + i);
        }
        for (int i = 0; i < 56; ++i) {
            sum += std::pow(10.0, 0.1 * (x + i));
        }
        benchmark::DoNotOptimize(sum);
        x += 1e-9;
    }
}
BENCHMARK(BM_SelmonLogAndPowFloor);

void BM_CalculateSelmon(benchmark::State& state) {
    double volumeFlow = 100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(circular::CalculateSelmon(100, volumeFlow, 250));
        volumeFlow = volumeFlow < 220 ? volumeFlow + 0.5 : 70;
    }
}
BENCHMARK(BM_CalculateSelmon);

// The whole "calculate" press on a view of plain texts: reading, checking, storing,
// calculating, selecting attenuators and formatting 59 result fields.
void BM_SelmonCalculatePress(benchmark::State& state) {
    SharedState shared;
    std::ostringstream diagnostics;
    circular::CSelmonDialog form({shared, diagnostics});
    forms::TextView view(form.Description());
    forms::ShowInitialTexts(view, form);
    view.SetText(1003, "35");
    for (auto _ : state) {
        form.OnButton(view, 1083);
        diagnostics.str({});
    }
}
BENCHMARK(BM_SelmonCalculatePress);

// The attenuator selection evaluates at most 7 lengths for each of 3 insulation thicknesses;
// its floor is 21 A-weighted summations.
void BM_TwentyOneSummations(benchmark::State& state) {
    Octaves levels{};
    levels.fill(60);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 21; ++i) {
            levels[0] += 1e-9;
            sum += AWeightedSummationLevel(levels);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_TwentyOneSummations);

// A target of 1 dB(A) is never met: every thickness ends at the longest length, the six before
// it passed over by their loudest band alone.
void BM_SelectAttenuatorLengthsLongest(benchmark::State& state) {
    Octaves levels{};
    levels.fill(60);
    for (auto _ : state) {
        levels[0] += 1e-9;
        benchmark::DoNotOptimize(SelectAttenuatorLengths(250, levels, 1));
    }
}
BENCHMARK(BM_SelectAttenuatorLengthsLongest);

void BM_InterpolateInsertionLoss(benchmark::State& state) {
    double length = 500;
    for (auto _ : state) {
        benchmark::DoNotOptimize(attenuators::InterpolateInsertionLoss(9, length));
        length = length < 2000 ? length + 0.7 : 500;
    }
}
BENCHMARK(BM_InterpolateInsertionLoss);

}  // namespace
