#include "Models/CObj.h"

CObj::CObj(TextureLoader loadTexture) : StaticMeshEntity(std::move(loadTexture)) {}

bool CObj::load(const std::string& fileName, const std::string& textureFile) {
    if (!loader.import(fileName, model))
        return false;
    buffers.buildObjectBuffers(model);
    loader.addMaterial(model, textureFile, textureFile, 255, 255, 255);
    loader.setObjectMaterial(model, 0, 0);
    for (std::size_t i = 0; i < model.materials.size(); ++i) {
        tMaterialInfo& material = model.materials[i];
        if (material.strFile[0] != '\0')
            textureId = loadTexture(material.strFile);
        material.textureId = static_cast<std::int32_t>(i);
    }
    updateBounds();
    return true;
}

std::uint32_t CObj::textureOf(const t3DObject&) const { return static_cast<std::uint32_t>(textureId); }

void CObj::render() { drawObjects(); }

void CObj::renderObjectBuffers() { drawObjectBuffers(); }

void CObj::drawBoundingBoxes() { outlineBoxes(0.9f, 0.2f, 0.1f); }

void CObj::castShadow(const CVector3& light) { castObjectShadows(light); }
