#pragma once
#include <memory>

#include "runtime/EngineGlobals.h"

// Creates every engine manager in a fixed order at start-up, opens the window
// and runs the engine's per-frame step. Owns the managers; the slots of
// EngineGlobals point at them for the rest of the system.
class Engine {
public:
    Engine();
    virtual ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    virtual void initialize();
    virtual void render();
    virtual void setShowFps(bool show);
    virtual void shutdown();
    virtual void initEventThread();
    // Returns false when no OpenGL window could be opened, or the one opened
    // lacks what the engine needs and was closed again: the caller must stop,
    // since nothing can be drawn without a context.
    virtual bool createWindow(int width, int height, int bpp, bool fullscreen, bool mode2D);

private:
    // Prints the announcement, runs `prepare` if given, creates the manager
    // into its slot and completes the line.
    template <typename T>
    void createStage(const char* announcement, const char* failure, std::unique_ptr<T>& owner, T*& slot,
                     const char* done = "done.\n", void (Engine::*prepare)() = nullptr);
    void releaseManagers();
    bool reportNoWindow();

    bool showFps = false;
    std::unique_ptr<CGraphicsCore> graphicsCore;
    std::unique_ptr<CUtils> utils;
    std::unique_ptr<CFontManager> fontManager;
    std::unique_ptr<CTextureManager> textureManager;
    std::unique_ptr<CEventManager> eventManager;
    std::unique_ptr<CWindowManager> windowManager;
    std::unique_ptr<CSoundManager> soundManager;
    std::unique_ptr<CCamera> camera;
    std::unique_ptr<CCameraManager> cameraManager;
    std::unique_ptr<CShaderManager> shaderManager;
    std::unique_ptr<CLightManager> lightManager;
    std::unique_ptr<CLogger> logger;
    std::unique_ptr<C3DGameObjectManager> gameObjectManager;
};
