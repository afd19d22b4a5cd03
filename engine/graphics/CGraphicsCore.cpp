#include "graphics/CGraphicsCore.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "graphics/CTexture.h"
#include "input/CEventManager.h"

namespace {
const char* glText(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}

// An extension counts as present when the driver names it and its entry
// points resolved. With glewExperimental on, GLEW's flag says only the
// latter; glewGetExtension reads the driver's list.
bool extensionPresent(const char* name, GLboolean entryPointsResolved) {
    return entryPointsResolved && glewGetExtension(name);
}

// The zero-filled depth image; none for a size OpenGL refuses anyway, so a
// bad size cannot ask for a huge or negative allocation.
std::vector<GLuint> shadowMapZeros(int width, int height) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (width <= 0 || height <= 0 || width > largest || height > largest)
        return {};
    return std::vector<GLuint>(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
}
}  // namespace

CGraphicsCore::CGraphicsCore() = default;

CGraphicsCore::~CGraphicsCore() {
    // Cursor images and the shadow map go while the context still exists.
    cursorTexture.reset();
    moveCursorTexture.reset();
    if (hasContext())
        releaseShadowMap();
    SDL_Quit();
}

bool CGraphicsCore::initialize(int newWidth, int newHeight, int newBpp, bool fullscreen, bool mode2D) {
    width = newWidth;
    height = newHeight;
    bpp = newBpp;
    mode3D = !mode2D;
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::printf("Error: SDL Could not be initialized: '%s'\n", SDL_GetError());
        return quitVideo();
    }
    if (!setVideoFlags(fullscreen))
        return false;
    surface = SDL_SetVideoMode(width, height, bpp, videoFlags);
    if (!surface) {
        std::printf("Error: SDL Could not create Video Surface.\n");
        return quitVideo();
    }
    SDL_WM_SetCaption(caption.c_str(), "");
    if (mode2D)
        begin2D();
    else
        setup3D(width, height);
    return true;
}

bool CGraphicsCore::setVideoFlags(bool fullscreen) {
    videoFlags = SDL_OPENGL | SDL_HWPALETTE;
    if (fullscreen)
        videoFlags |= SDL_FULLSCREEN;
    if (!SDL_GetVideoInfo()) {
        std::printf("Error: Failed getting Video Info : '%s'\n", SDL_GetError());
        // Without a video device SDL's GL attribute calls would crash.
        return quitVideo();
    }
    videoFlags |= SDL_HWACCEL;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, stencilBits);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_RED_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_GREEN_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_BLUE_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCUM_ALPHA_SIZE, 0);
    return true;
}

bool CGraphicsCore::quitVideo() {
    // The shadow map goes while its context still exists; SDL_Quit closes
    // the window, after which no OpenGL call may be made.
    if (hasContext())
        releaseShadowMap();
    SDL_Quit();
    surface = nullptr;
    return false;
}

void CGraphicsCore::setup3D(int viewWidth, int viewHeight) {
    if (viewHeight == 0)
        viewHeight = 1;
    glViewport(0, 0, viewWidth, viewHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    setPerspective(60.0, static_cast<double>(viewWidth) / viewHeight, 0.1, 3000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDisable(GL_LIGHTING);
}

void CGraphicsCore::setPerspective(double fovy, double aspect, double zNear, double zFar) {
    const double top = zNear * std::tan(fovy * M_PI / 360.0);
    const double right = top * aspect;
    glFrustum(-right, right, -top, top, zNear, zFar);
}

namespace {
// Blend, depth and capability state shared by both 2D entry points: later
// draws always win, in drawing order.
void apply2DState() {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_ALWAYS);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_SCISSOR_TEST);
}
}  // namespace

void CGraphicsCore::begin2D() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    apply2DState();
    glMatrixMode(GL_PROJECTION);
    // A 2D application's base projection is this one: nothing to come back to.
    saveProjection(mode3D);
    glLoadIdentity();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

void CGraphicsCore::begin2DOverlay() {
    glMatrixMode(GL_PROJECTION);
    saveProjection(true);
    glLoadIdentity();
    apply2DState();
    glOrtho(0, width, height, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    if (!modelviewSaved) {
        glPushMatrix();
        modelviewSaved = true;
    }
    glLoadIdentity();
}

void CGraphicsCore::end2D() {
    glMatrixMode(GL_PROJECTION);
    if (projectionSaved) {
        glPopMatrix();
        projectionSaved = false;
    }
    glMatrixMode(GL_MODELVIEW);
    if (modelviewSaved) {
        glPopMatrix();
        modelviewSaved = false;
    }
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

void CGraphicsCore::saveProjection(bool wanted) {
    // Saved at most once until end2D restores it, so entering 2D every frame
    // never overflows the matrix stack.
    if (wanted && !projectionSaved) {
        glPushMatrix();
        projectionSaved = true;
    }
}

void CGraphicsCore::setWireframe(bool on) {
    wireframe = on;
    glPolygonMode(GL_FRONT_AND_BACK, on ? GL_LINE : GL_FILL);
}

bool CGraphicsCore::isWireframe() const { return wireframe; }

void CGraphicsCore::showCursor(bool show) { SDL_ShowCursor(show ? 1 : 0); }

void CGraphicsCore::setCursor(const std::string& path) {
    cursorTexture = std::make_unique<CTexture>(path);
    customCursor = true;
    moveCursorCurrent = false;
    SDL_ShowCursor(0);
}

void CGraphicsCore::setMoveCursor(const std::string& path) {
    moveCursorTexture = std::make_unique<CTexture>(path);
    hasMoveCursor = true;
}

void CGraphicsCore::setCursors(const std::string& path, const std::string& movePath) {
    setCursor(path);
    setMoveCursor(movePath);
}

void CGraphicsCore::drawCursor() {
    // The current cursor is chosen by field, not by object, so an image
    // loaded or replaced after useMoveCursor is the one drawn.
    CTexture* image = hasMoveCursor && moveCursorCurrent ? moveCursorTexture.get() : cursorTexture.get();
    if (!image || !EngineGlobals::eventManager)
        return;
    const CEventManager& events = *EngineGlobals::eventManager;
    image->drawAt(static_cast<float>(events.getMouseX()), static_cast<float>(events.getMouseY()), 1.0f, 0.0f, 1.0f,
                  1.0f, 1.0f, 1.0f);
}

void CGraphicsCore::useMoveCursor(bool moving) { moveCursorCurrent = moving; }

const char* CGraphicsCore::getRenderer() const { return glText(GL_RENDERER); }
const char* CGraphicsCore::getVendor() const { return glText(GL_VENDOR); }
const char* CGraphicsCore::getVersion() const { return glText(GL_VERSION); }

bool CGraphicsCore::checkExtensions() {
    twoSidedStencil = extensionPresent("GL_EXT_stencil_two_side", GLEW_EXT_stencil_two_side);
    anisotropySupported = extensionPresent("GL_EXT_texture_filter_anisotropic", GLEW_EXT_texture_filter_anisotropic);
    const bool buffers = extensionPresent("GL_ARB_vertex_buffer_object", GLEW_ARB_vertex_buffer_object);
    if (!buffers)
        std::printf("Sorry, your video card does not support GL_ARB_vertex_buffer_object extension!\n");
    const bool multitexture = extensionPresent("GL_ARB_multitexture", GLEW_ARB_multitexture);
    if (!multitexture)
        std::printf("Sorry, your video card does not support GL_ARB_multitexture extension!\n");
    // Both are reported before stopping, so one run names everything missing.
    if (!buffers || !multitexture)
        return quitVideo();
    fboSupported = extensionPresent("GL_EXT_framebuffer_object", GLEW_EXT_framebuffer_object);
    if (fboSupported)
        std::printf("SUPPORT FBO\n");
    else
        std::printf("Warning: Your video card does not support GL_EXT_framebuffer_object extension!\n");
    return initShadowMap();
}

void CGraphicsCore::readExtensions() { extensions = glText(GL_EXTENSIONS); }

void CGraphicsCore::setCaption(const std::string& text) {
    caption = text;
    SDL_WM_SetCaption(caption.c_str(), "");
}

const std::string& CGraphicsCore::getCaption() const { return caption; }
int CGraphicsCore::getWidth() const { return width; }
int CGraphicsCore::getHeight() const { return height; }
bool CGraphicsCore::is3D() const { return mode3D; }
void CGraphicsCore::setStencilBits(int bits) { stencilBits = bits; }
void CGraphicsCore::setDepthBits(int bits) { depthBits = bits; }
void CGraphicsCore::setShadowsEnabled(bool enabled) { shadowsOn = enabled; }
bool CGraphicsCore::shadowsEnabled() const { return shadowsOn; }
bool CGraphicsCore::hasTwoSidedStencil() const { return twoSidedStencil; }
bool CGraphicsCore::hasAnisotropicFiltering() const { return anisotropySupported; }

bool CGraphicsCore::initShadowMap() {
    releaseShadowMap();
    glGenTextures(1, &shadowMapTexture);
    glBindTexture(GL_TEXTURE_2D, shadowMapTexture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, shadowMapWidth, shadowMapHeight, 0, GL_DEPTH_COMPONENT,
                 GL_UNSIGNED_INT, shadowMapZeros(shadowMapWidth, shadowMapHeight).data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    biasMatrix = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 0.5f, 0, 0.5f, 0.5f, 0.5f, 1};
    if (!fboSupported)
        return true;
    std::printf("BAMMMMMMMMMMMMMMMMMMMMMMEGGGG!!!\n");
    glGenFramebuffersEXT(1, &shadowFramebuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, shadowFramebuffer);
    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_TEXTURE_2D, shadowMapTexture, 0);
    glDrawBuffer(GL_NONE);
    glReadBuffer(GL_NONE);
    const GLenum status = glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    if (status == GL_FRAMEBUFFER_COMPLETE_EXT)
        return true;
    std::printf(status == GL_FRAMEBUFFER_UNSUPPORTED_EXT ? "FBO configuration unsupported\n" : "FBO program error\n");
    return quitVideo();
}

void CGraphicsCore::releaseShadowMap() {
    if (shadowFramebuffer)
        glDeleteFramebuffersEXT(1, &shadowFramebuffer);
    if (shadowMapTexture)
        glDeleteTextures(1, &shadowMapTexture);
    shadowFramebuffer = 0;
    shadowMapTexture = 0;
}

void CGraphicsCore::setShadowMapSize(int newWidth, int newHeight) {
    shadowMapWidth = newWidth;
    shadowMapHeight = newHeight;
}

int CGraphicsCore::getShadowMapWidth() const { return shadowMapWidth; }
int CGraphicsCore::getShadowMapHeight() const { return shadowMapHeight; }
std::uint32_t CGraphicsCore::getShadowMapTexture() const { return shadowMapTexture; }
int CGraphicsCore::getShadowParam() const { return shadowParam; }
const float* CGraphicsCore::getBiasMatrix() const { return biasMatrix.data(); }
void CGraphicsCore::setShadowType(sShadowTypes type) { shadowType = type; }
sShadowTypes CGraphicsCore::getShadowType() const { return shadowType; }
void CGraphicsCore::enableAnisotropicFiltering() { anisotropyEnabled = anisotropySupported; }
void CGraphicsCore::disableAnisotropicFiltering() { anisotropyEnabled = false; }
bool CGraphicsCore::isAnisotropicFilteringEnabled() const { return anisotropyEnabled; }
bool CGraphicsCore::hasFramebufferObjects() const { return fboSupported; }
std::uint32_t CGraphicsCore::getShadowFramebuffer() const { return shadowFramebuffer; }
