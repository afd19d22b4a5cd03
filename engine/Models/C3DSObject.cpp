#include "Models/C3DSObject.h"

#include <GL/glew.h>
#include <GL/glu.h>

#include <cstdio>
#include <memory>

C3DSObject::C3DSObject(TextureLoader loadTexture) : StaticMeshEntity(std::move(loadTexture)) {}

bool C3DSObject::load(const std::string& fileName, const std::string& textureDirectory, bool swapYZ) {
    if (!loader.import(fileName, swapYZ, model))
        return false;
    if (model.materials.size() > kMaxMaterials) {
        std::printf("\nThe 3DS file %s has %d materials; a model holds at most %zu.", fileName.c_str(),
                    model.numOfMaterials, kMaxMaterials);
        model = tMeshModel();
        return false;
    }
    buffers.buildObjectBuffers(model);
    std::printf("\nMAts: %d", model.numOfMaterials);
    loadTextures(textureDirectory);
    updateBounds();
    return true;
}

void C3DSObject::loadTextures(const std::string& textureDirectory) {
    for (std::size_t i = 0; i < model.materials.size(); ++i) {
        tMaterialInfo& material = model.materials[i];
        if (material.strFile[0] != '\0') {
            textures[i] = loadTexture(CLoad3DS::texturePath(textureDirectory, material.strFile));
            std::printf("Texture-----: %d", textures[i]);
        }
        material.textureId = static_cast<std::int32_t>(i);
    }
}

std::uint32_t C3DSObject::textureOf(const t3DObject& object) const {
    return object.materialID >= 0 ? static_cast<std::uint32_t>(textures[static_cast<std::size_t>(object.materialID)])
                                  : 0;
}

void C3DSObject::render() { drawObjects(); }

void C3DSObject::renderBuffers() { drawModelBuffers(); }

void C3DSObject::renderObjectBuffers() { drawObjectBuffers(); }

void C3DSObject::drawBoundingBoxes() { outlineBoxes(0.9f, 0.2f, 0.1f); }

void C3DSObject::drawBoundingSphere() {
    const std::unique_ptr<GLUquadric, void (*)(GLUquadric*)> sphere(gluNewQuadric(), gluDeleteQuadric);
    gluQuadricNormals(sphere.get(), GLU_SMOOTH);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    const CVector3 center = model.center * scale;
    glTranslatef(center.x, center.y, center.z);
    glScalef(scale.x, scale.y, scale.z);
    glColor3f(0.9f, 0.2f, 0.1f);
    gluSphere(sphere.get(), model.radius, 64, 64);
    glPopMatrix();
}

void C3DSObject::setPosition(CVector3 at) { setPosition(at.x, at.y, at.z); }

void C3DSObject::castShadow(const CVector3& light) { castObjectShadows(light); }
