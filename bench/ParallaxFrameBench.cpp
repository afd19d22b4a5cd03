// Frames of the parallax demo at 1024 x 768: the whole frame (engine, driver,
// buffer swap) against the main thread's CPU time in the same frames. Run it
// from the repository root on an X display (bench/run-frame-bench.sh starts a
// virtual one, and a second run with the driver's no-op mode isolates the
// engine's own share).
#include <benchmark/benchmark.h>

#include "FrameMeasure.h"
#include "Test/testParallax.h"

namespace {
void BM_ParallaxFrame(benchmark::State& state) {
    testParallax& app = FrameMeasure::created<testParallax>();
    FrameMeasure::measure(state, 20, [&] { app.render(); });
}
BENCHMARK(BM_ParallaxFrame)->Iterations(600)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
