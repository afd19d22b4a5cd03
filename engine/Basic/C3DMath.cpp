#include "Basic/C3DMath.h"

#include <cmath>

CVector3 cross(const CVector3& a, const CVector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float magnitude(const CVector3& v) { return std::sqrt(dot(v, v)); }

CVector3& normalize(CVector3& v) {
    const float m = magnitude(v);
    v.x /= m;
    v.y /= m;
    v.z /= m;
    return v;
}

float distance(const CVector3& a, const CVector3& b) { return magnitude(a - b); }

CVector3 subtract(const CVector3& a, const CVector3& b) { return a - b; }

CVector3 add(const CVector3& a, const CVector3& b) { return a + b; }

CVector3 divide(const CVector3& v, float s) { return v / s; }

float dot(const CVector3& a, const CVector3& b) { return a.z * b.z + a.x * b.x + a.y * b.y; }

matrix4x4f perspectiveMatrix(float fovy, float aspect, float zNear, float zFar) {
    const float top = zNear * std::tan(matrix4x4f::degToRad(fovy) / 2.0f);
    const float right = top * aspect;
    matrix4x4f m;
    m.m[0] = zNear / right;
    m.m[5] = zNear / top;
    m.m[10] = -(zFar + zNear) / (zFar - zNear);
    m.m[11] = -1.0f;
    m.m[14] = -2.0f * zFar * zNear / (zFar - zNear);
    m.m[15] = 0.0f;
    return m;
}

matrix4x4f lookAtMatrix(const CVector3& eye, const CVector3& target, const CVector3& up) {
    CVector3 forward = target - eye;
    forward.normalize();
    CVector3 side = cross(forward, up);
    side.normalize();
    const CVector3 trueUp = cross(side, forward);
    matrix4x4f m;
    const CVector3 rows[3] = {side, trueUp, forward * -1.0f};
    for (int row = 0; row < 3; ++row) {
        m.m[row] = rows[row].x;
        m.m[4 + row] = rows[row].y;
        m.m[8 + row] = rows[row].z;
        m.m[12 + row] = -dot(rows[row], eye);
    }
    return m;
}

namespace {
// One of the two tangent-space axes; only the sign of 1/det matters once the
// result is normalised, so the reciprocal itself (which overflows for nearly
// degenerate mappings) is never formed.
CVector3 tangentAxis(const CVector3& e1, const CVector3& e2, float d1, float d2, float sign) {
    CVector3 axis = (e2 * d1 + e1 * (-d2)) * sign;
    axis.normalize();
    return axis;
}
}  // namespace

void computeTangentSpace(const CVector3& pa, const CVector3& pb, const CVector3& pc, const CVector2& ta,
                         const CVector2& tb, const CVector2& tc, CVector3& tangent, CVector3& binormal) {
    const CVector3 e1 = pa - pb;
    const CVector3 e2 = pa - pc;
    const CVector2 d1 = ta - tb;
    const CVector2 d2 = ta - tc;
    const float det = d1.y * d2.x - d1.x * d2.y;
    if (det == 0.0f)
        return;
    const float sign = det > 0.0f ? 1.0f : -1.0f;
    tangent = tangentAxis(e1, e2, d1.y, d2.y, sign);
    binormal = tangentAxis(e1, e2, d1.x, d2.x, sign);
}
