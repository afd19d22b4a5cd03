#pragma once
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
