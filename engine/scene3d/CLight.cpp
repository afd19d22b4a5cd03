#include "scene3d/CLight.h"

#include <GL/glew.h>

#include <algorithm>

#include "Basic/C3DMath.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CLightManager.h"

namespace {
CLight::Matrix toArray(const matrix4x4f& m) {
    CLight::Matrix out;
    std::copy(std::begin(m.m), std::end(m.m), out.begin());
    return out;
}
}  // namespace

CLight::CLight() { updateMatrices(); }

void CLight::setup(const Vec4& newPosition, const Vec4& newDiffuse, const Vec4& newAmbient, const Vec4& newSpecular) {
    position = newPosition;
    diffuse = newDiffuse;
    ambient = newAmbient;
    specular = newSpecular;
    enabled = false;
    updateMatrices();
}

void CLight::disable() {
    enabled = false;
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
}

void CLight::enable() {
    enabled = true;
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular.data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse.data());
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient.data());
    glLightfv(GL_LIGHT0, GL_POSITION, position.data());
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

const CLight::Vec4& CLight::getPosition() const { return position; }

void CLight::setPosition(float x, float y, float z, float w) {
    position = {x, y, z, w};
    glLightfv(GL_LIGHT0, GL_POSITION, position.data());
    if (EngineGlobals::lightManager)
        EngineGlobals::lightManager->markShadowsStale();
    updateMatrices();
}

const CLight::Matrix& CLight::getProjectionMatrix() const { return projection; }

const CLight::Matrix& CLight::getViewMatrix() const { return view; }

void CLight::setFov(float degrees) { fov = degrees; }

float CLight::getFov() const { return fov; }

void CLight::setAspect(float value) { aspect = value; }

float CLight::getAspect() const { return aspect; }

void CLight::setNear(float value) { zNear = value; }

float CLight::getNear() const { return zNear; }

void CLight::setFar(float value) { zFar = value; }

float CLight::getFar() const { return zFar; }

void CLight::setTargetVector(const CVector3& value) { target = value; }

void CLight::setTarget(float x, float y, float z) { target = {x, y, z}; }

void CLight::setUpVector(const CVector3& value) { up = value; }

void CLight::setUp(float x, float y, float z) { up = {x, y, z}; }

CVector3 CLight::getTarget() const { return target; }

CVector3 CLight::getUp() const { return up; }

void CLight::updateMatrices() {
    projection = toArray(perspectiveMatrix(fov, aspect, zNear, zFar));
    view = toArray(lookAtMatrix({position[0], position[1], position[2]}, target, up));
}
