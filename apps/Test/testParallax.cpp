#include "testParallax.h"

#include <GL/glew.h>
#include <SDL.h>

#include <string>

#include "core/Engine.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CTexture.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "objects3d/C3DGameObjectManager.h"
#include "particles/CParticleSystem.h"
#include "particles/DemoFountain.h"
#include "runtime/CLogger.h"
#include "runtime/EngineGlobals.h"
#include "scene2d/CCamera2D.h"
#include "scene2d/CCameraManager.h"
#include "scene2d/CParallaxScroll.h"

testParallax::testParallax() = default;
testParallax::~testParallax() = default;

bool testParallax::init() {
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    graphics.setDepthBits(16);
    graphics.setStencilBits(8);
    graphics.enableAnisotropicFiltering();
    if (!EngineGlobals::engine->createWindow(1024, 768, 16, true, true))
        return false;
    EngineGlobals::gameObjectManager->setDrawBoundingBoxes(false);
    EngineGlobals::gameObjectManager->setShowShadowVolumes(false);
    graphics.setShadowsEnabled(false);
    graphics.setShadowType(SHADOW_MAPPING);
    graphics.showCursor(true);
    graphics.setCursor("Data/MousePointer.png");
    graphics.setMoveCursor("Data/moveWindow.png");
    EngineGlobals::engine->setShowFps(true);
    EngineGlobals::logger->log("Init Camera 2D", true);
    camera = std::make_unique<CCamera2D>(0.0f, 0.0f);
    EngineGlobals::cameraManager->addCamera(camera);
    logo = std::make_unique<CTexture>("Data/Logo/k3dlogo.png");
    logo->setPosX(1022.0f - logo->getWidth());
    logo->setPosY(766.0f - logo->getHeight());
    configureParticles();
    buildScroller();
    return true;
}

void testParallax::configureParticles() {
    particles = std::make_unique<CParticleSystem>();
    DemoFountain::configure(*particles);
}

void testParallax::buildScroller() {
    scroller = std::make_unique<CParallaxScroll>();
    scroller->addLayer3("Data/scroll/BackgroundCloud_layer3.png");
    for (int image = 1; image <= 5; ++image)
        scroller->addLayer2("Data/scroll/Background0" + std::to_string(image) + "_big_alpha.png");
    scroller->addLayer1("Data/scroll/BackgroundCloud012.png");
    scroller->setSpeed1(195.0f);
    scroller->setSpeed2(195.0f);
    scroller->setSpeed3(95.0f);
    // Layer 2 starts two image widths to the left: its third image is on screen.
    scroller->skip(2, 2);
}

// Layers 2 and 3 move; layer 1, the sky, never does.
void testParallax::scrollLeft() {
    scroller->scrollLeft(2);
    scroller->scrollLeft(3);
}

void testParallax::scrollRight() {
    scroller->scrollRight(2);
    scroller->scrollRight(3);
}

void testParallax::run() {
    CEventManager& events = *EngineGlobals::eventManager;
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    for (;;) {
        render();
        if (events.isKeyDown(KEY_ARROW_LEFT))
            scrollLeft();
        if (events.isKeyDown(KEY_ARROW_RIGHT))
            scrollRight();
        if (events.hasEvent()) {
            if (events.isKeyDown(KEY_ESCAPE))
                return;
            if (events.isEvent(QUIT))
                return;
            if (events.isKeyDown(KEY_q))
                graphics.setWireframe(!graphics.isWireframe());
        }
        const float mouseX = static_cast<float>(events.getMouseX());
        if (mouseX <= 5.0f)
            scrollLeft();
        if (mouseX >= static_cast<float>(graphics.getWidth() - 5))
            scrollRight();
    }
}

void testParallax::render() {
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    scroller->draw();
    EngineGlobals::engine->render();
    if (CFont* font = EngineGlobals::fontManager->getFont(1)) {
        font->print(400.0f, 5.0f, 0, 1.0f, 0.8f, 0.0f, 1.0f, 1.2f, 1.2f, "Parallax Scroll Demo");
        font->print(10.0f, 30.0f, 0, 1.0f, 0.2f, 0.2f, 1.0f, 1.0f, 1.0f,
                    "Press Left/Right keys to scroll left or right.");
        font->print(10.0f, 55.0f, 0, 1.0f, 0.2f, 0.2f, 1.0f, 1.0f, 1.0f,
                    "Move mouse to sides to scroll left or right.");
    }
    EngineGlobals::graphicsCore->begin2D();
    logo->draw();
    EngineGlobals::graphicsCore->end2D();
    SDL_GL_SwapBuffers();
}
