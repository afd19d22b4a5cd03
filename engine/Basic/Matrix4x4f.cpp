#include "Basic/Matrix4x4f.h"

#include <cmath>

void matrix4x4f::loadIdentity() { *this = matrix4x4f(); }

void matrix4x4f::setTranslation(const CVector3& t) {
    loadIdentity();
    m[12] = t.x;
    m[13] = t.y;
    m[14] = t.z;
}

void matrix4x4f::setTranslationComponent(int axis, float value) {
    loadIdentity();
    m[12 + axis] = value;
}

void matrix4x4f::setTranslationX(float value) { setTranslationComponent(0, value); }
void matrix4x4f::setTranslationY(float value) { setTranslationComponent(1, value); }
void matrix4x4f::setTranslationZ(float value) { setTranslationComponent(2, value); }

void matrix4x4f::setRotation(float angle, CVector3& axis) {
    axis.normalize();
    const float s = std::sin(degToRad(angle));
    const float c = std::cos(degToRad(angle));
    const float t = 1.0f - c;
    const float x = axis.x, y = axis.y, z = axis.z;

    m[0] = t * x * x + c;
    m[1] = t * x * y + s * z;
    m[2] = t * x * z - s * y;
    m[3] = 0.0f;
    m[4] = t * x * y - s * z;
    m[5] = t * y * y + c;
    m[6] = t * y * z + s * x;
    m[7] = 0.0f;
    m[8] = t * x * z + s * y;
    m[9] = t * y * z - s * x;
    m[10] = t * z * z + c;
    m[11] = 0.0f;
    m[12] = m[13] = m[14] = 0.0f;
    m[15] = 1.0f;
}

// Rotation in the plane of two axes, turning axis `from` towards axis `to`:
// X is (y -> z), Y is (z -> x), Z is (x -> y).
void matrix4x4f::setPlaneRotation(float angle, int from, int to) {
    loadIdentity();
    const float s = std::sin(degToRad(angle));
    const float c = std::cos(degToRad(angle));
    m[4 * from + from] = c;
    m[4 * from + to] = s;
    m[4 * to + from] = -s;
    m[4 * to + to] = c;
}

void matrix4x4f::setRotationX(float angle) { setPlaneRotation(angle, 1, 2); }
void matrix4x4f::setRotationY(float angle) { setPlaneRotation(angle, 2, 0); }
void matrix4x4f::setRotationZ(float angle) { setPlaneRotation(angle, 0, 1); }

void matrix4x4f::setScale(const CVector3& s) {
    loadIdentity();
    m[0] = s.x;
    m[5] = s.y;
    m[10] = s.z;
}

matrix4x4f matrix4x4f::operator+(const matrix4x4f& o) const {
    matrix4x4f r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = m[i] + o.m[i];
    return r;
}

matrix4x4f matrix4x4f::operator-(const matrix4x4f& o) const {
    matrix4x4f r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = m[i] - o.m[i];
    return r;
}

matrix4x4f matrix4x4f::operator*(const matrix4x4f& o) const {
    matrix4x4f r;
    for (int c = 0; c < 4; ++c) {
        const float* col = &o.m[4 * c];
        for (int row = 0; row < 4; ++row)
            r.m[4 * c + row] = m[row] * col[0] + m[4 + row] * col[1] + m[8 + row] * col[2] + m[12 + row] * col[3];
    }
    return r;
}

matrix4x4f matrix4x4f::operator*(float s) const {
    matrix4x4f r;
    for (int i = 0; i < 16; ++i)
        r.m[i] = m[i] * s;
    return r;
}
