#include "Basic/CVector3.h"

#include <cmath>

float CVector3::length() const { return std::sqrt(z * z + x * x + y * y); }

void CVector3::normalize() {
    const float len = length();
    if (len == 0.0f)
        return;
    *this *= 1.0f / len;
}
