#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "Models/StaticMeshEntity.h"
#include "Models/loaders/C3DSLoader.h"

// A 3D Studio model: the loader's mesh with its material textures, drawn in
// immediate mode (the 3D game object's path) or from vertex buffers.
class C3DSObject : public StaticMeshEntity {
public:
    // The texture table's size: a model with more materials is refused.
    static constexpr std::size_t kMaxMaterials = 100;

    explicit C3DSObject(TextureLoader loadTexture = {});

    // Reads the file, uploads its buffers, loads the material textures from
    // textureDirectory and places the world box. False, with the reason on
    // the console, when the file cannot be read or is damaged.
    virtual bool load(const std::string& fileName, const std::string& textureDirectory, bool swapYZ);
    virtual void render();
    // The whole model from one set of buffers, untextured.
    virtual void renderBuffers();
    virtual void renderObjectBuffers();
    // The model's box and every object's box, in red.
    virtual void drawBoundingBoxes();
    virtual void drawBoundingSphere();
    virtual void setPosition(CVector3 position);
    using PlacedModel::setPosition;
    // Rebuilds every object's shadow volume for a light at light.
    virtual void castShadow(const CVector3& light);

    std::int32_t getTexture(std::size_t material) const { return textures[material]; }

protected:
    std::uint32_t textureOf(const t3DObject& object) const override;

private:
    void loadTextures(const std::string& textureDirectory);

    CLoad3DS loader;
    std::array<std::int32_t, kMaxMaterials> textures{};
};
