#pragma once
#include <array>

#include "Basic/CVector3.h"

// The six clip planes of the current view volume. Each plane is A·x + B·y +
// C·z + D = 0 with its normal pointing into the visible volume, so a positive
// distance means "in front of this plane". Game objects and models ask it
// whether a point, sphere, cube or box can be seen before drawing it.
class CFrustum {
public:
    enum FrustumSide { RIGHT = 0, LEFT = 1, BOTTOM = 2, TOP = 3, BACK = 4, FRONT = 5 };
    enum PlaneData { A = 0, B = 1, C = 2, D = 3 };
    enum BoxVisibility { OUTSIDE = 0, INTERSECT = 1, INSIDE = 2 };

    using Plane = std::array<float, 4>;
    using Planes = std::array<Plane, 6>;
    using Matrix = std::array<float, 16>;

    CFrustum() = default;
    virtual ~CFrustum() = default;

    // Scales the plane so (A, B, C) has unit length and distances come out
    // in world units. A plane with a zero normal is left as it is.
    virtual void normalizePlane(Planes& table, int side);
    // Recomputes the planes from the current OpenGL projection and modelview.
    virtual void calculateFrustum();
    // The same from given column-major matrices.
    virtual void calculateFrustum(const Matrix& projection, const Matrix& modelview);

    // A point exactly on a plane is outside.
    virtual bool pointInFrustum(float x, float y, float z) const;
    virtual bool sphereInFrustum(float x, float y, float z, float radius) const;
    // Cube centred at (x, y, z) with half-extent size.
    virtual bool cubeInFrustum(float x, float y, float z, float size) const;
    // Axis-aligned box between two corners; a corner on a plane counts as in.
    virtual BoxVisibility boxInFrustum(float x1, float y1, float z1, float x2, float y2, float z2) const;

    const Plane& getPlane(int side) const;

private:
    float distance(int side, const CVector3& p) const;

    Planes planes{};
};
