// The cost of one schedule row, next to the calculation alone: a row is read, checked, typed
// into the product's evaluation, and written with its results.
#include <benchmark/benchmark.h>

#include <sstream>

#include "schedule/batch.h"
#include "schedule/call.h"
#include "schedule/result_columns.h"

namespace {

using namespace lorvane;

const Product& Selmon() {
    return *FindProductByWord("selmon");
}

schedule::Call SelmonCall() {
    schedule::Call call{.product = &Selmon()};
    call.given = {{"diameter", "250"}, {"flow", "1000"}, {"dp", "250"}, {"target", "35"}};
    return call;
}

// The product's evaluation of one operating point, attenuator selection included.
void BM_SelmonEvaluation(benchmark::State& state) {
    const schedule::Call call = SelmonCall();
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::EvaluateCall(call));
    }
}
BENCHMARK(BM_SelmonEvaluation);

// The record's results as the cells of a result row.
void BM_SelmonResultCells(benchmark::State& state) {
    const schedule::ResultColumns columns({&Selmon()});
    const forms::ResultRecord record = schedule::EvaluateCall(SelmonCall()).record;
    std::vector<std::string> cells;
    for (auto _ : state) {
        columns.Fill(record, cells);
        benchmark::DoNotOptimize(cells.data());
    }
}
BENCHMARK(BM_SelmonResultCells);

std::string SelmonSchedule(int rows) {
    std::string text = "tag,product,diameter,flow,dp,target\n";
    for (int i = 0; i < rows; ++i) {
        text +=
            "P-" + std::to_string(i) + ",selmon,250," + std::to_string(800 + i % 400) + ",250,35\n";
    }
    return text;
}

// A whole schedule, read from memory and written to nowhere, per row.
void BM_SelmonScheduleRow(benchmark::State& state) {
    const int rows = 20000;
    const std::string text = SelmonSchedule(rows);
    for (auto _ : state) {
        std::istringstream in(text);
        std::ostream out(nullptr);
        benchmark::DoNotOptimize(
            schedule::RunBatch(in, out, schedule::BatchFormat::Csv, {&Selmon()}));
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SelmonScheduleRow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
