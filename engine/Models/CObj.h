#pragma once
#include <cstdint>
#include <string>

#include "Models/StaticMeshEntity.h"
#include "Models/loaders/CObjLoader.h"

// A Wavefront OBJ model: the loader's mesh with one texture for the whole
// model, drawn in immediate mode (the 3D game object's path) or from vertex
// buffers.
class CObj : public StaticMeshEntity {
public:
    explicit CObj(TextureLoader loadTexture = {});

    // Reads the file, uploads its buffers, loads textureFile (when not
    // empty) and places the world box. False, with the reason on the
    // console, when the file cannot be read or is damaged.
    virtual bool load(const std::string& fileName, const std::string& textureFile);
    virtual void render();
    virtual void renderObjectBuffers();
    // The model's box and every object's box, in red.
    virtual void drawBoundingBoxes();
    // Rebuilds every object's shadow volume for a light at light.
    virtual void castShadow(const CVector3& light);

    std::int32_t getTexture() const { return textureId; }

protected:
    std::uint32_t textureOf(const t3DObject& object) const override;

private:
    CObjLoader loader;
    std::int32_t textureId = 0;
};
