// The rectangular controllers: the nozzle walk over every size the Quenta form accepts, and one
// calculation of each controller next to the logarithms and powers it cannot avoid.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "products/rectangular/basko.h"
#include "products/rectangular/quenta.h"

namespace {

using namespace lorvane;

// Every width from 100 to 1200 mm with every height from 100 mm up to the width.
void BM_SelectNozzlesAllSizes(benchmark::State& state) {
    std::int64_t sizes = 0;
    for (auto _ : state) {
        int found = 0;
        for (int width = 100; width <= 1200; ++width) {
            for (int height = 100; height <= width; ++height) {
                found += rectangular::SelectNozzles(width, height).found ? 1 : 0;
                ++sizes;
            }
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(sizes);
}
BENCHMARK(BM_SelectNozzlesAllSizes)->Unit(benchmark::kMillisecond);

// Three sections of 400 mm: the longest walk of a single selection.
void BM_SelectNozzles1200x1200(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(rectangular::SelectNozzles(1200, 1200));
    }
}
BENCHMARK(BM_SelectNozzles1200x1200);

// One Basko calculation takes 38 decimal logarithms and 48 powers of ten.
void BM_BaskoLogAndPowFloor(benchmark::State& state) {
    double x = 1.5;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 38; ++i) {
            sum += std::log10(x + i);
        }
        for (int i = 0; i < 48; ++i) {
            sum += std::pow(10.0, 0.1 * (x + i));
        }
        benchmark::DoNotOptimize(sum);
        x += 1e-9;
    }
}
BENCHMARK(BM_BaskoLogAndPowFloor);

void BM_CalculateBasko(benchmark::State& state) {
    double volumeFlow = 864;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rectangular::CalculateBasko(400, 200, volumeFlow, 250));
        volumeFlow = volumeFlow < 2880 ? volumeFlow + 0.5 : 864;
    }
}
BENCHMARK(BM_CalculateBasko);

// One Quenta calculation takes 4 natural and 11 decimal logarithms and 48 powers of ten.
void BM_QuentaLogAndPowFloor(benchmark::State& state) {
    double x = 1.5;
    for (auto _ : state) {
        double sum = 0;
        for (int i = 0; i < 4; ++i) {
            sum += std::log(x + i);
        }
        for (int i = 0; i < 11; ++i) {
            sum += std::log10(x + i);
        }
        for (int i = 0; i < 48; ++i) {
            sum += std::pow(10.0, 0.1 * (x + i));
        }
        benchmark::DoNotOptimize(sum);
        x += 1e-9;
    }
}
BENCHMARK(BM_QuentaLogAndPowFloor);

// Includes the nozzle selection of the size.
void BM_CalculateQuenta(benchmark::State& state) {
    double volumeFlow = 1050;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rectangular::CalculateQuenta(600, 300, volumeFlow, 250));
        volumeFlow = volumeFlow < 7000 ? volumeFlow + 0.5 : 1050;
    }
}
BENCHMARK(BM_CalculateQuenta);

}  // namespace
