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
#include <cstdlib>
#include <new>

#include "EngineTestApp/EngineTestApp.h"
#include "FrameMeasure.h"
#include "graphics/CGraphicsCore.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"

namespace {
std::atomic<long> gAllocations{0};

long allocations() { return gAllocations.load(); }

EngineTestApp& app() { return FrameMeasure::created<EngineTestApp>(); }

void BM_EngineTestFrame(benchmark::State& state) {
    EngineTestApp& scene = app();
    EngineGlobals::graphicsCore->setShadowType(SHADOW_MAPPING);
    FrameMeasure::measure(
        state, 30, [&] { scene.render(); }, allocations);
}
BENCHMARK(BM_EngineTestFrame)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// The 3D objects' pass with stencil shadow volumes: the animated character
// interpolates and rebuilds its volume every frame.
void BM_ObjectsWithShadowVolumes(benchmark::State& state) {
    app();
    EngineGlobals::graphicsCore->setShadowType(SHADOW_VOLUMES);
    FrameMeasure::measure(
        state, 30,
        [] {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            glLoadIdentity();
            EngineGlobals::camera->look();
            EngineGlobals::gameObjectManager->render();
        },
        allocations);
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
// GCC takes the replaced pair for a mismatch of new and free.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

BENCHMARK_MAIN();
