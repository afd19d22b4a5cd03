#pragma once
#include "Basic/CVector2.h"

// Size and corners of a 2D object's box, drawn as a red outline so the box
// can be seen during development.
class CBoundingBox2D {
public:
    CBoundingBox2D() = default;
    virtual ~CBoundingBox2D() = default;

    virtual void setSize(float newWidth, float newHeight);
    // Copies both vectors.
    virtual void setCorners(const CVector2& first, const CVector2& second);
    virtual void move(const CVector2& offset);
    // Red wire-frame rectangle of the box's size with its top-left corner at
    // position, through the graphics core's wire-frame switch (left off
    // afterwards). Texturing stays off and the current colour red.
    virtual void draw(const CVector2& position);

    float getWidth() const;
    float getHeight() const;
    const CVector2& getFirstCorner() const;
    const CVector2& getSecondCorner() const;

private:
    CVector2 firstCorner;
    CVector2 secondCorner;
    float width = 0.0f;
    float height = 0.0f;
};
