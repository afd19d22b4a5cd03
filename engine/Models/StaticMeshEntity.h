#pragma once
#include <cstdint>
#include <vector>

#include "Models/MeshBuffers.h"
#include "Models/MeshEntity.h"
#include "Models/CShadowVolume.h"

// A mesh model of several still objects (3DS, OBJ): drawn in immediate mode
// or from its vertex buffers, each object only when the camera's frustum
// holds its box, and casting one shadow volume per object. The formats
// differ only in where an object's texture comes from.
class StaticMeshEntity : public MeshEntity {
public:
    using MeshEntity::MeshEntity;

    void drawShadowVolume() override;

protected:
    // The texture name an object with a texture is drawn with.
    virtual std::uint32_t textureOf(const t3DObject& object) const = 0;

    // Each visible object: its texture and texture coordinates when it has
    // a texture, otherwise untextured in its material's colour (white
    // without one).
    void drawObjects();
    void drawObjectBuffers();
    // The whole-model buffers, untextured; built on first use.
    void drawModelBuffers();
    // The model's box and every object's box in colour.
    void outlineBoxes(float r, float g, float b);
    void castObjectShadows(const CVector3& light);

    MeshBuffers buffers;
    std::vector<CShadowVolume> shadowVolumes;

private:
    void drawCorners(const t3DObject& object, bool textured);
};
