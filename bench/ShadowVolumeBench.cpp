// Shadow-volume build time against face count, on closed tori (every edge
// shared by two faces), by the engine's hashed edge list and by a linear
// search of the list per added edge. Both find the lit faces and extrude the
// silhouette the same way; only the edge bookkeeping differs. The linear
// search stops at 100 000 faces, where one build already takes seconds.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "Basic/C3DMath.h"
#include "Models/loaders/Structures.h"
#include "TimesReporter.h"
#include "Models/CShadowVolume.h"
#include "support/LiteralSilhouette.h"

namespace {
const CVector3 kLight{50, 145.3f, 140};

// A torus of rings x sides quads, two triangles each, wound outwards.
t3DObject torus(int faces) {
    const int rings = static_cast<int>(std::sqrt(faces)), sides = faces / 2 / rings;
    t3DObject mesh;
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < sides; ++s) {
            const float u = 6.2831853f * r / rings, v = 6.2831853f * s / sides;
            const float radius = 10 + 3 * std::cos(v);
            mesh.pVerts.push_back({radius * std::cos(u), 3 * std::sin(v), radius * std::sin(u)});
        }
    const auto at = [&](int r, int s) { return (r % rings) * sides + s % sides; };
    for (int r = 0; r < rings; ++r)
        for (int s = 0; s < sides; ++s) {
            tFace first, second;
            first.vertIndex[0] = at(r, s), first.vertIndex[1] = at(r, s + 1), first.vertIndex[2] = at(r + 1, s);
            second.vertIndex[0] = at(r + 1, s), second.vertIndex[1] = at(r, s + 1);
            second.vertIndex[2] = at(r + 1, s + 1);
            mesh.pFaces.push_back(first);
            mesh.pFaces.push_back(second);
        }
    mesh.numOfVerts = static_cast<int>(mesh.pVerts.size());
    mesh.numOfFaces = static_cast<int>(mesh.pFaces.size());
    return mesh;
}

void BM_Engine(benchmark::State& state) {
    t3DObject mesh = torus(static_cast<int>(state.range(0)));
    CShadowVolume volume;
    for (auto _ : state) {
        volume.buildMesh(mesh, kLight, {});
        benchmark::DoNotOptimize(volume.getVertices().data());
    }
    state.counters["faces"] = static_cast<double>(mesh.pFaces.size());
    state.counters["silhouette_edges"] = static_cast<double>(volume.getVertices().size() / 6);
}
BENCHMARK(BM_Engine)->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond);

// The same build with the edge list searched linearly.
void BM_LinearSearch(benchmark::State& state) {
    const t3DObject mesh = torus(static_cast<int>(state.range(0)));
    std::vector<CVector3> normals;
    for (const tFace& f : mesh.pFaces) {
        const CVector3 &v0 = mesh.pVerts[f.vertIndex[0]], &v1 = mesh.pVerts[f.vertIndex[1]],
                       &v2 = mesh.pVerts[f.vertIndex[2]];
        CVector3 n = cross(v0 - v1, v0 - v2);
        n.normalize();
        normals.push_back(n);
    }
    std::vector<CShadowVolume::edge> edges;
    std::vector<CVector3> vertices;
    for (auto _ : state) {
        edges.clear();
        vertices.clear();
        for (std::size_t i = 0; i < mesh.pFaces.size(); ++i)
            if (dot(kLight, normals[i]) > 0.1f)
                for (int k = 0; k < 3; ++k)
                    addEdgeLiterally(edges, mesh.pFaces[i].vertIndex[k], mesh.pFaces[i].vertIndex[(k + 1) % 3]);
        for (const CShadowVolume::edge& e : edges)
            if (e.active) {
                const CVector3 p = mesh.pVerts[e.first], q = mesh.pVerts[e.second];
                const CVector3 ep = p + (p - kLight) * 100.0f, fq = q + (q - kLight) * 100.0f;
                for (const CVector3& corner : {p, q, ep, q, fq, ep})
                    vertices.push_back(corner);
            }
        benchmark::DoNotOptimize(vertices.data());
    }
}
BENCHMARK(BM_LinearSearch)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);

void printCurve(const TimesReporter::Times& times) {
    std::printf("\n%9s %14s %14s %16s\n", "faces", "engine ms", "linear ms", "linear / engine");
    for (int faces = 1000; faces <= 1000000; faces *= 10) {
        const auto engine = times.find("BM_Engine/" + std::to_string(faces));
        const auto linear = times.find("BM_LinearSearch/" + std::to_string(faces));
        if (engine == times.end())
            continue;
        if (linear == times.end())
            std::printf("%9d %14.3f %14s %16s\n", faces, engine->second, "-", "-");
        else
            std::printf("%9d %14.3f %14.3f %16.1f\n", faces, engine->second, linear->second,
                        linear->second / engine->second);
    }
}
}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    TimesReporter reporter(printCurve);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return 0;
}
