#include "testParallax.h"

#include <GL/glew.h>
#include <SDL.h>

#include "core/CLogger.h"
#include "core/Engine.h"
#include "core/EngineGlobals.h"
#include "core/Keys.h"
#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"

bool testParallax::init() {
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    graphics.setDepthBits(16);
    graphics.setStencilBits(8);
    graphics.enableAnisotropicFiltering();
    if (!EngineGlobals::engine->createWindow(1024, 768, 16, true, true))
        return false;
    graphics.setShadowsEnabled(false);
    graphics.setShadowType(SHADOW_MAPPING);
    graphics.showCursor(true);
    graphics.setCursor("Data/MousePointer.png");
    graphics.setMoveCursor("Data/moveWindow.png");
    EngineGlobals::engine->setShowFps(true);
    EngineGlobals::logger->log("Init Camera 2D", true);
    return true;
}

void testParallax::run() {
    CEventManager& events = *EngineGlobals::eventManager;
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    for (;;) {
        render();
        if (events.hasEvent()) {
            if (events.isKeyDown(KEY_ESCAPE))
                return;
            if (events.isEvent(QUIT))
                return;
            if (events.isKeyDown(KEY_q))
                graphics.setWireframe(!graphics.isWireframe());
        }
    }
}

void testParallax::render() {
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    EngineGlobals::engine->render();
    EngineGlobals::graphicsCore->begin2D();
    EngineGlobals::graphicsCore->end2D();
    SDL_GL_SwapBuffers();
}
