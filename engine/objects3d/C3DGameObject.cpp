#include "objects3d/C3DGameObject.h"

#include <GL/glew.h>

#include <cstdio>
#include <exception>

#include "Models/C3DSObject.h"
#include "Models/CKObject.h"
#include "Models/CMD2Object.h"
#include "Models/CObj.h"
#include "objects3d/GameModel.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "scene3d/CLightManager.h"

C3DGameObject::C3DGameObject() = default;

C3DGameObject::~C3DGameObject() = default;

template <typename Model, typename Load>
bool C3DGameObject::adopt(Kind newKind, const std::string& path, Load load) {
    auto loaded = std::make_unique<GameModelOf<Model>>();
    try {
        if (!load(loaded->get())) {
            std::printf("\nCould not load the model %s.\n", path.c_str());
            return false;
        }
    } catch (const std::exception& error) {
        std::printf("\nCould not load the model %s: %s\n", path.c_str(), error.what());
        return false;
    }
    model = std::move(loaded);
    kind = newKind;
    shadowDirty = true;
    return true;
}

bool C3DGameObject::loadMD2(const std::string& modelPath, const std::string& skinPath) {
    return adopt<CMD2Object>(MD2, modelPath, [&](CMD2Object& object) { return object.load(modelPath, skinPath); });
}

bool C3DGameObject::loadNative(const std::string& path) {
    return adopt<CKObject>(NATIVE, path, [&](CKObject& object) {
        object.load(path);
        return true;
    });
}

bool C3DGameObject::load3DS(const std::string& textureDirectory, const std::string& file, int swapYZ) {
    return adopt<C3DSObject>(MODEL_3DS, file,
                             [&](C3DSObject& object) { return object.load(file, textureDirectory, swapYZ != 0); });
}

bool C3DGameObject::loadOBJ(const std::string& file, const std::string& texture) {
    return adopt<CObj>(OBJ, file, [&](CObj& object) { return object.load(file, texture); });
}

void C3DGameObject::render(bool textured) {
    if (!model)
        return;
    if (kind == MODEL_3DS || kind == OBJ) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_BACK);
    } else {
        glDisable(GL_CULL_FACE);
    }
    model->render(textured);
}

void C3DGameObject::setPosition(float x, float y, float z) {
    shadowDirty = true;
    if (model)
        model->setPosition(x, y, z);
}

CVector3 C3DGameObject::getPosition() const { return model ? model->getPosition() : CVector3(); }

void C3DGameObject::setCastsShadow(bool value) { castsShadowFlag = value; }

bool C3DGameObject::castsShadow() const { return castsShadowFlag; }

void C3DGameObject::setEnabled(bool value) { enabled = value; }

bool C3DGameObject::isEnabled() const { return enabled; }

void C3DGameObject::drawShadowVolume() {
    if (model)
        model->drawShadowVolume();
}

void C3DGameObject::setScale(float x, float y, float z) {
    shadowDirty = true;
    if (model)
        model->setScale(x, y, z);
}

void C3DGameObject::setRotation(float angle) {
    shadowDirty = true;
    if (model)
        model->setRotation(angle);
}

void C3DGameObject::castShadow() {
    if (!model || !shadowDirty)
        return;
    const CVector3 light = EngineGlobals::lightManager ? EngineGlobals::lightManager->getLightPosition(1) : CVector3();
    model->castShadow(light);
    shadowDirty = kind == MD2;
}

void C3DGameObject::drawShadowStencil() {
    if (model)
        model->drawShadowStencil();
}

void C3DGameObject::setShadowDirty(bool value) { shadowDirty = value; }

std::uint64_t C3DGameObject::getVertexCount() const { return model ? model->getVertexCount() : 0; }

void C3DGameObject::drawBoundingBoxes() {
    if (model)
        model->drawBoundingBoxes();
}

CVector3 C3DGameObject::getBoundingMin() const { return model ? model->getBoundingMin() : CVector3(); }

CVector3 C3DGameObject::getBoundingMax() const { return model ? model->getBoundingMax() : CVector3(); }

bool C3DGameObject::isVisible() const { return visible; }

void C3DGameObject::setVisible(bool value) { visible = value; }

void C3DGameObject::updateVisibility() {
    if (!model) {
        visible = false;
        return;
    }
    if (!EngineGlobals::camera) {
        visible = true;
        return;
    }
    const CVector3 lo = model->getBoundingMin(), hi = model->getBoundingMax();
    visible = EngineGlobals::camera->getFrustum().boxInFrustum(lo.x, lo.y, lo.z, hi.x, hi.y, hi.z) != CFrustum::OUTSIDE;
}

void C3DGameObject::setAnimation(int index) {
    if (model)
        model->setAnimation(index);
}

void C3DGameObject::setFramesPerSecond(float fps) {
    if (model)
        model->setFramesPerSecond(fps);
}
