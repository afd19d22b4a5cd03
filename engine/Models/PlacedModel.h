#pragma once
#include "Basic/CVector3.h"
#include "Models/CEntity.h"

// A model class's placement operations: each change of position, scale or
// rotation places the world box again from the model's own box. Also the
// stencil pass over the model's shadow volume(s).
class PlacedModel : public CEntity {
public:
    virtual void setPosition(float x, float y, float z);
    virtual CVector3 getPosition() const;
    virtual void setRotation(float angle);
    virtual float getRotation() const;
    virtual void setScale(float x, float y, float z);
    virtual void drawShadowVolume() = 0;
    // The shared stencil pass over drawShadowVolume.
    virtual void drawShadowStencil();
    virtual CVector3 getBoundingMin() const;
    virtual CVector3 getBoundingMax() const;

protected:
    // Places the world box from the object-space box the model shows.
    virtual void updateBounds() = 0;
};
