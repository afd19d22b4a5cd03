#pragma once
#include <cstdint>
#include <vector>

#include "Basic/CVector3.h"
#include "scene3d/CLight.h"

// The registry of the application's lights, numbered from 1 in the order
// they were added. It does not own them. It also notes when a light moved,
// so the 3D game object manager rebuilds its shadow volumes.
class CLightManager {
public:
    CLightManager() = default;
    virtual ~CLightManager() = default;

    virtual void addLight(CLight* light);
    // Ids outside 1..count are ignored.
    virtual void enableLight(int id);
    virtual void disableLight(int id);
    // The light's position; the origin for an id outside 1..count.
    virtual CVector3 getLightPosition(int id) const;
    // For an id above count, the first light's; the identity without lights.
    virtual const CLight::Matrix& getLightProjectionMatrix(int id) const;
    // The identity for an id outside 1..count.
    virtual const CLight::Matrix& getLightViewMatrix(int id) const;
    // nullptr for an id outside 1..count.
    virtual CLight* getLight(int id) const;

    int getCount() const { return static_cast<int>(lights.size()); }
    // A light moved since the last takeShadowsStale.
    void markShadowsStale() { shadowsStale = true; }
    bool takeShadowsStale();

private:
    std::vector<CLight*> lights;
    bool shadowsStale = false;
};
