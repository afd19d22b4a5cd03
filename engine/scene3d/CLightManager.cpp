#include "scene3d/CLightManager.h"

namespace {
const CLight::Matrix kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}  // namespace

void CLightManager::addLight(CLight* light) {
    if (light)
        lights.push_back(light);
}

void CLightManager::enableLight(int id) {
    if (CLight* light = getLight(id))
        light->enable();
}

void CLightManager::disableLight(int id) {
    if (CLight* light = getLight(id))
        light->disable();
}

CVector3 CLightManager::getLightPosition(int id) const {
    const CLight* light = getLight(id);
    if (!light)
        return {};
    const CLight::Vec4& p = light->getPosition();
    return {p[0], p[1], p[2]};
}

const CLight::Matrix& CLightManager::getLightProjectionMatrix(int id) const {
    if (lights.empty() || id < 1)
        return kIdentity;
    return getLight(id) ? getLight(id)->getProjectionMatrix() : lights.front()->getProjectionMatrix();
}

const CLight::Matrix& CLightManager::getLightViewMatrix(int id) const {
    const CLight* light = getLight(id);
    return light ? light->getViewMatrix() : kIdentity;
}

CLight* CLightManager::getLight(int id) const {
    if (id < 1 || id > getCount())
        return nullptr;
    return lights[static_cast<std::size_t>(id - 1)];
}

bool CLightManager::takeShadowsStale() {
    const bool stale = shadowsStale;
    shadowsStale = false;
    return stale;
}
