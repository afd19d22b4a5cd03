#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "Models/CEntity.h"
#include "Models/loaders/Structures.h"

// A model read into the shared mesh record (3DS, MD2, OBJ): its placement
// operations keep the world box in step, and its textures come through the
// texture loader it was made with (the engine's image loader by default, a
// stand-in in tests).
class MeshEntity : public CEntity {
public:
    // Loads an image file, answering its texture name (0 on failure).
    using TextureLoader = std::function<std::int32_t(const std::string& path)>;

    explicit MeshEntity(TextureLoader loadTexture = {});

    virtual void setPosition(float x, float y, float z);
    virtual CVector3 getPosition() const;
    virtual void setRotation(float angle);
    virtual float getRotation() const;
    virtual void setScale(float x, float y, float z);
    // The shared stencil pass over the model's shadow volume(s).
    virtual void drawShadowStencil();
    virtual void drawShadowVolume() = 0;
    virtual std::uint64_t getVertexCount() const;
    virtual CVector3 getBoundingMin() const;
    virtual CVector3 getBoundingMax() const;

    const tMeshModel& getModel() const { return model; }

protected:
    // Places the world box from the object-space box the model shows.
    virtual void updateBounds();

    tMeshModel model;
    TextureLoader loadTexture;
};
