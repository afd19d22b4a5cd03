#pragma once
// Shared by the frame benchmarks: frames per second, the main thread's CPU
// time per frame and, where a benchmark counts them, heap allocations per
// frame.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace FrameMeasure {
inline double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// Frame benchmarks need a window; without one there is nothing to measure.
inline void requireWindow(bool opened) {
    if (!opened) {
        std::fprintf(stderr, "no window: run this on an X display\n");
        std::exit(1);
    }
}

// The application, made and initialised (init() opens its window) on first
// use and kept for every benchmark after.
template <typename App>
App& created() {
    static std::unique_ptr<App> app = [] {
        auto made = std::make_unique<App>();
        requireWindow(made->init());
        return made;
    }();
    return *app;
}

// Runs frame() warmUp times, then once per iteration. allocationCount, when
// given, reads the program's running count of heap allocations.
template <typename Frame>
void measure(benchmark::State& state, int warmUp, Frame frame, long (*allocationCount)() = nullptr) {
    for (int i = 0; i < warmUp; ++i)
        frame();
    const long allocationsBefore = allocationCount ? allocationCount() : 0;
    const double cpuStart = threadCpuSeconds();
    for (auto _ : state)
        frame();
    const double frames = static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["main_thread_cpu_ms"] = (threadCpuSeconds() - cpuStart) / frames * 1e3;
    if (allocationCount)
        state.counters["allocations_per_frame"] = static_cast<double>(allocationCount() - allocationsBefore) / frames;
}
}  // namespace FrameMeasure
