#include "Models/MeshBuffers.h"

#include <GL/glew.h>

#include "graphics/DefaultTexture.h"

void MeshBuffers::upload(Set& set, const MeshSteps::Corners& corners) {
    set.drawCount = corners.positions.size();
    set.positions.upload(corners.positions.data(), corners.positions.size() * sizeof(CVector3));
    set.normals.upload(corners.normals.data(), corners.normals.size() * sizeof(CVector3));
    set.textured = !corners.texCoords.empty();
    if (set.textured)
        set.texCoords.upload(corners.texCoords.data(), corners.texCoords.size() * sizeof(CVector2));
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void MeshBuffers::buildObjectBuffers(tMeshModel& model) {
    objects.clear();
    objects.resize(model.objects.size());
    for (std::size_t i = 0; i < model.objects.size(); ++i) {
        t3DObject& object = model.objects[i];
        MeshSteps::Corners corners;
        MeshSteps::expandCorners(object, object.bHasTexture && !object.pTexVerts.empty(), corners);
        upload(objects[i], corners);
        object.drawCount = objects[i].drawCount;
        object.vboVertices = objects[i].positions.name();
        object.vboNormals = objects[i].normals.name();
        object.vboTexCoords = objects[i].texCoords.name();
    }
}

void MeshBuffers::buildModelBuffers(tMeshModel& model) {
    MeshSteps::Corners corners;
    for (const t3DObject& object : model.objects)
        MeshSteps::expandCorners(object, false, corners);
    upload(whole, corners);
    wholeBuilt = true;
    model.vboVertices = whole.positions.name();
    model.vboNormals = whole.normals.name();
}

void MeshBuffers::drawObject(std::size_t i, std::uint32_t texture) const {
    if (i < objects.size())
        draw(objects[i], texture);
}

void MeshBuffers::drawModel() const { draw(whole, 0); }

void MeshBuffers::draw(const Set& set, std::uint32_t texture) {
    if (set.drawCount == 0)
        return;
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    set.normals.bind();
    glNormalPointer(GL_FLOAT, 0, nullptr);
    set.positions.bind();
    glVertexPointer(3, GL_FLOAT, 0, nullptr);
    if (set.textured) {
        glEnable(GL_TEXTURE_2D);
        glClientActiveTextureARB(GL_TEXTURE0_ARB);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        glBindTexture(GL_TEXTURE_2D, texture);
        set.texCoords.bind();
        glTexCoordPointer(2, GL_FLOAT, 0, nullptr);
    } else {
        DefaultTexture::use();
    }
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(set.drawCount));
    if (set.textured)
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}
