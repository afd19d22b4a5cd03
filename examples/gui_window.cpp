// Example: a GUI window with buttons.
//
// The engine draws and polls GUI windows itself, once per frame inside its
// render; an application builds windows, registers them with the window
// manager and asks the event manager which control was clicked. Run it from
// the repository root; click the buttons, drag the window by its title bar,
// Escape quits.
#include <GL/glew.h>
#include <SDL.h>

#include <cstdio>
#include <memory>

#include "GUI/CButton.h"
#include "GUI/CWindow.h"
#include "GUI/CWindowManager.h"
#include "core/Engine.h"
#include "core/cApp.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "runtime/EngineGlobals.h"

namespace {
// Control numbers the buttons report when clicked.
enum { START = 1, QUIT_BUTTON = 4 };
}  // namespace

class GuiWindow : public cApp {
public:
    bool init() {
        if (!EngineGlobals::engine->createWindow(800, 600, 32, false, true))
            return false;
        CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
        // A custom pointer, and the move pointer shown over a title bar.
        graphics.setCursors("Data/MousePointer.png", "Data/moveWindow.png");
        // left, top, right, bottom, background, stretch, opacity, title bar
        // height, id, draggable.
        window = std::make_unique<CWindow>(100, 80, 500, 380, "Data/Main2.png", false, 1.0f, 15, 1, true);
        window->setVisible(true);
        // Button frames are image sequences: prefix1.png, prefix2.png, ...
        // Positions are relative to the window's top-left corner.
        window->addButton("Data/MainMenuSample/Start", 2, 40, 60, START);
        window->addButton("Data/MainMenuSample/Quit", 2, 40, 160, QUIT_BUTTON);
        // The manager keeps a reference to this variable and reads it each
        // frame, so the variable must outlive the program's frames.
        EngineGlobals::windowManager->addWindow(window);
        return true;
    }

    void run() {
        const CEventManager& events = *EngineGlobals::eventManager;
        for (;;) {
            render();
            // A clicked control is reported in the frame of the click.
            const int clicked = events.getClickedControl();
            if (clicked == START)
                ++starts;
            if (clicked != -1) {
                std::printf("Clicked control %d\n", clicked);
                std::fflush(stdout);
            }
            if (clicked == QUIT_BUTTON)
                return;
            if (events.hasEvent() && (events.isKeyDown(KEY_ESCAPE) || events.isEvent(QUIT)))
                return;
        }
    }

private:
    void render() {
        glClearColor(0.1f, 0.15f, 0.25f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        EngineGlobals::engine->render();  // draws the window and its buttons
        if (CFont* font = EngineGlobals::fontManager->getFont(1))
            font->print(100.0f, 420.0f, 0, 1.0f, 1.0f, 1.0f, "Start clicked " + std::to_string(starts) + " times");
        SDL_GL_SwapBuffers();
    }

    std::unique_ptr<CWindow> window;
    int starts = 0;
};

int main(int, char**) {
    GuiWindow app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
