#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "Models/PlacedModel.h"
#include "Models/loaders/Structures.h"

// A model read into the shared mesh record (3DS, MD2, OBJ). Its textures
// come through the texture loader it was made with (the engine's image
// loader by default, a stand-in in tests).
class MeshEntity : public PlacedModel {
public:
    // Loads an image file, answering its texture name (0 on failure).
    using TextureLoader = std::function<std::int32_t(const std::string& path)>;

    explicit MeshEntity(TextureLoader loadTexture = {});

    virtual std::uint64_t getVertexCount() const;

    const tMeshModel& getModel() const { return model; }

protected:
    // The whole model's box.
    void updateBounds() override;

    tMeshModel model;
    TextureLoader loadTexture;
};
