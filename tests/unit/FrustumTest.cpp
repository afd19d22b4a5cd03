#include <gtest/gtest.h>

#include <cmath>

#include "scene3d/CFrustum.h"

namespace {
using Matrix = CFrustum::Matrix;
constexpr Matrix kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
// gluPerspective(90, 1, 1, 100), column-major.
constexpr Matrix kPerspective{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0f / 99, -1, 0, 0, -200.0f / 99, 0};

CFrustum frustumOf(const Matrix& projection, const Matrix& modelview) {
    CFrustum frustum;
    frustum.calculateFrustum(projection, modelview);
    return frustum;
}

void expectPlane(const CFrustum& frustum, int side, CFrustum::Plane expected) {
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(frustum.getPlane(side)[i], expected[i], 1e-3f) << "side " << side << " coefficient " << i;
}

// With identity matrices the view volume is the cube -1..1 on every axis.
const CFrustum kUnitCube = frustumOf(kIdentity, kIdentity);
// Eye at z = 10 looking down -z: near plane at z = 9, far plane at z = -90.
const CFrustum kDownZ = frustumOf(kPerspective, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -10, 1});
}  // namespace

TEST(FrustumPlanes, ExtractedInSideOrderAndNormalisedInWorldUnits) {
    expectPlane(kUnitCube, CFrustum::RIGHT, {-1, 0, 0, 1});
    expectPlane(kUnitCube, CFrustum::LEFT, {1, 0, 0, 1});
    expectPlane(kUnitCube, CFrustum::BOTTOM, {0, 1, 0, 1});
    expectPlane(kUnitCube, CFrustum::TOP, {0, -1, 0, 1});
    expectPlane(kUnitCube, CFrustum::BACK, {0, 0, -1, 1});
    expectPlane(kUnitCube, CFrustum::FRONT, {0, 0, 1, 1});
    const float h = std::sqrt(0.5f);
    expectPlane(kDownZ, CFrustum::FRONT, {0, 0, -1, 9});
    expectPlane(kDownZ, CFrustum::BACK, {0, 0, 1, 90});
    expectPlane(kDownZ, CFrustum::RIGHT, {-h, 0, -h, 10 * h});
    expectPlane(kDownZ, CFrustum::BOTTOM, {0, h, -h, 10 * h});
}

// The modelview applies before the projection: an eye turned to look along
// +x sees +x, and its right hand is +z.
TEST(FrustumPlanes, RotatedViewFollowsTheModelview) {
    const CFrustum frustum = frustumOf(kPerspective, {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_TRUE(frustum.pointInFrustum(5, 0, 0));
    EXPECT_FALSE(frustum.pointInFrustum(-5, 0, 0));
    EXPECT_FALSE(frustum.pointInFrustum(5, 0, 6));
    EXPECT_LT(frustum.getPlane(CFrustum::RIGHT)[CFrustum::C], 0.0f);
}

// An all-zero projection (nothing set up yet) must not produce NaN planes,
// which would make every point test answer "visible".
TEST(FrustumPlanes, DegenerateMatricesStayFinite) {
    const CFrustum frustum = frustumOf(Matrix{}, kIdentity);
    for (int side = 0; side < 6; ++side)
        for (float coefficient : frustum.getPlane(side))
            EXPECT_TRUE(std::isfinite(coefficient));
    EXPECT_FALSE(frustum.pointInFrustum(0, 0, 0));
}

TEST(FrustumQueries, PointSphereAndCubeAtTheBorder) {
    EXPECT_TRUE(kUnitCube.pointInFrustum(0.999f, -0.999f, 0.999f));
    EXPECT_FALSE(kUnitCube.pointInFrustum(1, 0, 0));      // on a plane is outside
    EXPECT_FALSE(kUnitCube.sphereInFrustum(2, 0, 0, 1));  // centre at distance -radius
    EXPECT_TRUE(kUnitCube.sphereInFrustum(2, 0, 0, 1.01f));
    EXPECT_FALSE(kUnitCube.cubeInFrustum(1.5f, 0, 0, 0.5f));  // nearest face on the plane
    EXPECT_TRUE(kUnitCube.cubeInFrustum(1.5f, 0, 0, 0.6f));
    EXPECT_TRUE(kUnitCube.cubeInFrustum(0, 0, 0, 10));
}

TEST(FrustumQueries, BoxClassification) {
    EXPECT_EQ(kUnitCube.boxInFrustum(-1, -1, -1, 1, 1, 1), CFrustum::INSIDE);        // corners on every face
    EXPECT_EQ(kUnitCube.boxInFrustum(1, 0, 0, 2, 0.5f, 0.5f), CFrustum::INTERSECT);  // a corner on a plane is in
    EXPECT_EQ(kUnitCube.boxInFrustum(1.01f, 0, 0, 2, 0.5f, 0.5f), CFrustum::OUTSIDE);
    EXPECT_EQ(kUnitCube.boxInFrustum(-5, -5, -5, 5, 5, 5), CFrustum::INTERSECT);
    EXPECT_EQ(kDownZ.boxInFrustum(-0.1f, -0.1f, 8.5f, 0.1f, 0.1f, 9.5f), CFrustum::INTERSECT);  // straddles near
    EXPECT_EQ(kDownZ.boxInFrustum(-1, -1, -95, 1, 1, -91), CFrustum::OUTSIDE);                  // beyond far
    EXPECT_EQ(kDownZ.boxInFrustum(-1, -1, 11, 1, 1, 12), CFrustum::OUTSIDE);                    // behind the eye
}
