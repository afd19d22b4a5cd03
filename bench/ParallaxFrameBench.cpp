// Frames of the parallax demo at 1024 x 768: the whole frame (engine, driver,
// buffer swap) against the main thread's CPU time in the same frames. Run it
// from the repository root on an X display (bench/run-frame-bench.sh starts a
// virtual one, and a second run with the driver's no-op mode isolates the
// engine's own share).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <memory>

#include "Test/testParallax.h"

namespace {
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

testParallax& demo() {
    static std::unique_ptr<testParallax> app = [] {
        auto created = std::make_unique<testParallax>();
        if (!created->init()) {
            std::fprintf(stderr, "no window: run this on an X display\n");
            std::exit(1);
        }
        return created;
    }();
    return *app;
}

void BM_ParallaxFrame(benchmark::State& state) {
    testParallax& app = demo();
    for (int warmUp = 0; warmUp < 20; ++warmUp)
        app.render();
    const double cpuStart = threadCpuSeconds();
    for (auto _ : state)
        app.render();
    const double cpuPerFrame = (threadCpuSeconds() - cpuStart) / static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["main_thread_cpu_ms"] = cpuPerFrame * 1e3;
}
BENCHMARK(BM_ParallaxFrame)->Iterations(600)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

BENCHMARK_MAIN();
