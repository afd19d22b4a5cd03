#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class C3DGameObject;

// The engine's registry of 3D game objects, which it owns. Each frame its
// render culls them against the camera's view frustum and draws them
// without shadows, with stencil shadow volumes, or with a shadow map from
// light 1, as the graphics core's shadow settings select. Disabled objects
// take part in nothing.
class C3DGameObjectManager {
public:
    C3DGameObjectManager();
    virtual ~C3DGameObjectManager();

    // Takes the object and adds its vertices to the total; answers it.
    virtual C3DGameObject* addObject(std::unique_ptr<C3DGameObject> object);
    virtual void render();
    // A stencil-lit pass (shadowed pixels drawn without the light); no part
    // of the engine calls it.
    virtual void renderStencilLighting();
    virtual void setShowShadowVolumes(bool value);
    virtual bool showShadowVolumes() const;
    virtual void renderShadowVolumes();
    virtual void renderShadowMapping();
    // Every casting object rebuilds its volume at the next shadow-volume pass.
    virtual void setRebuildShadows(bool value);
    virtual std::uint64_t getTotalVertexCount() const;
    virtual void setDrawBoundingBoxes(bool value);
    virtual bool drawBoundingBoxesEnabled() const;

    std::size_t getObjectCount() const { return objects.size(); }

private:
    // Calls action on every enabled object (and those that pass test).
    void forEach(const std::function<void(C3DGameObject&)>& action,
                 const std::function<bool(const C3DGameObject&)>& test = {});
    void renderVisible();
    void renderUnshadowed();
    bool shadowMapUsable();
    void darkenStencilledPixels();
    void renderShadowMapPass();
    void bindShadowMap();
    void releaseShadowMap();

    std::vector<std::unique_ptr<C3DGameObject>> objects;
    bool showVolumes = false;
    bool rebuildShadows = false;
    std::uint64_t totalVertexCount = 0;
    bool drawBoundingBoxes = false;
    bool shadowMapRefusalReported = false;
};
