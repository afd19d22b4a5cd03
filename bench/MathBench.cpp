// Cost of the engine's math types against hand-written float-array code doing
// the same arithmetic: the vector and matrix classes are created and copied
// freely in per-frame code, so they should cost no more than raw arrays.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "Basic/CVector3.h"
#include "Basic/Matrix4x4f.h"

namespace {

constexpr int kPoints = 1024;

matrix4x4f sampleMatrix() {
    matrix4x4f rotation, translation;
    CVector3 axis(1, 2, 3);
    rotation.setRotation(33, axis);
    translation.setTranslation(CVector3(4, 5, 6));
    return translation * rotation;
}

std::vector<CVector3> samplePoints() {
    std::vector<CVector3> points;
    for (int i = 0; i < kPoints; ++i)
        points.emplace_back(i * 0.5f, i * -0.25f, 1.0f + i);
    return points;
}

using RawMatrix = std::array<float, 16>;

RawMatrix rawProduct(const RawMatrix& a, const RawMatrix& b) {
    RawMatrix r;
    for (int c = 0; c < 4; ++c)
        for (int row = 0; row < 4; ++row)
            r[4 * c + row] =
                a[row] * b[4 * c] + a[4 + row] * b[4 * c + 1] + a[8 + row] * b[4 * c + 2] + a[12 + row] * b[4 * c + 3];
    return r;
}

void BM_MatrixProduct(benchmark::State& state) {
    matrix4x4f a = sampleMatrix(), b = sampleMatrix();
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        matrix4x4f r = a * b;
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_MatrixProduct);

void BM_RawArrayProduct(benchmark::State& state) {
    RawMatrix a, b;
    const matrix4x4f sample = sampleMatrix();
    std::copy(sample.m, sample.m + 16, a.begin());
    b = a;
    for (auto _ : state) {
        benchmark::DoNotOptimize(a);
        benchmark::DoNotOptimize(b);
        RawMatrix r = rawProduct(a, b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_RawArrayProduct);

void BM_TransformPoints(benchmark::State& state) {
    const matrix4x4f m = sampleMatrix();
    std::vector<CVector3> points = samplePoints();
    for (auto _ : state) {
        for (CVector3& p : points)
            m.transformPoint(p);
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_TransformPoints);

void BM_RawArrayTransformPoints(benchmark::State& state) {
    const matrix4x4f sample = sampleMatrix();
    const float* m = sample.m;
    std::vector<float> points;
    for (const CVector3& p : samplePoints())
        points.insert(points.end(), {p.x, p.y, p.z});
    for (auto _ : state) {
        for (size_t i = 0; i < points.size(); i += 3) {
            const float x = points[i], y = points[i + 1], z = points[i + 2];
            points[i] = m[0] * x + m[4] * y + m[8] * z + m[12];
            points[i + 1] = m[1] * x + m[5] * y + m[9] * z + m[13];
            points[i + 2] = m[2] * x + m[6] * y + m[10] * z + m[14];
        }
        benchmark::DoNotOptimize(points.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_RawArrayTransformPoints);

// Per-particle style update: scale a velocity, add it, normalise a copy.
void BM_VectorUpdate(benchmark::State& state) {
    std::vector<CVector3> positions = samplePoints();
    const CVector3 velocity(0.1f, -0.2f, 0.3f);
    for (auto _ : state) {
        for (CVector3& p : positions) {
            p += velocity * 0.016f;
            CVector3 dir = p;
            dir.normalize();
            p = p + dir * 0.001f;
        }
        benchmark::DoNotOptimize(positions.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_VectorUpdate);

void BM_RawArrayVectorUpdate(benchmark::State& state) {
    std::vector<float> positions;
    for (const CVector3& p : samplePoints())
        positions.insert(positions.end(), {p.x, p.y, p.z});
    const float velocity[3] = {0.1f, -0.2f, 0.3f};
    for (auto _ : state) {
        for (size_t i = 0; i < positions.size(); i += 3) {
            float* p = &positions[i];
            for (int k = 0; k < 3; ++k)
                p[k] += velocity[k] * 0.016f;
            const float len = std::sqrt(p[2] * p[2] + p[0] * p[0] + p[1] * p[1]);
            const float inv = len == 0.0f ? 0.0f : 1.0f / len;
            for (int k = 0; k < 3; ++k)
                p[k] = p[k] + p[k] * inv * 0.001f;
        }
        benchmark::DoNotOptimize(positions.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}
BENCHMARK(BM_RawArrayVectorUpdate);

}  // namespace

BENCHMARK_MAIN();
