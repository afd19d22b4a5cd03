#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/cApp.h"

class C3DGameObject;
class CCamera2D;
class CCheckBox;
class CLight;
class CParticleSystem;
class CProgressBar;
class CRainParticlesystem;
class CSkyDome;
class CTexture;
class CWindow;

// The engine's 3D showcase: an 800 x 600 window onto a cobbled ground with an
// animated MD2 hobgoblin and a 3DS crusader, shadowed through a shadow map
// from a light the arrow keys move; mouse-look and W/A/S/D move the camera.
// An information window and the vertex count show on top. It also sets up
// a sky dome, a fountain and rain, which its frame does not draw, and
// carries a sample GUI its own flow does not build.
class EngineTestApp : public cApp {
public:
    EngineTestApp();
    ~EngineTestApp() override;

    // False when no window could be opened; the program must then end.
    virtual bool init();
    virtual void run();
    virtual void render();
    virtual void createInfoWindow();
    virtual void buildSampleGui();
    virtual void updateSampleGui();

private:
    void loadModels();
    void moveLight();
    // The frame's event-driven keys; false when the user asked to quit.
    bool handleEvent();

    std::unique_ptr<CTexture> logo;
    std::unique_ptr<CWindow> window;
    std::unique_ptr<CCheckBox> checkBox;
    std::unique_ptr<CProgressBar> progressBar;
    std::unique_ptr<CCamera2D> camera2D;
    std::unique_ptr<CParticleSystem> particles;
    std::unique_ptr<CLight> light;
    std::unique_ptr<CSkyDome> skyDome;
    C3DGameObject* plane = nullptr;  // the game objects belong to the object manager
    C3DGameObject* object3ds = nullptr;
    C3DGameObject* objectMd2 = nullptr;
    std::unique_ptr<CRainParticlesystem> rain;
    std::string vertexText;
    std::optional<std::uint64_t> shownVertexCount;  // the count vertexText was made from
};
