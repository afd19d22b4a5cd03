#pragma once
#include "Basic/CVector2.h"
#include "Basic/CVector3.h"
#include "Basic/Matrix4x4f.h"

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

// The perspective projection glFrustum makes for a vertical field of view
// of fovy degrees, as the graphics core's setPerspective sets it up.
matrix4x4f perspectiveMatrix(float fovy, float aspect, float zNear, float zFar);
// The view matrix gluLookAt makes: the eye at eye looking at target.
matrix4x4f lookAtMatrix(const CVector3& eye, const CVector3& target, const CVector3& up);

// Tangent and binormal of a triangle with corners pa, pb, pc and texture
// coordinates ta, tb, tc (the directions in which u and v grow). A
// degenerate texture mapping leaves both outputs untouched.
void computeTangentSpace(const CVector3& pa, const CVector3& pb, const CVector3& pc, const CVector2& ta,
                         const CVector2& tb, const CVector2& tc, CVector3& tangent, CVector3& binormal);
