// Per-frame CPU cost of the fountain's update pass (respawn check, forces,
// integration, fading) against the same arithmetic on a plain float array,
// and of box culling against the cheaper sphere test on the same frustum.
#include <benchmark/benchmark.h>

#include <array>
#include <vector>

#include "particles/CParticleSystem.h"
#include "runtime/EngineClock.h"
#include "runtime/FrameClock.h"
#include "scene3d/CFrustum.h"

namespace {
constexpr int kParticles = 10000;
constexpr int kBoxes = 1000;

// A frame time of 16 ms for the run.
struct FrameTime {
    FrameTime() {
        std::uint32_t now = 1000;
        EngineClock::setSource([&now] { return now; });
        FrameClock::advance();
        now += 16;
        FrameClock::advance();
        EngineClock::setSource({});
    }
    ~FrameTime() { FrameClock::reset(); }
};

void BM_FountainUpdate(benchmark::State& state) {
    FrameTime frameTime;
    CParticleSystem fountain;
    fountain.setLifeRange(1, 14);
    fountain.setVelocityRangeY(100, 180, 10.0f);
    fountain.setGravity(0.00025f);
    fountain.setForce(0, 0, 0.1f);
    fountain.emit(kParticles);
    for (auto _ : state) {
        for (int i = 0; i < kParticles; ++i)
            fountain.step(*fountain.getParticle(i));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kParticles);
}
BENCHMARK(BM_FountainUpdate);

// Peer: the same integration and fading on packed floats, no respawn draws.
void BM_PlainArrayUpdate(benchmark::State& state) {
    struct Plain {
        float position[3], velocity[3], life, fade, alpha;
    };
    std::vector<Plain> particles(kParticles, Plain{{0, 0, 0}, {0, 14, 0}, 7, 1.0f / 7, 1});
    const float dt = 0.016f;
    const float force[3] = {0, 0, 0.1f};
    const float gravity[3] = {0, -0.00025f, 0};
    for (auto _ : state) {
        for (Plain& p : particles) {
            if (p.life <= 0)
                p.life = 7;
            p.alpha = p.life * p.fade;
            for (int k = 0; k < 3; ++k) {
                p.velocity[k] += (gravity[k] + force[k]) * dt;
                p.position[k] += p.velocity[k] * dt;
            }
            p.life -= 10 * dt;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kParticles);
}
BENCHMARK(BM_PlainArrayUpdate);

CFrustum sampleFrustum() {
    // 90 degree perspective, near 1, far 100, eye at z = 10 looking down -z.
    CFrustum::Matrix projection{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0f / 99, -1, 0, 0, -200.0f / 99, 0};
    CFrustum::Matrix modelview{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -10, 1};
    CFrustum frustum;
    frustum.calculateFrustum(projection, modelview);
    return frustum;
}

std::vector<std::array<float, 3>> sampleCentres() {
    std::vector<std::array<float, 3>> centres;
    for (int i = 0; i < kBoxes; ++i)
        centres.push_back(
            {static_cast<float>(i % 40 - 20), static_cast<float>(i % 17 - 8), static_cast<float>(-i % 120)});
    return centres;
}

void BM_BoxInFrustum(benchmark::State& state) {
    const CFrustum frustum = sampleFrustum();
    const auto centres = sampleCentres();
    for (auto _ : state)
        for (const auto& c : centres)
            benchmark::DoNotOptimize(frustum.boxInFrustum(c[0] - 1, c[1] - 1, c[2] - 1, c[0] + 1, c[1] + 1, c[2] + 1));
    state.SetItemsProcessed(state.iterations() * kBoxes);
}
BENCHMARK(BM_BoxInFrustum);

// Peer: the one-distance-per-plane sphere test around the same boxes.
void BM_SphereInFrustum(benchmark::State& state) {
    const CFrustum frustum = sampleFrustum();
    const auto centres = sampleCentres();
    for (auto _ : state)
        for (const auto& c : centres)
            benchmark::DoNotOptimize(frustum.sphereInFrustum(c[0], c[1], c[2], 1.7321f));
    state.SetItemsProcessed(state.iterations() * kBoxes);
}
BENCHMARK(BM_SphereInFrustum);
}  // namespace

BENCHMARK_MAIN();
