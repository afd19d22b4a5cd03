#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "runtime/EngineGlobals.h"

struct SDL_Surface;
class CTexture;

// Owns the SDL video surface and the global OpenGL state: window start-up,
// 2D and 3D projections, extension report and the shadow-map frame buffer.
class CGraphicsCore {
public:
    CGraphicsCore();
    virtual ~CGraphicsCore();
    CGraphicsCore(const CGraphicsCore&) = delete;
    CGraphicsCore& operator=(const CGraphicsCore&) = delete;

    // The start-up steps return false after reporting a failure and closing
    // SDL (and with it any window): the engine must then make no OpenGL call.
    // Opens the window; false when no OpenGL context could be created.
    virtual bool initialize(int width, int height, int bpp, bool fullscreen, bool mode2D);
    // False when SDL video has not started, so no video information exists.
    virtual bool setVideoFlags(bool fullscreen);
    virtual void setup3D(int width, int height);
    virtual void begin2D();
    virtual void end2D();
    virtual void begin2DOverlay();
    virtual void setWireframe(bool on);
    virtual bool isWireframe() const;
    virtual void showCursor(bool show);
    virtual void setCursor(const std::string& path);
    virtual void setMoveCursor(const std::string& path);
    virtual void setCursors(const std::string& path, const std::string& movePath);
    // Draws the custom cursor with its top-left corner at the mouse position.
    virtual void drawCursor();
    virtual const char* getRenderer() const;
    virtual const char* getVendor() const;
    virtual const char* getVersion() const;
    // Extension report and shadow-map set-up; false when a required
    // extension is missing or the shadow-map frame buffer is incomplete.
    virtual bool checkExtensions();
    virtual void readExtensions();
    virtual void useMoveCursor(bool moving);
    virtual void setCaption(const std::string& text);
    virtual const std::string& getCaption() const;
    virtual int getWidth() const;
    virtual int getHeight() const;
    virtual bool is3D() const;
    virtual void setStencilBits(int bits);
    virtual void setDepthBits(int bits);
    virtual void setShadowsEnabled(bool enabled);
    virtual bool shadowsEnabled() const;
    virtual bool hasTwoSidedStencil() const;
    virtual bool hasAnisotropicFiltering() const;
    // False when the shadow-map frame buffer is incomplete.
    virtual bool initShadowMap();
    virtual void setPerspective(double fovy, double aspect, double zNear, double zFar);
    virtual void setShadowMapSize(int width, int height);
    virtual int getShadowMapWidth() const;
    virtual int getShadowMapHeight() const;
    virtual std::uint32_t getShadowMapTexture() const;
    virtual int getShadowParam() const;
    virtual const float* getBiasMatrix() const;
    virtual void setShadowType(sShadowTypes type);
    virtual sShadowTypes getShadowType() const;
    virtual void enableAnisotropicFiltering();
    virtual void disableAnisotropicFiltering();
    virtual bool isAnisotropicFilteringEnabled() const;
    virtual bool hasFramebufferObjects() const;
    virtual std::uint32_t getShadowFramebuffer() const;

    bool hasCustomCursor() const { return customCursor; }

    // True once a window with an OpenGL context exists.
    bool hasContext() const { return surface != nullptr; }
    const std::string& getExtensions() const { return extensions; }

private:
    bool quitVideo();
    void releaseShadowMap();
    void saveProjection(bool wanted);

    std::uint32_t videoFlags = 0;
    int width = 1024;
    int height = 768;
    int bpp = 16;
    std::string caption = "Kavor Engine";
    std::string extensions;
    bool wireframe = false;
    bool mode3D = false;
    int depthBits = 16;
    int stencilBits = 4;
    bool twoSidedStencil = false;
    bool anisotropySupported = false;
    bool anisotropyEnabled = false;
    bool fboSupported = false;
    bool shadowsOn = false;
    std::uint32_t shadowMapTexture = 0;
    std::uint32_t shadowFramebuffer = 0;
    int shadowMapWidth = 512;
    int shadowMapHeight = 512;
    std::array<float, 16> biasMatrix{};
    int shadowParam = 0;
    sShadowTypes shadowType = SHADOW_VOLUMES;
    std::unique_ptr<CTexture> cursorTexture;
    std::unique_ptr<CTexture> moveCursorTexture;
    bool moveCursorCurrent = false;  // the current cursor is the move cursor, not the ordinary one
    bool customCursor = false;
    bool hasMoveCursor = false;
    SDL_Surface* surface = nullptr;
    bool projectionSaved = false;  // begin2D/begin2DOverlay pushed the projection
    bool modelviewSaved = false;   // begin2DOverlay pushed the modelview
};
