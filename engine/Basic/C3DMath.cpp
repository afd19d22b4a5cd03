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
