// The room beside the product: a Selmon's own evaluation with its record, and the same with a
// path of six elements, a room and a room target that asks for an attenuator; then the room's
// three steps alone, to show where its time goes.
#include <benchmark/benchmark.h>

#include "schedule/call.h"
#include "schedule/room_call.h"

namespace {

using namespace lorvane;

schedule::Call SelmonCall() {
    return {.product = FindProductByWord("selmon"),
            .given = {{"diameter", "250"}, {"flow", "1000"}, {"dp", "250"}}};
}

// NR 25 is missed without an attenuator: the table's rows are tried for the room.
schedule::Call SelmonCallWithRoom() {
    schedule::Call call = SelmonCall();
    call.given["path"] =
        "duct d250 6; elbow d250 round; duct d250 2 lined 50; duct 400x200 3 lined 25; "
        "branch 0.5; outlet d200 flush";
    call.given["room"] = "6x5x3";
    call.given["room-target"] = "NR 25";
    return call;
}

void BM_SelmonEvaluation(benchmark::State& state) {
    const schedule::Call call = SelmonCall();
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::EvaluateCall(call));
    }
}
BENCHMARK(BM_SelmonEvaluation);

void BM_SelmonEvaluationWithRoom(benchmark::State& state) {
    const schedule::Call call = SelmonCallWithRoom();
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::EvaluateCall(call));
    }
}
BENCHMARK(BM_SelmonEvaluationWithRoom);

// The options' texts read into the path, the room and the target.
void BM_RoomOptionsRead(benchmark::State& state) {
    const schedule::Call call = SelmonCallWithRoom();
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule::ReadRoomOptions(call.given));
    }
}
BENCHMARK(BM_RoomOptionsRead);

struct RoomCase {
    room::RoomSource source;
    room::RoomInputs inputs;
};

RoomCase SelmonRoom() {
    const schedule::Call call = SelmonCallWithRoom();
    const schedule::Evaluation evaluation = schedule::EvaluateCall(SelmonCall());
    auto read = schedule::ReadRoomOptions(call.given);
    return {*schedule::RoomSourceOf(*call.product, evaluation.inputs, evaluation.record),
            *std::get<std::optional<room::RoomInputs>>(read)};
}

// The models: the path's attenuations, the room, the ratings and the attenuator for the room.
void BM_RoomModels(benchmark::State& state) {
    const RoomCase room = SelmonRoom();
    for (auto _ : state) {
        benchmark::DoNotOptimize(room::EvaluateRoom(room.source, room.inputs));
    }
}
BENCHMARK(BM_RoomModels);

// The room's results appended to a record, as every output reads them.
void BM_RoomRecord(benchmark::State& state) {
    const RoomCase room = SelmonRoom();
    const room::RoomResult result =
        std::get<room::RoomResult>(room::EvaluateRoom(room.source, room.inputs));
    for (auto _ : state) {
        forms::ResultRecord record;
        schedule::AddRoomResult(record, result);
        benchmark::DoNotOptimize(record);
    }
}
BENCHMARK(BM_RoomRecord);

}  // namespace
