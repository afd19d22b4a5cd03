#include "Models/MeshEntity.h"

#include "graphics/ImageLoading.h"

namespace {
std::int32_t loadImage(const std::string& path) { return static_cast<std::int32_t>(ImageLoading::loadTexture(path)); }
}  // namespace

MeshEntity::MeshEntity(TextureLoader loader) : loadTexture(loader ? std::move(loader) : &loadImage) {}

void MeshEntity::setPosition(float x, float y, float z) {
    position = {x, y, z};
    updateBounds();
}

CVector3 MeshEntity::getPosition() const { return position; }

void MeshEntity::setRotation(float degrees) {
    angle = degrees;
    updateBounds();
}

float MeshEntity::getRotation() const { return angle; }

void MeshEntity::setScale(float x, float y, float z) {
    scale = {x, y, z};
    updateBounds();
}

void MeshEntity::drawShadowStencil() {
    stencilPass([this] { drawShadowVolume(); });
}

std::uint64_t MeshEntity::getVertexCount() const { return model.totalVertices; }

CVector3 MeshEntity::getBoundingMin() const { return boundsMin; }

CVector3 MeshEntity::getBoundingMax() const { return boundsMax; }

void MeshEntity::updateBounds() { setBoundingBox(model.boundsMin, model.boundsMax); }
