#pragma once
#include <functional>

#include "Basic/CVector3.h"
#include "Basic/Matrix4x4f.h"

// Base of every loaded model: its placement in the world (position, scale,
// rotation about an axis) and its world-space bounding box. Each model class
// calls setBoundingBox with its own object-space box after loading and after
// every change of placement.
class CEntity {
public:
    CEntity() = default;
    virtual ~CEntity() = default;

    // Scales both points, turns them by angle degrees about the y axis (the
    // rotation axis is not consulted) and moves them to the position.
    virtual void transformBounds(CVector3& a, CVector3& b);
    // Stores the box and transforms it as transformBounds does.
    virtual void setBoundingBox(CVector3 min, CVector3 max);
    // Multiplies the current OpenGL matrix by translate, rotate, scale.
    virtual void applyTransform();

protected:
    // False when the camera's view frustum holds no part of the object-space
    // box placed like the model; true without a camera.
    bool boxVisible(CVector3 min, CVector3 max);
    // The stencil pass every model's drawShadowStencil shares: counts the
    // shadow volume's front faces up and back faces down in the stencil
    // buffer, in one pass where two-sided stencil exists, otherwise in two.
    void stencilPass(const std::function<void()>& drawVolume) const;

    CVector3 position{0, 0, 0};
    CVector3 scale{1, 1, 1};
    float angle = 0.0f;
    CVector3 axis{0, 1, 0};
    matrix4x4f matrix;
    CVector3 boundsMin{0, 0, 0};
    CVector3 boundsMax{0, 0, 0};
};
