#include "Basic/CVector2.h"

#include <cmath>

float CVector2::length() const { return std::sqrt(x * x + y * y); }

void CVector2::normalize() {
    const float len = length();
    if (len == 0.0f)
        return;
    x /= len;
    y /= len;
}
