#pragma once
#include <cmath>

// A point or direction in a model's space. Only + - * / and sqrt, so
// generated geometry is the same bit for bit everywhere (see Noise.h).
struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(float s, Vec3 a) { return a * s; }

inline float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline float length(Vec3 a) { return std::sqrt(dot(a, a)); }
inline Vec3 normalised(Vec3 a) { return a * (1.0f / length(a)); }
inline Vec3 lerp(Vec3 a, Vec3 b, float t) { return a + (b - a) * t; }

// MD2 and 3DS files keep z up; the engine reads a stored (x, y, z) as
// (x, z, -y). This is the inverse: where a point of the engine's y-up space
// is stored. Both are rotations, so windings survive the change.
inline Vec3 storedZUp(Vec3 p) { return {p.x, -p.z, p.y}; }
