// Cost of one edge arrival in the picture-claim game (the row and the column
// fill over the whole trail), with the trail indexed per row and column
// against the full scan of the trail for every row and column.
#include <benchmark/benchmark.h>

#include <ostream>

#include "../tests/support/VelmoraReferenceScan.h"
#include "VelmoraGame/CLineHead.h"

namespace {
// A serpentine of `count` distinct half-pixel steps: full-width runs five
// rows apart, joined by short vertical runs, as a long game would lay them.
CLine serpentine(int count) {
    CLine trail;
    CVector2 at(0.5f, 1.0f);
    float dx = 0.5f;
    int laid = 0;
    while (laid < count) {
        for (int i = 0; i < 1198 && laid < count; ++i, ++laid) {
            trail.tryAddPoint(at);
            at.x += dx;
        }
        at.x -= dx;
        for (int i = 0; i < 10 && laid < count; ++i, ++laid) {
            at.y += 0.5f;
            trail.tryAddPoint(at);
        }
        dx = -dx;
        at.x += dx;
    }
    return trail;
}

template <typename Field>
void arrival(benchmark::State& state) {
    std::ostream discard(nullptr);  // the debugging lines go nowhere
    Field field;
    field.init(600, 600);
    field.setOutput(discard);
    CLineHead head;
    head.setPosition(0, 300);
    const CLine trail = serpentine(static_cast<int>(state.range(0)));
    field.isOnBorder(head.getPosition());
    for (auto _ : state) {
        field.fillRows(trail, head);
        field.fillColumns(trail, head);
        benchmark::DoNotOptimize(field.getPixels().data());
    }
    state.counters["trail"] = static_cast<double>(trail.getPoints().size());
}
}  // namespace

BENCHMARK_TEMPLATE(arrival, VelmoraReferenceScan)
    ->Name("EdgeArrival/fullScan")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(arrival, CPixelBuffer)
    ->Name("EdgeArrival/indexed")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
