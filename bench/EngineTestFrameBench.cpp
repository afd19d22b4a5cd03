// Frames of the engine test application at 800 x 600: the whole frame
// (engine, driver, buffer swap) against the main thread's CPU time, and the
// heap allocations a frame makes once the scene has run for a while. The 3D
// objects' pass alone is also counted with stencil shadow volumes, where the
// animated character rebuilds its volume every frame. Run it from the
// repository root on an X display (bench/run-frame-bench.sh EngineTestFrameBench
// runs it twice, the second time with the driver's no-op mode, which leaves
// the engine's own share).
#include <benchmark/benchmark.h>

#include <GL/glew.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <new>

#include "EngineTestApp/EngineTestApp.h"
#include "graphics/CGraphicsCore.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"

namespace {
std::atomic<long> gAllocations{0};

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

EngineTestApp& app() {
    static std::unique_ptr<EngineTestApp> created = [] {
        auto made = std::make_unique<EngineTestApp>();
        if (!made->init()) {
            std::fprintf(stderr, "no window: run this on an X display\n");
            std::exit(1);
        }
        return made;
    }();
    return *created;
}

// Runs frame() warm-up times, then once per iteration; reports frames per
// second, main-thread CPU per frame and allocations per frame.
template <typename Frame>
void measure(benchmark::State& state, Frame frame) {
    for (int warmUp = 0; warmUp < 30; ++warmUp)
        frame();
    const long allocationsBefore = gAllocations.load();
    const double cpuStart = threadCpuSeconds();
    for (auto _ : state)
        frame();
    const double frames = static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["main_thread_cpu_ms"] = (threadCpuSeconds() - cpuStart) / frames * 1e3;
    state.counters["allocations_per_frame"] = static_cast<double>(gAllocations.load() - allocationsBefore) / frames;
}

void BM_EngineTestFrame(benchmark::State& state) {
    EngineTestApp& scene = app();
    EngineGlobals::graphicsCore->setShadowType(SHADOW_MAPPING);
    measure(state, [&] { scene.render(); });
}
BENCHMARK(BM_EngineTestFrame)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 3D objects' pass with stencil shadow volumes: the animated character
// interpolates and rebuilds its volume every frame.
void BM_ObjectsWithShadowVolumes(benchmark::State& state) {
    app();
    EngineGlobals::graphicsCore->setShadowType(SHADOW_VOLUMES);
    measure(state, [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glLoadIdentity();
        EngineGlobals::camera->look();
        EngineGlobals::gameObjectManager->render();
    });
    EngineGlobals::graphicsCore->setShadowType(SHADOW_MAPPING);
}
BENCHMARK(BM_ObjectsWithShadowVolumes)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();
}  // namespace

// Every heap allocation of the program passes through here and is counted.
void* operator new(std::size_t size) {
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK_MAIN();
