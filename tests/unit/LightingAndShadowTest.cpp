#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "Basic/C3DMath.h"
#include "Models/loaders/CKObjectLoader.h"
#include "Models/loaders/Structures.h"
#include "scene3d/CLight.h"
#include "scene3d/CLightManager.h"
#include "Models/CShadowVolume.h"
#include "support/LiteralSilhouette.h"
#include "support/VectorNear.h"

namespace {
CVector3 applied(const CLight::Matrix& m, const CVector3& p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

// Triangles in the y = 0 plane facing up; the light straight above.
t3DObject flatMesh(std::vector<CVector3> vertices, std::vector<std::array<int, 3>> faces) {
    t3DObject mesh;
    mesh.pVerts = std::move(vertices);
    for (const auto& f : faces) {
        tFace face;
        std::copy(f.begin(), f.end(), face.vertIndex);
        mesh.pFaces.push_back(face);
    }
    mesh.numOfVerts = static_cast<int>(mesh.pVerts.size());
    mesh.numOfFaces = static_cast<int>(mesh.pFaces.size());
    return mesh;
}

// Corners (0,0,0), (0,0,1), (1,0,1): (V0 - V1) x (V0 - V2) points up.
const std::vector<CVector3> kSquare = {{0, 0, 0}, {0, 0, 1}, {1, 0, 1}, {1, 0, 0}};
}  // namespace

// A new light looks from (50, 145.3, 140) at the origin; lens changes wait
// for the next setPosition.
TEST(Light, MatricesFollowPositionAndLens) {
    CLight light;
    expectNear(applied(light.getViewMatrix(), {50, 145.3f, 140}), {0, 0, 0}, 1e-3f);
    const float distance = std::sqrt(50 * 50 + 145.3f * 145.3f + 140 * 140);
    expectNear(applied(light.getViewMatrix(), {0, 0, 0}), {0, 0, -distance}, 1e-3f);
    const float focal = 1.0f / std::tan(matrix4x4f::degToRad(22.5f));
    EXPECT_NEAR(light.getProjectionMatrix()[5], focal, 1e-4f);
    light.setFov(90);
    EXPECT_NEAR(light.getProjectionMatrix()[5], focal, 1e-4f);
    light.setPosition(0, 10, 0.001f, 1);
    EXPECT_NEAR(light.getProjectionMatrix()[5], 1.0f, 1e-4f);
}

// Ids count from 1; anything outside gets a harmless answer.
TEST(LightManager, IdsOutsideTheListAreSafe) {
    CLightManager manager;
    EXPECT_EQ(manager.getLight(1), nullptr);
    expectNear(manager.getLightPosition(1), {0, 0, 0}, 1e-3f);
    EXPECT_EQ(manager.getLightProjectionMatrix(3)[0], 1.0f);  // identity without lights
    CLight first, second;
    second.setFar(10);
    second.setPosition(1, 2, 3, 1);
    manager.addLight(&first);
    manager.addLight(&second);
    EXPECT_EQ(manager.getLight(2), &second);
    EXPECT_EQ(manager.getLight(0), nullptr);
    EXPECT_EQ(manager.getLight(3), nullptr);
    expectNear(manager.getLightPosition(2), {1, 2, 3}, 1e-3f);
    EXPECT_EQ(manager.getLightProjectionMatrix(7), first.getProjectionMatrix());
    EXPECT_EQ(manager.getLightViewMatrix(-1)[12], 0.0f);
}

TEST(ShadowVolume, SilhouetteOfLitTriangles) {
    CShadowVolume volume;
    t3DObject one = flatMesh(kSquare, {{0, 1, 2}});
    volume.buildMesh(one, {0, 10, 0}, {});
    EXPECT_EQ(volume.getVertices().size(), 18u);  // three edges, two triangles each
    // The extruded far corner of the first edge lies 100 times its distance
    // from the light further on.
    expectNear(volume.getVertices()[2], {0, -1000, 0}, 1e-3f);

    CShadowVolume shared;
    t3DObject two = flatMesh(kSquare, {{0, 1, 2}, {2, 3, 0}});  // shares edge 0-2 running the other way
    shared.buildMesh(two, {0, 10, 0}, {});
    EXPECT_EQ(shared.getVertices().size(), 24u);

    CShadowVolume dark;
    dark.buildMesh(one, {0, -10, 0}, {});
    EXPECT_TRUE(dark.getVertices().empty());
}

// dot(L, n) of exactly 0.1 lights a face for animated meshes only; native
// models light faces from 0 on.
TEST(ShadowVolume, LitThresholds) {
    t3DObject mesh = flatMesh(kSquare, {{0, 1, 2}});
    const CVector3 light{0, 0.1f, 0};  // the unit normal is (0, 1, 0)
    CShadowVolume still;
    still.buildMesh(mesh, light, {});
    EXPECT_TRUE(still.getVertices().empty());
    CShadowVolume animated;
    animated.buildMeshFrame(mesh, mesh, mesh, 0.5f, light, {});
    EXPECT_EQ(animated.getWrittenVertexCount(), 0);  // the first call only counts
    animated.buildMeshFrame(mesh, mesh, mesh, 0.5f, light, {});
    EXPECT_EQ(animated.getWrittenVertexCount(), 18);

    K3DModel model;
    model.objects.resize(1);
    for (const CVector3& p : kSquare) {
        CKObjectLoader::vertex v;
        v.x = p.x, v.y = p.y, v.z = p.z;
        model.objects[0].vertices.push_back(v);
    }
    K3DFace quad;
    quad.a = 0, quad.b = 1, quad.c = 2, quad.d = 3;
    model.objects[0].faces.push_back(quad);
    CShadowVolume native;
    native.buildNative(model, {10, 0, 0}, {5, 0, 0});  // dot exactly 0: lit
    ASSERT_EQ(native.getVertices().size(), 24u);
    expectNear(native.getVertices()[0], {5, 0, 0}, 1e-3f);  // moved by the model's position
}

// An animated volume interpolates its silhouette between key frames.
TEST(ShadowVolume, FramesAreInterpolated) {
    t3DObject frame0 = flatMesh(kSquare, {{0, 1, 2}});
    t3DObject raised = frame0;
    for (CVector3& v : raised.pVerts)
        v.y = 2;
    CShadowVolume volume;
    CShadowVolume::Placement placement;
    placement.scale = {2, 2, 2};
    for (int call = 0; call < 2; ++call)
        volume.buildMeshFrame(frame0, frame0, raised, 0.25f, {0, 100, 0}, placement);
    ASSERT_EQ(volume.getWrittenVertexCount(), 18);
    EXPECT_NEAR(volume.getVertices()[0].y, 1.0f, 1e-5f);  // a quarter of the way to 2, scaled by 2
}

// The hashed edge list equals the linear search's, entry for entry, on random
// edge sequences with repeats both ways round (edges used three and four
// times by non-manifold meshes included).
TEST(ShadowVolume, EdgesMatchTheLinearSearch) {
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::uniform_int_distribution<std::int32_t> vertex(0, 4 + round * 3);
        CShadowVolume volume;
        std::vector<CShadowVolume::edge> expected;
        for (int i = 0; i < 400; ++i) {
            const std::int32_t a = vertex(random), b = vertex(random);
            volume.addEdge(a, b);
            addEdgeLiterally(expected, a, b);
        }
        const auto& edges = volume.getEdges();
        ASSERT_EQ(edges.size(), expected.size());
        for (std::size_t i = 0; i < edges.size(); ++i) {
            EXPECT_EQ(edges[i].first, expected[i].first) << i;
            EXPECT_EQ(edges[i].second, expected[i].second) << i;
            EXPECT_EQ(edges[i].active, expected[i].active) << i;
        }
    }
}
