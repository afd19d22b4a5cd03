#include "EngineTestApp.h"

#include <GL/glew.h>
#include <SDL.h>

#include "GUI/CButton.h"
#include "GUI/CCheckBox.h"
#include "GUI/CProgressBar.h"
#include "GUI/CWindow.h"
#include "GUI/CWindowManager.h"
#include "core/CUtils.h"
#include "core/Engine.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CTexture.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "objects3d/C3DGameObject.h"
#include "objects3d/C3DGameObjectManager.h"
#include "particles/CParticleSystem.h"
#include "particles/CRainParticlesystem.h"
#include "particles/DemoFountain.h"
#include "runtime/CLogger.h"
#include "runtime/EngineGlobals.h"
#include "scene2d/CCamera2D.h"
#include "scene2d/CCameraManager.h"
#include "scene3d/CCamera.h"
#include "scene3d/CLight.h"
#include "scene3d/CLightManager.h"
#include "scene3d/CSkyDome.h"

namespace {
// The sample GUI's tooltips: plain colour, at the bottom of the screen.
void sampleTooltip(CButton& button, const std::string& text) { button.setTooltip(text, 1, FontColor{}, 0, 750, 1); }
}  // namespace

EngineTestApp::EngineTestApp() = default;
EngineTestApp::~EngineTestApp() = default;

bool EngineTestApp::init() {
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    graphics.setDepthBits(16);
    graphics.setStencilBits(8);
    graphics.enableAnisotropicFiltering();
    if (!EngineGlobals::engine->createWindow(800, 600, 24, false, false))
        return false;
    loadModels();
    C3DGameObjectManager& objects = *EngineGlobals::gameObjectManager;
    objects.setDrawBoundingBoxes(true);
    graphics.setShadowsEnabled(true);
    graphics.setShadowType(SHADOW_MAPPING);
    objects.setShowShadowVolumes(false);
    light = std::make_unique<CLight>();
    EngineGlobals::lightManager->addLight(light.get());
    EngineGlobals::lightManager->enableLight(1);
    graphics.showCursor(true);
    graphics.setCursor("Data/MousePointer.png");
    graphics.setMoveCursor("Data/moveWindow.png");
    EngineGlobals::engine->setShowFps(true);
    EngineGlobals::logger->log("Init Camera 2D", true);
    camera2D = std::make_unique<CCamera2D>(0.0f, 0.0f);
    EngineGlobals::cameraManager->addCamera(camera2D);
    logo = std::make_unique<CTexture>("Data/Logo/k3dlogo.png");
    logo->setPosX(1022.0f - logo->getWidth());
    logo->setPosY(766.0f - logo->getHeight());
    skyDome = std::make_unique<CSkyDome>();
    skyDome->init(15.0f, 15.0f, 1000.0f, "Data/SkyDome/clouds2.png");
    skyDome->setPosition(0, -400, 0);
    createInfoWindow();
    particles = std::make_unique<CParticleSystem>();
    DemoFountain::configure(*particles);
    rain = std::make_unique<CRainParticlesystem>();
    rain->setPosition(0, 0, 0);
    rain->setColor(0.7f, 0.7f, 0.7f, 0.5f);
    rain->setSpawnRangeX(0, 150, 1.0f);
    rain->setSpawnRangeZ(0, 150, 1.0f);
    rain->setVelocity(0, -90.08f, 0);
    rain->init(300, 150.0f, 0.0f, "Data/Particle/rain.png");
    return true;
}

void EngineTestApp::loadModels() {
    C3DGameObjectManager& objects = *EngineGlobals::gameObjectManager;
    auto ground = std::make_unique<C3DGameObject>();
    ground->loadNative("Data/KModel/plane_new.xml");
    ground->setCastsShadow(false);
    plane = objects.addObject(std::move(ground));

    auto hobgoblin = std::make_unique<C3DGameObject>();
    hobgoblin->loadMD2("Data/Models/MD2/tris.md2", "Data/Models/MD2/hobgoblin.bmp");
    hobgoblin->setPosition(-50, 10, 0);
    hobgoblin->setRotation(-20);
    hobgoblin->setCastsShadow(true);
    hobgoblin->setScale(1.5f, 1.5f, 1.5f);
    objectMd2 = objects.addObject(std::move(hobgoblin));

    auto crusader = std::make_unique<C3DGameObject>();
    crusader->load3DS("Data/Models", "Data/Models/crusader.3ds", 1);
    crusader->setCastsShadow(true);
    crusader->setPosition(50, 10, 50);
    crusader->setRotation(-50);
    crusader->setScale(2, 2, 2);
    object3ds = objects.addObject(std::move(crusader));
}

void EngineTestApp::createInfoWindow() {
    window = std::make_unique<CWindow>(0, 0, 380, 140, "Data/informationConsol2.png", false, 0.9f, 0, 123, false);
    window->setVisible(true);
    EngineGlobals::windowManager->addWindow(window);
}

void EngineTestApp::run() {
    CEventManager& events = *EngineGlobals::eventManager;
    for (;;) {
        EngineGlobals::camera->update();
        render();
        moveLight();
        if (events.hasEvent() && !handleEvent())
            return;
    }
}

// Each held arrow reads the position again, so two held keys both apply.
void EngineTestApp::moveLight() {
    const CEventManager& events = *EngineGlobals::eventManager;
    const std::pair<eKey, CVector3> moves[] = {{KEY_ARROW_LEFT, {15, 0, 0}},
                                               {KEY_ARROW_RIGHT, {-15, 0, 0}},
                                               {KEY_ARROW_UP, {0, 15, 0}},
                                               {KEY_ARROW_DOWN, {0, -15, 0}}};
    for (const auto& [key, step] : moves)
        if (events.isKeyDown(key)) {
            const CLight::Vec4& p = light->getPosition();
            light->setPosition(p[0] + step.x, p[1] + step.y, p[2] + step.z, 1.0f);
        }
}

bool EngineTestApp::handleEvent() {
    const CEventManager& events = *EngineGlobals::eventManager;
    if (events.isKeyDown(KEY_ESCAPE) || events.isEvent(QUIT))
        return false;
    C3DGameObjectManager& objects = *EngineGlobals::gameObjectManager;
    if (events.isKeyDown(KEY_SPACE))
        objects.setShowShadowVolumes(!objects.showShadowVolumes());
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    if (events.isKeyDown(KEY_q))
        graphics.setWireframe(!graphics.isWireframe());
    return true;
}

void EngineTestApp::render() {
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    EngineGlobals::camera->look();
    glEnable(GL_LIGHTING);
    EngineGlobals::engine->render();
    // The count only changes when models load, so the text is formatted again only then.
    const std::uint64_t vertexCount = EngineGlobals::gameObjectManager->getTotalVertexCount();
    if (!shownVertexCount || *shownVertexCount != vertexCount) {
        vertexText = EngineGlobals::utils->format("Number of vertices: %d", static_cast<int>(vertexCount));
        shownVertexCount = vertexCount;
    }
    if (CFont* font = EngineGlobals::fontManager->getFont(1))
        font->print(1.0f, 80.0f, 0, 1.0f, 1.0f, 1.0f, vertexText);
    SDL_GL_SwapBuffers();
}

// The menu buttons' images are 150 x 60; they are sized to match.
void EngineTestApp::buildSampleGui() {
    EngineGlobals::graphicsCore->setCaption("Kavor Engine");
    EngineGlobals::fontManager->loadFont("Data/Font/fontDemo.tga");
    window = std::make_unique<CWindow>(0, 80, 1024, 600, "Data/Main2.png", false, 1.0f, 15, 111, true);
    window->setVisible(true);
    window->setActive(true);
    window->setTooltip("Sample window tooltip", 1, FontColor{}, 0, 750, 1);
    EngineGlobals::windowManager->addWindow(window);
    window->addButton(std::make_shared<CButton>("Data/Sprite/GombOn", 5, 0.0f, 300.0f, 5));
    const struct {
        const char* prefix;
        float x;
        int id;
        const char* tooltip;
    } menu[] = {{"Data/MainMenuSample/Start", 150, 1, "Start New Game"},
                {"Data/MainMenuSample/Options", 300, 2, "Options"},
                {"Data/MainMenuSample/Credits", 450, 3, "Credits"},
                {"Data/MainMenuSample/Quit", 598, 4, "Quit"}};
    for (const auto& entry : menu) {
        auto button = std::make_shared<CButton>(entry.prefix, 2, entry.x, 300.0f, entry.id);
        sampleTooltip(*button, entry.tooltip);
        button->setSize(150, 60);
        window->addButton(button);
    }
    auto inWindow = std::make_shared<CCheckBox>("Data/checkOff", 1, "Data/checkIn", 1, 50.0f, 30.0f, 986);
    inWindow->setTooltip("CheckBox tooltip", 1, FontColor{}, 0, 750, 1);
    window->addCheckBox(inWindow);
    checkBox = std::make_unique<CCheckBox>("Data/checkOff", 1, "Data/checkIn", 1, 500.0f, 500.0f, 987);
    progressBar = std::make_unique<CProgressBar>("Data/samplepbar.png", 300.0f, 670.0f, 50);
    progressBar->increase(10);
}

// The check box kept outside the window is drawn here with the progress bar.
void EngineTestApp::updateSampleGui() {
    const CEventManager& events = *EngineGlobals::eventManager;
    if (window && events.getClickedControl() == 1)
        window->setVisible(!window->isVisible());
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    graphics.begin2D();
    if (checkBox)
        checkBox->draw();
    if (progressBar)
        progressBar->draw();
    graphics.end2D();
    CFont* first = EngineGlobals::fontManager->getFont(1);
    CFont* second = EngineGlobals::fontManager->getFont(2);
    if (first && events.isKeyDown(KEY_2))
        first->print(1.0f, 700.0f, 0, "Key 2 pressed");
    if (first && events.isKeyDown(KEY_3))
        first->print(1.0f, 720.0f, 0, "Key 3 pressed");
    if (second && events.isLeftButtonDown())
        second->print(200.0f, 700.0f, 0, "Left Mouse Button pressed");
    if (second && events.isRightButtonDown())
        second->print(200.0f, 720.0f, 0, "Right Mouse Button pressed");
}
