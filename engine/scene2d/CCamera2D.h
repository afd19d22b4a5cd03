#pragma once
#include "Basic/CVector2.h"

// A 2D camera is an offset added to everything drawn after the camera
// manager applies it: a position of (100, 0) shifts the world 100 pixels to
// the right. It is not the point the viewer looks at.
class CCamera2D {
public:
    CCamera2D() = default;
    CCamera2D(float x, float y);
    virtual ~CCamera2D() = default;

    virtual void increaseX(float d);
    virtual void decreaseX(float d);
    virtual void increaseY(float d);
    virtual void decreaseY(float d);
    virtual void move(float dx, float dy);
    virtual void setPosition(float x, float y);
    // Copies the values; the camera keeps its own vector.
    virtual void setPosition(const CVector2& newPosition);
    // The position itself, so callers may read or overwrite it.
    virtual CVector2& getPosition();

private:
    CVector2 position;
};
