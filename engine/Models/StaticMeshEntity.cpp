#include "Models/StaticMeshEntity.h"

#include <GL/glew.h>

#include "Models/BoxOutline.h"
#include "Models/loaders/MeshSteps.h"
#include "graphics/DefaultTexture.h"

void StaticMeshEntity::drawCorners(const t3DObject& object, bool textured) {
    const bool coloured =
        !textured && object.materialID >= 0 && static_cast<std::size_t>(object.materialID) < model.materials.size();
    const std::uint8_t* color = coloured ? model.materials[static_cast<std::size_t>(object.materialID)].color : nullptr;
    const bool withCoords = textured && !object.pTexVerts.empty();
    if (color)
        glColor3ubv(color);  // one colour for the whole object
    glBegin(GL_TRIANGLES);
    for (const tFace& face : object.pFaces)
        for (int k = 0; k < 3; ++k) {
            const auto v = static_cast<std::size_t>(face.vertIndex[k]);
            glNormal3fv(object.pNormals[v].ptr());
            if (withCoords) {
                const CVector2 uv = MeshSteps::texCoordAt(object, face.coordIndex[k]);
                glTexCoord2f(uv.x, uv.y);
            }
            glVertex3fv(object.pVerts[v].ptr());
        }
    glEnd();
}

void StaticMeshEntity::drawObjects() {
    glPushMatrix();
    applyTransform();
    glColor3f(1, 1, 1);
    for (const t3DObject& object : model.objects) {
        if (!boxVisible(object.boundsMin, object.boundsMax))
            continue;
        if (object.bHasTexture) {
            glEnable(GL_TEXTURE_2D);
            glBindTexture(GL_TEXTURE_2D, textureOf(object));
        } else {
            DefaultTexture::use();
        }
        glColor3ub(255, 255, 255);
        drawCorners(object, object.bHasTexture);
    }
    glPopMatrix();
}

void StaticMeshEntity::drawObjectBuffers() {
    glPushMatrix();
    applyTransform();
    glColor3f(1, 1, 1);
    for (std::size_t i = 0; i < model.objects.size(); ++i) {
        const t3DObject& object = model.objects[i];
        if (boxVisible(object.boundsMin, object.boundsMax))
            buffers.drawObject(i, object.bHasTexture ? textureOf(object) : 0);
    }
    glPopMatrix();
}

void StaticMeshEntity::drawModelBuffers() {
    if (!buffers.hasModelBuffers())
        buffers.buildModelBuffers(model);
    glPushMatrix();
    applyTransform();
    glColor3f(1, 1, 1);
    buffers.drawModel();
    glPopMatrix();
}

void StaticMeshEntity::outlineBoxes(float r, float g, float b) {
    glPushMatrix();
    applyTransform();
    glColor3f(r, g, b);
    BoxOutline::draw(model.boundsMin, model.boundsMax);
    for (const t3DObject& object : model.objects)
        BoxOutline::draw(object.boundsMin, object.boundsMax);
    glPopMatrix();
}

void StaticMeshEntity::castObjectShadows(const CVector3& light) {
    shadowVolumes.resize(model.objects.size());
    const CShadowVolume::Placement placement{position, scale, angle, axis};
    for (std::size_t i = 0; i < model.objects.size(); ++i)
        shadowVolumes[i].buildMesh(model.objects[i], light, placement);
}

void StaticMeshEntity::drawShadowVolume() {
    for (CShadowVolume& volume : shadowVolumes)
        volume.draw();
}
