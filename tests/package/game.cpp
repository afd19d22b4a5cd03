// The smallest Kavor game: a window with a line of text, until Escape.
#include <SDL.h>

#include <GL/glew.h>

#include "core/Engine.h"
#include "core/cApp.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "runtime/EngineGlobals.h"

class InstalledGame : public cApp {
public:
    bool init() { return EngineGlobals::engine->createWindow(320, 240, 32, false, true); }
    void run() {
        const CEventManager& events = *EngineGlobals::eventManager;
        do {
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            EngineGlobals::engine->render();
            if (CFont* font = EngineGlobals::fontManager->getFont(1))
                font->print(20.0f, 100.0f, 0, 1.0f, 1.0f, 0.0f, "Installed Kavor");
            SDL_GL_SwapBuffers();
        } while (!(events.hasEvent() && (events.isKeyDown(KEY_ESCAPE) || events.isEvent(QUIT))));
    }
};

int main(int, char**) {
    InstalledGame game;
    if (!game.init())
        return 1;
    game.run();
    return 0;
}
