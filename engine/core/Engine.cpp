#include "core/Engine.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cstdio>
#include <new>

#include "GUI/CWindowManager.h"
#include "audio/CSoundManager.h"
#include "core/CUtils.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CShaderManager.h"
#include "graphics/CTextureManager.h"
#include "graphics/DefaultTexture.h"
#include "input/CEventManager.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/CLogger.h"
#include "scene2d/CCameraManager.h"
#include "scene3d/CCamera.h"
#include "scene3d/CLightManager.h"

namespace {
// SDL 1.2's event-thread subsystem flag.
constexpr Uint32 kEventThreadFlag = 0x00200000;
}  // namespace

Engine::Engine() {
    // Every slot but the light manager's starts empty.
    EngineGlobals::graphicsCore = nullptr;
    EngineGlobals::utils = nullptr;
    EngineGlobals::fontManager = nullptr;
    EngineGlobals::textureManager = nullptr;
    EngineGlobals::eventManager = nullptr;
    EngineGlobals::windowManager = nullptr;
    EngineGlobals::soundManager = nullptr;
    EngineGlobals::camera = nullptr;
    EngineGlobals::cameraManager = nullptr;
    EngineGlobals::shaderManager = nullptr;
    EngineGlobals::logger = nullptr;
    EngineGlobals::gameObjectManager = nullptr;
    std::printf("\nKavor Engine version 0.03...\n\n\n");
    initialize();
}

Engine::~Engine() {
    shutdown();
    releaseManagers();
}

template <typename T>
void Engine::createStage(const char* announcement, const char* failure, std::unique_ptr<T>& owner, T*& slot,
                         const char* done, void (Engine::*prepare)()) {
    std::printf("%s", announcement);
    std::fflush(stdout);
    if (prepare)
        (this->*prepare)();
    try {
        owner = std::make_unique<T>();
    } catch (const std::bad_alloc&) {
        std::printf("%s", failure);
        SDL_Quit();
    }
    slot = owner.get();
    std::printf("%s", done);
    std::fflush(stdout);
}

void Engine::initialize() {
    createStage("Initialize Graphics Core...", "Unable to initialize Graphics Core!", graphicsCore,
                EngineGlobals::graphicsCore);
    createStage("Initialize Utils...", "Unable to initialize Utils!\n", utils, EngineGlobals::utils);
    createStage("Initialize Font Manager...", "Unable to initialize Font Manager!", fontManager,
                EngineGlobals::fontManager);
    createStage("Initialize Texture Manager...", "Unable to initialize Texture Manager Core!\n", textureManager,
                EngineGlobals::textureManager);
    createStage("Initialize Event Manager...", "Unable to initialize Engine Event Manager Core!\n", eventManager,
                EngineGlobals::eventManager, "done.\n", &Engine::initEventThread);
    createStage("Initialize Window Manager...", "Unable to initialize Window Manager Core!\n", windowManager,
                EngineGlobals::windowManager);
    createStage("Initialize Sound Manager...", "Unable to initialize Sound Manager Core!\n", soundManager,
                EngineGlobals::soundManager);
    createStage("Initialize the Camera...", "Unable to initialize the Camera Unit!\n", camera, EngineGlobals::camera);
    createStage("Initialize Camera Manager...", "Unable to initialize Camera Manager!\n", cameraManager,
                EngineGlobals::cameraManager);
    createStage("Initialize Shader Manager...", "Unable to initialize Shader Manager Core!\n", shaderManager,
                EngineGlobals::shaderManager);
    createStage("Initialize Light Manager...", "Unable to initialize Light Manager!\n", lightManager,
                EngineGlobals::lightManager);
    createStage("Initialize Logger...", "Unable to initialize Logger!\n", logger, EngineGlobals::logger, "done.\n\n");
    createStage("Initialize Game Object Manager...", "Unable Game Object Manager!\n", gameObjectManager,
                EngineGlobals::gameObjectManager, "done.\n\n");
}

namespace {
template <typename T>
void release(std::unique_ptr<T>& owner, T*& slot) {
    slot = nullptr;
    owner.reset();
}
}  // namespace

void Engine::releaseManagers() {
    // Reverse creation order: models and textures go while the OpenGL
    // context still exists, the logger writes its last line, the graphics
    // core quits SDL last.
    release(gameObjectManager, EngineGlobals::gameObjectManager);
    release(logger, EngineGlobals::logger);
    release(lightManager, EngineGlobals::lightManager);
    release(shaderManager, EngineGlobals::shaderManager);
    release(cameraManager, EngineGlobals::cameraManager);
    release(camera, EngineGlobals::camera);
    release(soundManager, EngineGlobals::soundManager);
    release(windowManager, EngineGlobals::windowManager);
    release(eventManager, EngineGlobals::eventManager);
    release(textureManager, EngineGlobals::textureManager);
    release(fontManager, EngineGlobals::fontManager);
    release(utils, EngineGlobals::utils);
    release(graphicsCore, EngineGlobals::graphicsCore);
}

void Engine::render() {
    eventManager->pollEvent();
    gameObjectManager->render();
    graphicsCore->begin2D();
    glLoadIdentity();
    windowManager->drawAll();
    if (graphicsCore->hasCustomCursor())
        graphicsCore->drawCursor();
    if (showFps) {
        utils->updateFps();
        if (CFont* font = fontManager->getFont(1))
            font->print(1.0f, 5.0f, 2, utils->getFpsText());
    }
    cameraManager->apply();
    if (graphicsCore->is3D())
        graphicsCore->end2D();
}

void Engine::setShowFps(bool show) { showFps = show; }

void Engine::shutdown() {}

void Engine::initEventThread() {
    if (SDL_InitSubSystem(kEventThreadFlag) != 0)
        std::printf("Error: SDL Eventhread cannot not be initialized: %s", SDL_GetError());
}

bool Engine::createWindow(int width, int height, int bpp, bool fullscreen, bool mode2D) {
    if (!graphicsCore->initialize(width, height, bpp, fullscreen, mode2D))
        return reportNoWindow();
    glewExperimental = GL_TRUE;
    const GLenum glewStatus = glewInit();
    if (glewStatus != GLEW_OK || !GLEW_VERSION_2_1)
        std::printf("Your video card does not support OpenGL Version 1.5!\n");
    glGetError();  // glewInit may leave a harmless error behind on some drivers
    if (!graphicsCore->checkExtensions())
        return reportNoWindow();
    std::printf("Detected Video Card Vendor: %s\n", graphicsCore->getVendor());
    std::printf("Detected Renderer: %s\n", graphicsCore->getRenderer());
    std::printf("Detected OpenGL version: %s\n\n", graphicsCore->getVersion());
    DefaultTexture::makeWhite();
    graphicsCore->readExtensions();
    shaderManager->loadBuiltInShaders();
    fontManager->loadFont("Data/Font/font.tga");
    std::fflush(stdout);
    return true;
}

bool Engine::reportNoWindow() {
    std::printf("Error: no usable OpenGL window could be opened; the engine cannot run without one.\n");
    std::fflush(stdout);
    return false;
}
