#include "Models/MeshEntity.h"

#include "graphics/ImageLoading.h"

namespace {
std::int32_t loadImage(const std::string& path) { return static_cast<std::int32_t>(ImageLoading::loadTexture(path)); }
}  // namespace

MeshEntity::MeshEntity(TextureLoader loader) : loadTexture(loader ? std::move(loader) : &loadImage) {}

std::uint64_t MeshEntity::getVertexCount() const { return model.totalVertices; }

void MeshEntity::updateBounds() { setBoundingBox(model.boundsMin, model.boundsMax); }
