// Example: a 3D model, lit, with a shadow.
//
// A 3D application opens its window in 3D mode, places models in the world
// as 3D game objects, registers a light and lets the 3D game object manager
// draw everything, here with a shadow map cast from light 1. Run it from the
// repository root; the mouse looks around, W/A/S/D move, Escape quits.
#include <GL/glew.h>
#include <SDL.h>

#include <memory>

#include "core/Engine.h"
#include "core/cApp.h"
#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "objects3d/C3DGameObject.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "scene3d/CLight.h"
#include "scene3d/CLightManager.h"

class LitModel : public cApp {
public:
    bool init() {
        CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
        // Depth and stencil bits must be chosen before the window opens.
        graphics.setDepthBits(24);
        graphics.setStencilBits(8);
        if (!EngineGlobals::engine->createWindow(800, 600, 32, false, false))
            return false;
        C3DGameObjectManager& objects = *EngineGlobals::gameObjectManager;
        // The ground: a model in the engine's own XML format. It receives
        // shadows but casts none.
        auto ground = std::make_unique<C3DGameObject>();
        ground->loadNative("Data/KModel/plane_new.xml");
        objects.addObject(std::move(ground));
        // An animated MD2 character with its skin, standing on the ground.
        auto character = std::make_unique<C3DGameObject>();
        character->loadMD2("Data/Models/MD2/tris.md2", "Data/Models/MD2/hobgoblin.bmp");
        character->setPosition(0, 10, 0);
        character->setScale(1.5f, 1.5f, 1.5f);
        character->setAnimation(1);  // the run
        character->setCastsShadow(true);
        objects.addObject(std::move(character));
        // One light; the shadow map is drawn from light 1.
        light = std::make_unique<CLight>();
        light->setPosition(-60, 120, 80, 1);
        EngineGlobals::lightManager->addLight(light.get());
        EngineGlobals::lightManager->enableLight(1);
        graphics.setShadowsEnabled(true);
        graphics.setShadowType(SHADOW_MAPPING);
        // The camera looks at the character from the front, a little above.
        EngineGlobals::camera->positionCamera(90, 60, 60, 0, 25, 0, 0, 1, 0);
        return true;
    }

    void run() {
        const CEventManager& events = *EngineGlobals::eventManager;
        for (;;) {
            EngineGlobals::camera->update();  // mouse-look and W/A/S/D
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            glLoadIdentity();
            EngineGlobals::camera->look();
            EngineGlobals::engine->render();  // the 3D objects, then the 2D pass
            SDL_GL_SwapBuffers();
            if (events.hasEvent() && (events.isKeyDown(KEY_ESCAPE) || events.isEvent(QUIT)))
                return;
        }
    }

private:
    std::unique_ptr<CLight> light;
};

int main(int, char**) {
    LitModel app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
