// Example: 2D sprites and text.
//
// The smallest complete 2D program on the Kavor Engine. It shows the
// lifecycle every application follows (construct, init, run) and the three
// things most 2D games draw: a picture (CTexture), an animated sprite
// (CSprite) and text (CFont). Run it from the repository root, where the
// engine finds Data/ and shaders/; Escape quits.
#include <GL/glew.h>
#include <SDL.h>

#include <memory>

#include "core/Engine.h"
#include "core/cApp.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CTexture.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "runtime/EngineGlobals.h"
#include "runtime/FrameClock.h"
#include "scene2d/CSprite.h"

// An application derives from cApp; constructing it constructs the Engine
// and with it every manager, reachable through EngineGlobals.
class SpritesAndText : public cApp {
public:
    bool init() {
        // A 640 x 480 window in 2D mode: one unit per pixel, origin top left.
        if (!EngineGlobals::engine->createWindow(640, 480, 32, false, true))
            return false;
        // The frame clock runs while the frame-rate display is on; the
        // spinning logo below turns by the frame time.
        EngineGlobals::engine->setShowFps(true);
        sky = std::make_unique<CTexture>("Data/scroll/BackgroundCloud012.png");
        logo = std::make_unique<CTexture>("Data/Logo/k3dlogo.png");
        // Frames Data/Sprite/GombOn1.png ... GombOn5.png, five a second.
        lamp = std::make_unique<CSprite>("Data/Sprite/GombOn", 5, 280.0f, 300.0f);
        lamp->setFramesPerSecond(5);
        return true;
    }

    void run() {
        const CEventManager& events = *EngineGlobals::eventManager;
        for (;;) {
            render();
            // Keys are polled after the frame; the engine took this frame's
            // event inside its render.
            if (events.hasEvent() && (events.isKeyDown(KEY_ESCAPE) || events.isEvent(QUIT)))
                return;
        }
    }

private:
    void render() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        // Textures draw at a position with a scale, an angle and a tint.
        sky->drawAt(0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f);
        angle += 45.0f * FrameClock::deltaTime();
        logo->drawAt(40.0f, 60.0f, 1.0f, angle, 1.0f, 1.0f, 1.0f, 1.0f);
        lamp->draw();
        // The engine's step: input, 3D objects, GUI, cursor, frame rate.
        EngineGlobals::engine->render();
        // Font 1 is the default font; each print takes a glyph set and a colour.
        if (CFont* font = EngineGlobals::fontManager->getFont(1)) {
            font->print(200.0f, 40.0f, 0, 1.0f, 0.9f, 0.2f, "Sprites and text");
            font->print(230.0f, 440.0f, 0, 1.0f, 1.0f, 1.0f, "Escape quits");
        }
        SDL_GL_SwapBuffers();
    }

    std::unique_ptr<CTexture> sky, logo;
    std::unique_ptr<CSprite> lamp;
    float angle = 0.0f;
};

int main(int, char**) {
    SpritesAndText app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
