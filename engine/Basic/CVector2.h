#pragma once

// 2D vector of 32-bit floats: texture coordinates, 2D positions and sizes.
// A plain value type, created and copied freely in per-frame code.
class CVector2 {
public:
    float x = 0.0f;
    float y = 0.0f;

    constexpr CVector2() = default;
    constexpr CVector2(float x, float y) : x(x), y(y) {}

    CVector2 operator+(const CVector2& o) const { return {x + o.x, y + o.y}; }
    CVector2& operator+=(const CVector2& o) {
        x += o.x;
        y += o.y;
        return *this;
    }
    CVector2 operator-(const CVector2& o) const { return {x - o.x, y - o.y}; }
    CVector2& operator-=(const CVector2& o) {
        x -= o.x;
        y -= o.y;
        return *this;
    }
    CVector2 operator*(float s) const { return {x * s, y * s}; }
    CVector2& operator*=(float s) {
        x *= s;
        y *= s;
        return *this;
    }
    CVector2 operator/(float s) const { return {x / s, y / s}; }
    CVector2& operator/=(float s) {
        x /= s;
        y /= s;
        return *this;
    }

    float length() const;
    // Scales to unit length; a zero vector stays zero.
    void normalize();
    void set(const CVector2& o) { *this = o; }
};
