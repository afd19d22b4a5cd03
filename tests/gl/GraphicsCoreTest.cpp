#include <gtest/gtest.h>

#include <SDL.h>

#include <array>
#include <cmath>
#include <string>

#include "graphics/CGraphicsCore.h"
#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"
#include "support/SlotGuard.h"
#include "support/TestWindow.h"

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 240;

// A graphics core whose window is opened by its own initialize(), in 2D or 3D.
CGraphicsCore& openCore(bool mode2D) {
    static CGraphicsCore* core = nullptr;
    static bool is2D = false;
    if (!core || is2D != mode2D) {
        delete core;  // quits SDL; the next initialize starts it again
        core = new CGraphicsCore();
        core->setDepthBits(24);
        core->setStencilBits(8);
        EXPECT_TRUE(core->initialize(kWidth, kHeight, 32, false, mode2D));
        EXPECT_TRUE(TestWindow::attach(kWidth, kHeight));
        is2D = mode2D;
    }
    return *core;
}

void drawPoint(float x, float y) {
    glDisable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    glBegin(GL_POINTS);
    glVertex2f(x + 0.5f, y + 0.5f);
    glEnd();
}

// A 4 x 4 BMP file of one colour (0xRRGGBB); returns its path.
std::string solidBmp(const std::string& name, Uint32 rgb) {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 4, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    SDL_FillRect(s, nullptr, rgb);
    const std::string path = ImageMagick::tempDir() + "/" + name;
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

int stackDepth(GLenum which) {
    GLint depth = 0;
    glGetIntegerv(which, &depth);
    return depth;
}
}  // namespace

TEST(GraphicsCore2D, OriginIsTopLeftAndYGrowsDown) {
    CGraphicsCore& core = openCore(true);
    core.begin2D();
    glLoadIdentity();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawPoint(0, 0);
    drawPoint(5, 20);
    EXPECT_EQ(TestWindow::pixel(0, 0)[0], 255);
    EXPECT_EQ(TestWindow::pixel(5, 20)[0], 255);
    EXPECT_EQ(TestWindow::pixel(0, kHeight - 1)[0], 0);
    EXPECT_EQ(TestWindow::pixel(20, 5)[0], 0);
}

TEST(GraphicsCore2D, EnteringEveryFrameKeepsMatrixStacksBalanced) {
    CGraphicsCore& core = openCore(true);
    const int projection = stackDepth(GL_PROJECTION_STACK_DEPTH);
    const int modelview = stackDepth(GL_MODELVIEW_STACK_DEPTH);
    for (int frame = 0; frame < 100; ++frame) {
        core.begin2D();  // the engine's per-frame step
        core.begin2D();  // the application's logo pass
        core.end2D();
    }
    EXPECT_EQ(stackDepth(GL_PROJECTION_STACK_DEPTH), projection);
    EXPECT_EQ(stackDepth(GL_MODELVIEW_STACK_DEPTH), modelview);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(GraphicsCore2D, WireframeTogglesAndRestoresFill) {
    CGraphicsCore& core = openCore(true);
    auto fillAndProbe = [&] {
        core.begin2D();
        glLoadIdentity();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_TEXTURE_2D);
        glColor4f(0, 1, 0, 1);
        glRecti(10, 10, 110, 110);
        return TestWindow::pixel(60, 60)[1];
    };
    core.setWireframe(true);
    EXPECT_TRUE(core.isWireframe());
    EXPECT_EQ(fillAndProbe(), 0) << "the inside of a wire-frame quad stays empty";
    core.setWireframe(false);
    EXPECT_FALSE(core.isWireframe());
    EXPECT_EQ(fillAndProbe(), 255);
}

// The move cursor is shown while a drag asks for it and a second image
// exists; an image loaded or replaced after the drag began is the one drawn.
TEST(GraphicsCoreCursor, DrawsTheImageCurrentAtDrawingTime) {
    CGraphicsCore& core = openCore(true);
    CEventManager events;  // the pointer stays at (0, 0)
    SlotGuard eventSlot(EngineGlobals::eventManager, &events);
    SlotGuard shaderSlot(EngineGlobals::shaderManager, BuiltInShaders::get());
    testing::internal::CaptureStdout();
    auto shown = [&] {
        core.begin2D();
        glLoadIdentity();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        core.drawCursor();
        const auto p = TestWindow::pixel(2, 2);
        return std::array<int, 3>{p[0], p[1], p[2]};
    };
    const std::array<int, 3> red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
    core.setCursor(solidBmp("red.bmp", 0xFF0000));
    core.useMoveCursor(true);
    EXPECT_EQ(shown(), red) << "no second image yet";
    core.setMoveCursor(solidBmp("green.bmp", 0x00FF00));
    EXPECT_EQ(shown(), green);
    core.useMoveCursor(false);
    EXPECT_EQ(shown(), red);
    core.useMoveCursor(true);
    core.setCursors(solidBmp("red2.bmp", 0xFF0000), solidBmp("green2.bmp", 0x00FF00));
    EXPECT_EQ(shown(), red) << "new images start with the ordinary cursor";
    core.useMoveCursor(true);
    core.setMoveCursor(solidBmp("blue.bmp", 0x0000FF));  // replaces the image being shown
    EXPECT_EQ(shown(), blue);
    testing::internal::GetCapturedStdout();
}

TEST(GraphicsCore3D, ZeroHeightIsTakenAsOne) {
    CGraphicsCore& core = openCore(false);
    core.setup3D(200, 0);
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    EXPECT_EQ(viewport[2], 200);
    EXPECT_EQ(viewport[3], 1);
    std::array<GLfloat, 16> projection{};
    glGetFloatv(GL_PROJECTION_MATRIX, projection.data());
    // For a symmetric frustum m5 / m0 is the aspect ratio.
    EXPECT_NEAR(projection[5] / projection[0], 200.0f, 1e-3f);
    EXPECT_TRUE(std::isfinite(projection[0]));
    core.setup3D(kWidth, kHeight);
}

TEST(GraphicsCore3D, End2DRestoresThePerspective) {
    CGraphicsCore& core = openCore(false);
    core.setup3D(kWidth, kHeight);
    std::array<GLfloat, 16> before{}, after{};
    glGetFloatv(GL_PROJECTION_MATRIX, before.data());
    core.begin2D();
    core.end2D();
    glGetFloatv(GL_PROJECTION_MATRIX, after.data());
    EXPECT_EQ(before, after);
    GLint func = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &func);
    EXPECT_EQ(func, GL_LEQUAL);
}

TEST(GraphicsCoreExtensions, ShadowMapFramebufferIsComplete) {
    CGraphicsCore& core = openCore(false);
    testing::internal::CaptureStdout();
    const bool passed = core.checkExtensions();
    const std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(passed) << out;
    ASSERT_TRUE(core.hasFramebufferObjects()) << out;
    EXPECT_NE(out.find("SUPPORT FBO\n"), std::string::npos);
    ASSERT_NE(core.getShadowFramebuffer(), 0u);
    ASSERT_NE(core.getShadowMapTexture(), 0u);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, core.getShadowFramebuffer());
    EXPECT_EQ(glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE_EXT));
    GLint depthSize = 0;
    glBindTexture(GL_TEXTURE_2D, core.getShadowMapTexture());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_DEPTH_SIZE, &depthSize);
    EXPECT_GT(depthSize, 0);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    const float* bias = core.getBiasMatrix();
    EXPECT_FLOAT_EQ(bias[0], 0.5f);
    EXPECT_FLOAT_EQ(bias[12], 0.5f);
    EXPECT_FLOAT_EQ(bias[15], 1.0f);
    // The shadow-map set-up switches fixed-function lighting on; leave it off.
    glDisable(GL_LIGHTING);
}

// Each failing start-up step reports, closes SDL and with it the window, and
// answers false so the engine stops before any OpenGL call without a context.
TEST(GraphicsCoreFailures, VideoFlagsWithoutSdlVideoFail) {
    CGraphicsCore core;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(core.setVideoFlags(false));
    EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("Error: Failed getting Video Info : '", 0), 0u);
}

// A shadow map OpenGL cannot attach (no texels, or a size it refuses) leaves
// the frame buffer incomplete.
TEST(GraphicsCoreFailures, IncompleteShadowFramebufferClosesTheWindow) {
    for (const auto& [mapWidth, mapHeight] : {std::pair{0, 0}, std::pair{-1, 512}}) {
        CGraphicsCore core;
        ASSERT_TRUE(core.initialize(kWidth, kHeight, 32, false, false));
        ASSERT_TRUE(TestWindow::attach(kWidth, kHeight));
        core.setShadowMapSize(mapWidth, mapHeight);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(core.checkExtensions());
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_NE(out.find("SUPPORT FBO\nBAMMMMMMMMMMMMMMMMMMMMMMEGGGG!!!\nFBO program error\n"), std::string::npos)
            << mapWidth << " x " << mapHeight << ": " << out;
        EXPECT_FALSE(core.hasContext());
        EXPECT_EQ(SDL_GetVideoSurface(), nullptr) << "the window stays open";
        EXPECT_EQ(core.getShadowMapTexture(), 0u) << "released while its context existed";
    }
}
