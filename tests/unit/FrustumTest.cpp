#include <gtest/gtest.h>

#include <cmath>

#include "scene3d/CFrustum.h"

namespace {
using Matrix = CFrustum::Matrix;

constexpr Matrix kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// The matrix gluPerspective builds (column-major).
Matrix perspective(float fovyDegrees, float aspect, float zNear, float zFar) {
    const float f = 1.0f / std::tan(fovyDegrees * 3.14159265f / 360.0f);
    Matrix m{};
    m[0] = f / aspect;
    m[5] = f;
    m[10] = (zFar + zNear) / (zNear - zFar);
    m[11] = -1.0f;
    m[14] = 2.0f * zFar * zNear / (zNear - zFar);
    return m;
}

Matrix translation(float x, float y, float z) {
    Matrix m = kIdentity;
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

void expectPlane(const CFrustum& frustum, int side, CFrustum::Plane expected) {
    const CFrustum::Plane& plane = frustum.getPlane(side);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(plane[i], expected[i], 1e-3f) << "side " << side << " coefficient " << i;
}

// With identity matrices the view volume is the cube -1..1 on every axis.
CFrustum unitCube() {
    CFrustum frustum;
    frustum.calculateFrustum(kIdentity, kIdentity);
    return frustum;
}

// Eye at z = 10 looking down -z, 90 degree field of view, near 1, far 100.
CFrustum lookingDownZ() {
    CFrustum frustum;
    frustum.calculateFrustum(perspective(90.0f, 1.0f, 1.0f, 100.0f), translation(0, 0, -10));
    return frustum;
}
}  // namespace

TEST(FrustumPlanes, IdentityMatricesGiveTheUnitCubeInSideOrder) {
    const CFrustum frustum = unitCube();
    expectPlane(frustum, CFrustum::RIGHT, {-1, 0, 0, 1});
    expectPlane(frustum, CFrustum::LEFT, {1, 0, 0, 1});
    expectPlane(frustum, CFrustum::BOTTOM, {0, 1, 0, 1});
    expectPlane(frustum, CFrustum::TOP, {0, -1, 0, 1});
    expectPlane(frustum, CFrustum::BACK, {0, 0, -1, 1});
    expectPlane(frustum, CFrustum::FRONT, {0, 0, 1, 1});
}

TEST(FrustumPlanes, PerspectiveWithMovedEyeIsNormalisedInWorldUnits) {
    const CFrustum frustum = lookingDownZ();
    const float h = std::sqrt(0.5f);
    expectPlane(frustum, CFrustum::FRONT, {0, 0, -1, 9});   // z < 10 - near
    expectPlane(frustum, CFrustum::BACK, {0, 0, 1, 90});    // z > 10 - far
    expectPlane(frustum, CFrustum::RIGHT, {-h, 0, -h, 10 * h});
    expectPlane(frustum, CFrustum::LEFT, {h, 0, -h, 10 * h});
    expectPlane(frustum, CFrustum::TOP, {0, -h, -h, 10 * h});
    expectPlane(frustum, CFrustum::BOTTOM, {0, h, -h, 10 * h});
}

// The modelview must be applied before the projection: an eye at the origin
// turned to look along +x sees +x, not -z, and its right hand is +z.
TEST(FrustumPlanes, RotatedViewFollowsTheModelview) {
    Matrix lookAlongX = kIdentity;  // rows: right (0,0,1), up (0,1,0), back (-1,0,0)
    lookAlongX[0] = 0;
    lookAlongX[8] = 1;
    lookAlongX[2] = -1;
    lookAlongX[10] = 0;
    CFrustum frustum;
    frustum.calculateFrustum(perspective(90.0f, 1.0f, 1.0f, 100.0f), lookAlongX);
    EXPECT_TRUE(frustum.pointInFrustum(5, 0, 0));
    EXPECT_FALSE(frustum.pointInFrustum(-5, 0, 0));
    EXPECT_FALSE(frustum.pointInFrustum(0, 0, -5));
    EXPECT_GT(frustum.getPlane(CFrustum::LEFT)[CFrustum::C], 0.0f);
    EXPECT_LT(frustum.getPlane(CFrustum::RIGHT)[CFrustum::C], 0.0f);
}

// An all-zero projection (nothing set up yet) has no usable planes; they must
// not turn into NaNs, which would make every point test answer "visible".
TEST(FrustumPlanes, DegenerateMatricesStayFinite) {
    CFrustum frustum;
    frustum.calculateFrustum(Matrix{}, kIdentity);
    for (int side = 0; side < 6; ++side)
        for (float coefficient : frustum.getPlane(side)) EXPECT_TRUE(std::isfinite(coefficient));
    EXPECT_FALSE(frustum.pointInFrustum(0, 0, 0));
}

TEST(FrustumQueries, PointsOnAPlaneAreOutside) {
    const CFrustum frustum = unitCube();
    EXPECT_TRUE(frustum.pointInFrustum(0, 0, 0));
    EXPECT_TRUE(frustum.pointInFrustum(0.999f, -0.999f, 0.999f));
    EXPECT_FALSE(frustum.pointInFrustum(1, 0, 0));
    EXPECT_FALSE(frustum.pointInFrustum(0, -1, 0));
    EXPECT_FALSE(frustum.pointInFrustum(0, 0, 1.5f));
}

TEST(FrustumQueries, SphereTouchingFromOutsideIsHidden) {
    const CFrustum frustum = unitCube();
    EXPECT_FALSE(frustum.sphereInFrustum(2, 0, 0, 1));  // centre at distance -radius
    EXPECT_TRUE(frustum.sphereInFrustum(2, 0, 0, 1.01f));
    EXPECT_TRUE(frustum.sphereInFrustum(0, 0, 0, 100));
    EXPECT_FALSE(frustum.sphereInFrustum(0, -3, 0, 1.5f));
}

TEST(FrustumQueries, CubeNeedsACornerStrictlyInFrontOfEveryPlane) {
    const CFrustum frustum = unitCube();
    EXPECT_FALSE(frustum.cubeInFrustum(1.5f, 0, 0, 0.5f));  // nearest face lies on the plane
    EXPECT_TRUE(frustum.cubeInFrustum(1.5f, 0, 0, 0.6f));
    EXPECT_TRUE(frustum.cubeInFrustum(0, 0, 0, 10));  // encloses the whole volume
    EXPECT_FALSE(frustum.cubeInFrustum(0, 0, -5, 1));
}

TEST(FrustumQueries, BoxClassification) {
    const CFrustum frustum = unitCube();
    EXPECT_EQ(frustum.boxInFrustum(-0.5f, -0.5f, -0.5f, 0.5f, 0.5f, 0.5f), CFrustum::INSIDE);
    EXPECT_EQ(frustum.boxInFrustum(0.5f, 0, 0, 1.5f, 0.5f, 0.5f), CFrustum::INTERSECT);
    EXPECT_EQ(frustum.boxInFrustum(1, 0, 0, 2, 0.5f, 0.5f), CFrustum::INTERSECT);  // a corner on the plane is in
    EXPECT_EQ(frustum.boxInFrustum(1.01f, 0, 0, 2, 0.5f, 0.5f), CFrustum::OUTSIDE);
    EXPECT_EQ(frustum.boxInFrustum(-5, -5, -5, 5, 5, 5), CFrustum::INTERSECT);
    EXPECT_EQ(frustum.boxInFrustum(-1, -1, -1, 1, 1, 1), CFrustum::INSIDE);  // corners on every face
}

TEST(FrustumQueries, BoxesAgainstNearAndFarPlanes) {
    const CFrustum frustum = lookingDownZ();
    EXPECT_EQ(frustum.boxInFrustum(-0.1f, -0.1f, 8.5f, 0.1f, 0.1f, 9.5f), CFrustum::INTERSECT);   // straddles near
    EXPECT_EQ(frustum.boxInFrustum(-1, -1, -95, 1, 1, -91), CFrustum::OUTSIDE);                // beyond far
    EXPECT_EQ(frustum.boxInFrustum(-1, -1, -50, 1, 1, -40), CFrustum::INSIDE);
    EXPECT_EQ(frustum.boxInFrustum(-1, -1, 11, 1, 1, 12), CFrustum::OUTSIDE);                  // behind the eye
}
