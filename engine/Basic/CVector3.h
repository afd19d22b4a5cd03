#pragma once
#include <cstdint>
#include <type_traits>

// 3D vector of 32-bit floats: positions, directions, normals and sizes.
// The components are contiguous (x, y, z) so ptr() can go straight to
// OpenGL's vector-taking calls. A plain value type, cheap to copy.
class CVector3 {
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    constexpr CVector3() = default;
    constexpr CVector3(float x, float y, float z) : x(x), y(y), z(z) {}

    CVector3 operator+(const CVector3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    CVector3 operator-(const CVector3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    CVector3 operator*(float s) const { return {x * s, y * s, z * s}; }
    // Component-wise product.
    CVector3 operator*(const CVector3& o) const { return {x * o.x, y * o.y, z * o.z}; }
    CVector3 operator/(float s) const { return {x / s, y / s, z / s}; }
    // Division by a count. A template so that `v / 2` picks this overload
    // instead of being ambiguous against the float one.
    template <typename Int, std::enable_if_t<std::is_integral_v<Int>, int> = 0>
    CVector3 operator/(Int n) const {
        const auto count = static_cast<std::int64_t>(n);
        return {x / count, y / count, z / count};
    }

    float length() const;
    // Scales to unit length; a zero vector stays zero.
    void normalize();
    float* ptr() { return &x; }
    const float* ptr() const { return &x; }

    CVector3& operator+=(const CVector3& o) {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    CVector3& operator-=(const CVector3& o) {
        x -= o.x;
        y -= o.y;
        z -= o.z;
        return *this;
    }
    CVector3& operator*=(const CVector3& o) {
        x *= o.x;
        y *= o.y;
        z *= o.z;
        return *this;
    }
    CVector3& operator/=(const CVector3& o) {
        x /= o.x;
        y /= o.y;
        z /= o.z;
        return *this;
    }
    CVector3& operator*=(float s) {
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }
};

static_assert(sizeof(CVector3) == 3 * sizeof(float), "CVector3 must be three packed floats");
static_assert(std::is_trivially_copyable_v<CVector3>, "CVector3 must stay cheap to copy");
