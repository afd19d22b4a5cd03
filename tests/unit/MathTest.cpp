#include <gtest/gtest.h>

#include <cmath>

#include "Basic/C3DMath.h"
#include "Basic/CVector2.h"
#include "Basic/CVector3.h"
#include "Basic/Matrix4x4f.h"
#include "support/VectorNear.h"

namespace {
CVector3 transformed(const matrix4x4f& m, CVector3 p) {
    m.transformPoint(p);
    return p;
}
}  // namespace

TEST(Vectors, OperatorsKeepOperandsAndNormalizeGuardsZero) {
    const CVector2 a(1, 3), b(2, -1);
    CVector2 c = a + b;
    c *= 2;
    c -= a;
    EXPECT_EQ(c.x, 5);
    EXPECT_EQ(c.y, 1);
    CVector2 zero2;
    zero2.normalize();
    EXPECT_EQ(zero2.x, 0);

    const CVector3 p(1, 2, 3), q(4, 5, 6);
    expectNear(p + q, {5, 7, 9}, 1e-5f);
    expectNear(p * q, {4, 10, 18}, 1e-5f);
    expectNear(q / 4, {1, 1.25f, 1.5f}, 1e-5f);  // integer divisor
    expectNear(p, {1, 2, 3}, 1e-5f);
    CVector3 r = q;
    r /= CVector3(4, 1, 3);
    (r *= 2.0f) -= p;
    expectNear(r, {1, 8, 1}, 1e-5f);
    CVector3 zero3, v3(3, 0, 4);
    zero3.normalize();
    v3.normalize();
    expectNear(zero3, {0, 0, 0}, 1e-5f);
    expectNear(v3, {0.6f, 0, 0.8f}, 1e-5f);
    EXPECT_EQ(v3.ptr()[2], v3.z);
}

TEST(Vectors, FreeFunctions) {
    const CVector3 a(1, 2, 3), b(-2, 0, 5);
    expectNear(cross(a, b), {10, -11, 4}, 1e-5f);
    EXPECT_FLOAT_EQ(dot(a, b), 13);
    EXPECT_FLOAT_EQ(distance(a, b), std::sqrt(17.0f));
    expectNear(subtract(a, b), {3, 2, -2}, 1e-5f);
    expectNear(divide(b, 2), {-1, 0, 2.5f}, 1e-5f);
    CVector3 v(0, 3, 4);
    EXPECT_EQ(&normalize(v), &v);
    expectNear(v, {0, 0.6f, 0.8f}, 1e-5f);
}

TEST(Matrix, TranslationMovesPointsButNotVectors) {
    matrix4x4f m;
    m.setRotationX(30);
    m.setTranslation(CVector3(1, 2, 3));  // starts again from the identity
    CVector3 v(4, -5, 6);
    m.transformVector(v);
    expectNear(v, {4, -5, 6}, 1e-5f);
    m.transformPoint(v);
    expectNear(v, {5, -3, 9}, 1e-5f);
    m.setTranslationY(7);
    expectNear(transformed(m, {1, 1, 1}), {1, 8, 1}, 1e-5f);
}

TEST(Matrix, RotationsTurnCounterClockwiseAboutTheirAxis) {
    matrix4x4f m;
    m.setRotationX(90);
    expectNear(transformed(m, {0, 1, 0}), {0, 0, 1}, 1e-5f);
    m.setRotationY(90);
    expectNear(transformed(m, {0, 0, 1}), {1, 0, 0}, 1e-5f);
    CVector3 diagonal(1, 1, 1);
    m.setRotation(120, diagonal);  // cycles x -> y -> z
    expectNear(transformed(m, {1, 0, 0}), {0, 1, 0}, 1e-5f);

    m.setRotationZ(90);
    expectNear(transformed(m, {1, 0, 0}), {0, 1, 0}, 1e-5f);
    CVector3 axis(0, 0, 2);
    matrix4x4f general;
    general.m[12] = 9;  // every element is rewritten
    general.setRotation(90, axis);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(general.m[i], m.m[i], 1e-6f) << i;
    expectNear(axis, {0, 0, 1}, 1e-5f);
}

TEST(Matrix, ProductIsColumnMajorAndAppliesTheRightOperandFirst) {
    matrix4x4f a, b;
    for (int i = 0; i < 16; ++i) {
        a.m[i] = static_cast<float>(i + 1);
        b.m[i] = static_cast<float>((i * 7) % 5 - 2);
    }
    // R[4c + r] = sum over k of a[4k + r] * b[4c + k], worked out by hand.
    const float expected[16] = {3, 2, 1, 0, 17, 18, 19, 20, -14, -16, -18, -20, -20, -20, -20, -20};
    const matrix4x4f r = a * b;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(r.m[i], expected[i]) << i;

    matrix4x4f translate, scale;
    translate.setTranslation(CVector3(1, 2, 3));
    scale.setScale(CVector3(2, 3, 4));
    expectNear(transformed(translate * scale, {1, 1, 1}), {3, 5, 7}, 1e-5f);
    expectNear(transformed(scale * translate, {1, 1, 1}), {4, 9, 16}, 1e-5f);
    EXPECT_NEAR(matrix4x4f::degToRad(180), 3.1415927f, 1e-6f);
}
