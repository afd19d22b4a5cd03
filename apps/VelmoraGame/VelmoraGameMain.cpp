#include "VelmoraGameMain.h"

#include <GL/glew.h>
#include <SDL.h>

#include "core/Engine.h"
#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/EngineGlobals.h"

bool VelmoraGameMain::init() {
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    graphics.setDepthBits(16);
    graphics.setStencilBits(8);
    graphics.enableAnisotropicFiltering();
    if (!EngineGlobals::engine->createWindow(1024, 768, 16, false, true))
        return false;
    EngineGlobals::gameObjectManager->setDrawBoundingBoxes(false);
    EngineGlobals::gameObjectManager->setShowShadowVolumes(false);
    graphics.setShadowsEnabled(false);
    graphics.setShadowType(SHADOW_MAPPING);
    graphics.showCursor(true);
    graphics.setCursor("Data/MousePointer.png");
    graphics.setMoveCursor("Data/moveWindow.png");
    EngineGlobals::engine->setShowFps(true);
    // The engine logo in the bottom-right corner, two pixels from the edges.
    logo = std::make_unique<CTexture>("Data/Logo/k3dlogo.png");
    logo->setPosX(1022 - logo->getWidth());
    logo->setPosY(766 - logo->getHeight());
    game = std::make_unique<CGameManager>();
    return true;
}

void VelmoraGameMain::run() {
    CEventManager& events = *EngineGlobals::eventManager;
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    for (;;) {
        render();
        game->steer(events.isKeyDown(KEY_ARROW_LEFT), events.isKeyDown(KEY_ARROW_RIGHT), events.isKeyDown(KEY_ARROW_UP),
                    events.isKeyDown(KEY_ARROW_DOWN));
        if (!events.hasEvent())
            continue;
        if (events.isKeyDown(KEY_ESCAPE))
            return;
        if (events.isEvent(QUIT))
            return;
        if (events.isKeyDown(KEY_q))
            graphics.setWireframe(!graphics.isWireframe());
    }
}

void VelmoraGameMain::render() {
    glClear(GL_COLOR_BUFFER_BIT);
    glLoadIdentity();
    EngineGlobals::engine->render();
    glRasterPos2i(50, 700);
    game->draw();
    EngineGlobals::graphicsCore->begin2D();
    logo->draw();
    EngineGlobals::graphicsCore->end2D();
    SDL_GL_SwapBuffers();
}
