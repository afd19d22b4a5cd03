#include "objects3d/C3DGameObjectManager.h"

#include <GL/glew.h>

#include <cstdio>

#include "graphics/CGraphicsCore.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "objects3d/C3DGameObject.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "scene3d/CLightManager.h"

namespace {
CGraphicsCore& core() { return *EngineGlobals::graphicsCore; }

bool isVisible(const C3DGameObject& object) { return object.isVisible(); }
bool castsVisibleShadow(const C3DGameObject& object) { return object.isVisible() && object.castsShadow(); }

CShader* shadowProgram() {
    return EngineGlobals::shaderManager ? EngineGlobals::shaderManager->getShader(SHADOW_MAP_PCF) : nullptr;
}
}  // namespace

C3DGameObjectManager::C3DGameObjectManager() = default;

C3DGameObjectManager::~C3DGameObjectManager() = default;

C3DGameObject* C3DGameObjectManager::addObject(std::unique_ptr<C3DGameObject> object) {
    if (!object)
        return nullptr;
    totalVertexCount += object->getVertexCount();
    objects.push_back(std::move(object));
    return objects.back().get();
}

void C3DGameObjectManager::forEach(const std::function<void(C3DGameObject&)>& action,
                                   const std::function<bool(const C3DGameObject&)>& test) {
    for (const auto& object : objects)
        if (object->isEnabled() && (!test || test(*object)))
            action(*object);
}

void C3DGameObjectManager::renderVisible() {
    forEach(
        [this](C3DGameObject& object) {
            object.render(true);
            if (drawBoundingBoxes)
                object.drawBoundingBoxes();
        },
        isVisible);
}

void C3DGameObjectManager::render() {
    if (!EngineGlobals::graphicsCore || objects.empty())
        return;
    if (!core().shadowsEnabled()) {
        renderUnshadowed();
    } else if (core().getShadowType() == SHADOW_VOLUMES) {
        renderShadowVolumes();
    } else if (shadowMapUsable()) {
        renderShadowMapping();
    } else {
        renderUnshadowed();
    }
}

void C3DGameObjectManager::renderUnshadowed() {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    forEach([](C3DGameObject& object) { object.updateVisibility(); });
    renderVisible();
}

// Without frame buffer objects the light's view is drawn in the window and
// copied into the map, which holds only what fits in the window: a larger
// map would take undefined depths, so the objects are drawn unshadowed.
bool C3DGameObjectManager::shadowMapUsable() {
    if (core().hasFramebufferObjects() ||
        (core().getShadowMapWidth() <= core().getWidth() && core().getShadowMapHeight() <= core().getHeight()))
        return true;
    if (!shadowMapRefusalReported)
        std::printf(
            "Warning: the %dx%d shadow map needs frame buffer objects in a %dx%d window; "
            "drawing without shadows.\n",
            core().getShadowMapWidth(), core().getShadowMapHeight(), core().getWidth(), core().getHeight());
    shadowMapRefusalReported = true;
    return false;
}

void C3DGameObjectManager::renderShadowVolumes() {
    if (EngineGlobals::lightManager && EngineGlobals::lightManager->takeShadowsStale())
        rebuildShadows = true;
    forEach([this](C3DGameObject& object) {
        object.updateVisibility();
        if (!object.castsShadow())
            return;
        if (rebuildShadows)
            object.setShadowDirty(true);
        if (object.isVisible())
            object.castShadow();
    });
    glDepthMask(GL_TRUE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_STENCIL_TEST);
    renderVisible();
    glDisable(GL_LIGHTING);
    forEach([](C3DGameObject& object) { object.drawShadowStencil(); }, castsVisibleShadow);
    darkenStencilledPixels();
    if (showVolumes)
        forEach([](C3DGameObject& object) { object.drawShadowVolume(); }, castsVisibleShadow);
    rebuildShadows = false;
}

// Halves the colour of every pixel whose stencil count is not zero.
void C3DGameObjectManager::darkenStencilledPixels() {
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_NOTEQUAL, 0, ~0u);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_SRC_ALPHA);
    glColor4f(0, 0, 0, 0.5f);
    glBegin(GL_TRIANGLE_STRIP);
    glVertex2f(-1, -1);
    glVertex2f(1, -1);
    glVertex2f(-1, 1);
    glVertex2f(1, 1);
    glEnd();
    glDisable(GL_BLEND);
    glDisable(GL_STENCIL_TEST);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_LIGHTING);
}

void C3DGameObjectManager::renderShadowMapping() {
    renderShadowMapPass();
    glLoadIdentity();
    if (EngineGlobals::camera) {
        EngineGlobals::camera->look();
        EngineGlobals::camera->storeInverseViewMatrix();
    }
    bindShadowMap();
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHTING);
    renderVisible();
    releaseShadowMap();
}

// Depth as light 1 sees it, of the visible objects that cast shadows, into
// the shadow map.
void C3DGameObjectManager::renderShadowMapPass() {
    // The 2D pass leaves the scissor test on with the window's box, which
    // would keep a map larger than the window from being cleared and drawn.
    glPushAttrib(GL_SCISSOR_BIT);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    const bool fbo = core().hasFramebufferObjects();
    if (fbo) {
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, core().getShadowFramebuffer());
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    glLoadIdentity();
    glViewport(0, 0, core().getShadowMapWidth(), core().getShadowMapHeight());
    const CLightManager* lights = EngineGlobals::lightManager;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    if (lights)
        glLoadMatrixf(lights->getLightProjectionMatrix(1).data());
    glMatrixMode(GL_MODELVIEW);
    if (lights)
        glLoadMatrixf(lights->getLightViewMatrix(1).data());
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glPolygonOffset(4.0f, 2.0f);
    glEnable(GL_POLYGON_OFFSET_FILL);
    forEach([](C3DGameObject& object) {
        object.updateVisibility();
        if (object.isVisible() && object.castsShadow())
            object.render(false);
    });
    if (fbo) {
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    } else {
        glBindTexture(GL_TEXTURE_2D, core().getShadowMapTexture());
        glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, core().getShadowMapWidth(), core().getShadowMapHeight());
    }
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glViewport(0, 0, core().getWidth(), core().getHeight());
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    if (!fbo)
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPopAttrib();
}

// The shadow-map program with the depth texture on unit 1, whose texture
// matrix takes eye space to the light's texture space.
void C3DGameObjectManager::bindShadowMap() {
    CShader* program = shadowProgram();
    if (program)
        program->bind();
    glActiveTextureARB(GL_TEXTURE1_ARB);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, core().getShadowMapTexture());
    if (program)
        program->setUniform1i("shadowMap", 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE_ARB, GL_COMPARE_R_TO_TEXTURE_ARB);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC_ARB, GL_LEQUAL);
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(core().getBiasMatrix());
    if (const CLightManager* lights = EngineGlobals::lightManager) {
        glMultMatrixf(lights->getLightProjectionMatrix(1).data());
        glMultMatrixf(lights->getLightViewMatrix(1).data());
    }
    if (EngineGlobals::camera)
        glMultMatrixf(EngineGlobals::camera->getInverseViewMatrix().data());
    glMatrixMode(GL_MODELVIEW);
}

void C3DGameObjectManager::releaseShadowMap() {
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glActiveTextureARB(GL_TEXTURE0_ARB);
    glDisable(GL_TEXTURE_2D);
    if (CShader* program = shadowProgram())
        program->unbind();
}

void C3DGameObjectManager::renderStencilLighting() {
    if (!EngineGlobals::graphicsCore || !core().shadowsEnabled()) {
        forEach([](C3DGameObject& object) { object.render(true); });
        return;
    }
    const auto casts = [](const C3DGameObject& object) { return object.castsShadow(); };
    forEach(
        [this](C3DGameObject& object) {
            if (rebuildShadows)
                object.setShadowDirty(true);
            object.castShadow();
        },
        casts);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    forEach([](C3DGameObject& object) { object.render(true); });
    glEnable(GL_CULL_FACE);
    glEnable(GL_STENCIL_TEST);
    glDepthMask(GL_FALSE);
    glStencilFunc(GL_ALWAYS, 0, 0);
    for (auto [op, cull] : {std::pair{GL_INCR, GL_FRONT}, {GL_DECR, GL_BACK}}) {
        glStencilOp(GL_KEEP, GL_KEEP, op);
        glCullFace(cull);
        forEach([](C3DGameObject& object) { object.drawShadowVolume(); }, casts);
    }
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glCullFace(GL_BACK);
    glDisable(GL_CULL_FACE);
    for (auto [value, light] : {std::pair{1, false}, {0, true}}) {
        glStencilFunc(GL_EQUAL, value, 1);
        light ? glEnable(GL_LIGHT0) : glDisable(GL_LIGHT0);
        forEach([](C3DGameObject& object) { object.render(true); });
    }
    glDisable(GL_STENCIL_TEST);
    if (showVolumes)
        forEach([](C3DGameObject& object) { object.drawShadowVolume(); }, casts);
    glDepthFunc(GL_LESS);
}

void C3DGameObjectManager::setShowShadowVolumes(bool value) { showVolumes = value; }

bool C3DGameObjectManager::showShadowVolumes() const { return showVolumes; }

void C3DGameObjectManager::setRebuildShadows(bool value) { rebuildShadows = value; }

std::uint64_t C3DGameObjectManager::getTotalVertexCount() const { return totalVertexCount; }

void C3DGameObjectManager::setDrawBoundingBoxes(bool value) { drawBoundingBoxes = value; }

bool C3DGameObjectManager::drawBoundingBoxesEnabled() const { return drawBoundingBoxes; }
