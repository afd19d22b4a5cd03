#pragma once
#include <array>

#include "Basic/CVector3.h"
#include "scene3d/CFrustum.h"

// The engine's one 3D camera: an eye position, a look-at point and an up
// vector, steered by mouse-look and W/A/S/D, applied with gluLookAt. Every
// look recomputes the view frustum, so culling always sees the matrices the
// frame is drawn with.
class CCamera {
public:
    CCamera() = default;
    virtual ~CCamera() = default;

    virtual void positionCamera(float positionX, float positionY, float positionZ, float viewX, float viewY,
                                float viewZ, float upX, float upY, float upZ);
    // Turns the view by the pointer's offset from the window centre and
    // warps the pointer back there.
    virtual void setViewByMouse();
    // Rotates the view point about an axis through the eye (angle in radians).
    virtual void rotateView(float angle, float x, float y, float z);
    // Moves eye and view point along the last view direction.
    virtual void moveCamera(float speed);
    // Moves eye and view point sideways, in the horizontal plane only.
    virtual void strafeCamera(float speed);
    // Moves the eye and keeps the view direction and distance.
    virtual void moveTo(const CVector3& newPosition);
    // W/A/S/D, scaled by the speed and the frame time.
    virtual void checkForMovement();
    // Once per frame: strafe vector, mouse-look, keyboard movement.
    virtual void update();
    // Applies the camera to the modelview matrix and recomputes the frustum.
    virtual void look();
    virtual void setSpeed(float unitsPerSecond);
    // Does nothing and nothing calls it; it only holds its place in the
    // camera's list of operations.
    virtual void doNothing();
    virtual CFrustum& getFrustum();
    virtual CVector3 getPosition() const;
    virtual CVector3 getView() const;
    // Keeps the inverse of the current modelview matrix (a rigid transform)
    // for projecting shadow maps from eye space.
    virtual void storeInverseViewMatrix();
    virtual const std::array<float, 16>& getInverseViewMatrix() const;

    CVector3 getUpVector() const { return up; }
    CVector3 getStrafe() const { return strafe; }
    CVector3 getDirection() const { return direction; }
    float getSpeed() const { return speed; }

private:
    // normalize((position - view) x up): points to the viewer's left.
    CVector3 leftAxis() const;

    CVector3 position{20.0f, 110.0f, 90.0f};
    CVector3 view{1.0f, 5.0f, 1.0f};
    CVector3 up{0.0f, 1.0f, 0.0f};
    CVector3 strafe{};
    CVector3 direction{};
    float speed = 200.0f;
    CFrustum frustum;
    std::array<float, 16> inverseView{};
};
