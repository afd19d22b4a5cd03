#pragma once
#include "Basic/CVector2.h"
#include "Basic/CVector3.h"

// Free vector helpers shared by the camera, frustum, shadow and model code.

CVector3 cross(const CVector3& a, const CVector3& b);
float magnitude(const CVector3& v);
// Divides v by its magnitude in place and returns it. Unlike
// CVector3::normalize there is no zero guard: a zero vector becomes NaN.
CVector3& normalize(CVector3& v);
float distance(const CVector3& a, const CVector3& b);
CVector3 subtract(const CVector3& a, const CVector3& b);
CVector3 add(const CVector3& a, const CVector3& b);
CVector3 divide(const CVector3& v, float s);
float dot(const CVector3& a, const CVector3& b);

// Tangent and binormal of a triangle with corners pa, pb, pc and texture
// coordinates ta, tb, tc (the directions in which u and v grow). A
// degenerate texture mapping leaves both outputs untouched.
void computeTangentSpace(const CVector3& pa, const CVector3& pb, const CVector3& pc, const CVector2& ta,
                         const CVector2& tb, const CVector2& tc, CVector3& tangent, CVector3& binormal);
