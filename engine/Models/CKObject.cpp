#include "Models/CKObject.h"

#include <GL/glew.h>

#include "Models/BoxOutline.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "graphics/DefaultTexture.h"
#include "graphics/ImageLoading.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"

namespace {
std::int32_t loadImage(const std::string& path) { return static_cast<std::int32_t>(ImageLoading::loadTexture(path)); }

void sendCorner(const CKObjectLoader::vertex& v) {
    if (v.u0 != -1.0f)
        glTexCoord2f(v.u0, v.v0);
    glColor4f(v.r, v.g, v.b, v.a);
    glVertex3f(v.x, v.y, v.z);
}

// A triangle sends a, b, c; a quad a, b, c then c, d, a, all with the
// normal of (a, b, c).
void sendFace(const K3DModelObject& object, const K3DFace& face) {
    const auto corner = [&](std::int32_t i) { sendCorner(object.vertices[static_cast<std::size_t>(i)]); };
    glBegin(GL_TRIANGLES);
    glNormal3f(face.normal.x, face.normal.y, face.normal.z);
    for (std::int32_t i : {face.a, face.b, face.c})
        corner(i);
    if (face.d != -1)
        for (std::int32_t i : {face.c, face.d, face.a})
            corner(i);
    glEnd();
}

void setVector(GLhandleARB program, const char* name, const CVector3& v, float w) {
    glUniform4fARB(glGetUniformLocationARB(program, name), v.x, v.y, v.z, w);
}
}  // namespace

CKObject::CKObject() : loader(&loadImage) {}

CKObject::~CKObject() = default;

void CKObject::load(const std::string& fileName) {
    model = loader.load(fileName);
    loader.buildTangentSpace(model);
    updateBounds();
}

void CKObject::bindColorMap(const K3DFace& face) {
    const std::int32_t texture =
        face.materialindex >= 0 ? model.materials[static_cast<std::size_t>(face.materialindex)].textureId : -1;
    glActiveTextureARB(GL_TEXTURE0_ARB);
    if (texture == -1) {
        DefaultTexture::use();
        return;
    }
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
}

template <typename BeforeFace>
void CKObject::drawFaces(bool textured, BeforeFace beforeFace) {
    glPushMatrix();
    applyTransform();
    for (const K3DModelObject& object : model.objects) {
        if (!boxVisible(object.boundsMin, object.boundsMax))
            continue;
        for (const K3DFace& face : object.faces) {
            if (textured)
                bindColorMap(face);
            beforeFace(face);
            sendFace(object, face);
        }
    }
    glPopMatrix();
}

void CKObject::render(bool textured) {
    drawFaces(textured, [](const K3DFace&) {});
}

void CKObject::renderParallax(bool textured) {
    CShader* shader = EngineGlobals::shaderManager ? EngineGlobals::shaderManager->getShader(PARALLAX_MAP) : nullptr;
    if (!shader)
        return render(textured);
    shader->bind();
    shader->setUniform1i("testTexture", 0);
    shader->setUniform1i("HeightTexture", 1);
    const GLhandleARB program = shader->getProgram();
    const CVector3 eye = EngineGlobals::camera ? EngineGlobals::camera->getPosition() : CVector3();
    drawFaces(textured, [&](const K3DFace& face) {
        if (textured) {
            const std::int32_t height =
                face.parallaxmapindex >= 0
                    ? model.parallaxMaps[static_cast<std::size_t>(face.parallaxmapindex)].textureId
                    : 0;
            glActiveTextureARB(GL_TEXTURE1_ARB);
            glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(std::max(height, 0)));
            glActiveTextureARB(GL_TEXTURE0_ARB);
        }
        setVector(program, "Eye", eye, 1.0f);
        setVector(program, "Tangent", face.tangent, 0.0f);
        setVector(program, "Normal", face.normal, 0.0f);
        setVector(program, "BiNormal", face.binormal, 0.0f);
    });
    shader->unbind();
}

void CKObject::drawBoundingBoxes() {
    glPushMatrix();
    applyTransform();
    glColor3f(1, 1, 1);
    BoxOutline::draw(model.boundsMin, model.boundsMax);
    for (const K3DModelObject& object : model.objects)
        BoxOutline::draw(object.boundsMin, object.boundsMax);
    glPopMatrix();
}

void CKObject::castShadow(const CVector3& light) { shadowVolume.buildNative(model, light, position); }

void CKObject::drawShadowVolume() { shadowVolume.draw(); }

std::uint64_t CKObject::getVertexCount() const { return model.totalVertices; }

void CKObject::updateBounds() { setBoundingBox(model.boundsMin, model.boundsMax); }
