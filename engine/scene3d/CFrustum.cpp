#include "scene3d/CFrustum.h"

#include <GL/glew.h>

#include <cmath>

namespace {
using Corners = std::array<CVector3, 8>;

Corners boxCorners(float x1, float y1, float z1, float x2, float y2, float z2) {
    return {CVector3{x1, y1, z1}, {x2, y1, z1}, {x1, y2, z1}, {x2, y2, z1},
            CVector3{x1, y1, z2}, {x2, y1, z2}, {x1, y2, z2}, {x2, y2, z2}};
}

// Column i of the combined clip matrix as a plane (A, B, C, D).
CFrustum::Plane clipColumn(const CFrustum::Matrix& clip, int i) {
    return {clip[i], clip[4 + i], clip[8 + i], clip[12 + i]};
}

CFrustum::Plane combine(const CFrustum::Plane& a, const CFrustum::Plane& b, float sign) {
    return {a[0] + sign * b[0], a[1] + sign * b[1], a[2] + sign * b[2], a[3] + sign * b[3]};
}
}  // namespace

void CFrustum::normalizePlane(Planes& table, int side) {
    Plane& plane = table.at(static_cast<std::size_t>(side));
    const float length = std::sqrt(plane[A] * plane[A] + plane[B] * plane[B] + plane[C] * plane[C]);
    // A degenerate plane (for example from an all-zero projection) would turn
    // into NaNs, on which the point and sphere tests answer "visible" and the
    // cube and box tests "outside".
    if (length == 0.0f)
        return;
    for (float& coefficient : plane)
        coefficient /= length;
}

void CFrustum::calculateFrustum() {
    Matrix projection{};
    Matrix modelview{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview.data());
    calculateFrustum(projection, modelview);
}

void CFrustum::calculateFrustum(const Matrix& proj, const Matrix& modl) {
    Matrix clip{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            clip[4 * r + c] = modl[4 * r] * proj[c] + modl[4 * r + 1] * proj[4 + c] + modl[4 * r + 2] * proj[8 + c] +
                              modl[4 * r + 3] * proj[12 + c];
    const Plane w = clipColumn(clip, 3);
    const struct {
        FrustumSide side;
        int column;
        float sign;
    } rows[] = {{RIGHT, 0, -1.0f}, {LEFT, 0, 1.0f},  {BOTTOM, 1, 1.0f},
                {TOP, 1, -1.0f},   {BACK, 2, -1.0f}, {FRONT, 2, 1.0f}};
    for (const auto& row : rows) {
        planes[row.side] = combine(w, clipColumn(clip, row.column), row.sign);
        normalizePlane(planes, row.side);
    }
}

float CFrustum::distance(int side, const CVector3& p) const {
    const Plane& plane = planes[static_cast<std::size_t>(side)];
    return plane[A] * p.x + plane[B] * p.y + plane[C] * p.z + plane[D];
}

bool CFrustum::pointInFrustum(float x, float y, float z) const {
    for (int side = 0; side < 6; ++side)
        if (distance(side, {x, y, z}) <= 0.0f)
            return false;
    return true;
}

bool CFrustum::sphereInFrustum(float x, float y, float z, float radius) const {
    for (int side = 0; side < 6; ++side)
        if (distance(side, {x, y, z}) <= -radius)
            return false;
    return true;
}

bool CFrustum::cubeInFrustum(float x, float y, float z, float size) const {
    const Corners corners = boxCorners(x - size, y - size, z - size, x + size, y + size, z + size);
    for (int side = 0; side < 6; ++side) {
        bool anyInFront = false;
        for (const CVector3& corner : corners)
            anyInFront = anyInFront || distance(side, corner) > 0.0f;
        if (!anyInFront)
            return false;
    }
    return true;
}

// "Behind" carries over from plane to plane: a box that is in front of every
// plane but behind some of them straddles the volume's border.
CFrustum::BoxVisibility CFrustum::boxInFrustum(float x1, float y1, float z1, float x2, float y2, float z2) const {
    const Corners corners = boxCorners(x1, y1, z1, x2, y2, z2);
    bool anyBehind = false;
    for (int side = 0; side < 6; ++side) {
        bool anyInFront = false;
        for (const CVector3& corner : corners) {
            if (distance(side, corner) >= 0.0f)
                anyInFront = true;
            else
                anyBehind = true;
            if (anyInFront && anyBehind)
                break;
        }
        if (!anyInFront)
            return OUTSIDE;
    }
    return anyBehind ? INTERSECT : INSIDE;
}

const CFrustum::Plane& CFrustum::getPlane(int side) const { return planes.at(static_cast<std::size_t>(side)); }
