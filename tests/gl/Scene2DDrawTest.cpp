#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/EngineClock.h"
#include "core/EngineGlobals.h"
#include "graphics/CGraphicsCore.h"
#include "scene2d/CCamera2D.h"
#include "scene2d/CCameraManager.h"
#include "scene2d/CGameObject2D.h"
#include "scene2d/CSprite.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255}, kRed = {255, 0, 0, 255}, kGreen = {0, 255, 0, 255},
           kBlue = {0, 0, 255, 255};

// Frame files prefix + "1.png" ... of 8 x 8 pixels, one colour each.
std::string frames(const std::string& name, std::initializer_list<const char*> colours) {
    const std::string prefix = ImageMagick::tempDir() + "/" + name;
    int number = 1;
    for (const char* colour : colours)
        EXPECT_TRUE(ImageMagick::convert(std::string("-size 8x8 xc:") + colour + " " + prefix +
                                         std::to_string(number++) + ".png"));
    return prefix;
}

// Built-in programs and a hand-driven clock; the graphics core only serves
// the wire-frame switch (it lives until exit, as the engine's does).
class Scene2DDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(64, 64));
        static CGraphicsCore core;
        EngineGlobals::graphicsCore = &core;
        EngineGlobals::shaderManager = BuiltInShaders::get();
        EngineClock::setSource([this] { return now; });
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    void TearDown() override {
        EngineGlobals::graphicsCore = nullptr;
        EngineGlobals::shaderManager = nullptr;
        EngineClock::setSource({});
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    static void clear() {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glLoadIdentity();
    }
    // Draws with the given call after ms more milliseconds and reads back the
    // sprite's top-left pixel at (10, 10).
    template <typename Draw>
    Rgba drawnAfter(std::uint32_t ms, Draw draw) {
        now += ms;
        clear();
        draw();
        return TestWindow::pixel(10, 10);
    }

    std::uint32_t now = 5000;
};
}  // namespace

// The looping draw shows red, green, blue, red; the one-shot draw stops on
// blue; drawFrame shows the frame asked for without touching the clock.
TEST_F(Scene2DDraw, SpriteFramesLoopOnceAndByIndex) {
    testing::internal::CaptureStdout();
    const std::string prefix = frames("rgb", {"red", "lime", "blue"});
    CSprite looping(prefix, 3, 10.0f, 10.0f);
    CSprite once(prefix, 3, 0.0f, 0.0f);
    testing::internal::GetCapturedStdout();

    const Rgba loopSeen[] = {drawnAfter(0, [&] { looping.draw(); }), drawnAfter(51, [&] { looping.draw(); }),
                             drawnAfter(51, [&] { looping.draw(); }), drawnAfter(51, [&] { looping.draw(); })};
    EXPECT_EQ(loopSeen[0], kRed);
    EXPECT_EQ(loopSeen[1], kRed);  // the first draw changed the frame only after 51 ms
    EXPECT_EQ(loopSeen[2], kGreen);
    EXPECT_EQ(loopSeen[3], kBlue);
    EXPECT_EQ(drawnAfter(51, [&] { looping.draw(); }), kRed);

    const CVector2 at(10.0f, 10.0f);
    EXPECT_EQ(drawnAfter(51, [&] { once.drawOnce(at); }), kRed);
    EXPECT_EQ(drawnAfter(51, [&] { once.drawOnce(10.0f, 10.0f); }), kGreen);
    EXPECT_EQ(drawnAfter(51, [&] { once.drawOnce(at); }), kBlue);
    EXPECT_EQ(drawnAfter(51, [&] { once.drawOnce(at); }), kBlue);

    EXPECT_EQ(drawnAfter(51, [&] { once.drawFrame(0, at); }), kRed);
    EXPECT_EQ(once.getCurrentFrame(), 3u);
    once.reset();
    EXPECT_EQ(drawnAfter(0, [&] { once.drawOnce(at); }), kRed);
}

// The object draws its current sprite at its position, then the red outline
// of its box; hidden, only the outline. The application's wire-frame
// setting survives the outline.
TEST_F(Scene2DDraw, GameObjectSpriteAndBoxOutline) {
    testing::internal::CaptureStdout();
    CGameObject2D object;
    object.setPosition(20.5f, 20.5f);  // outline edges on pixel centres
    object.addSprite(frames("green", {"lime"}), 1);
    testing::internal::GetCapturedStdout();

    clear();
    object.draw();
    EXPECT_EQ(TestWindow::pixel(24, 24), kGreen);
    EXPECT_EQ(TestWindow::pixel(24, 20), kRed);
    EXPECT_EQ(TestWindow::pixel(20, 24), kRed);
    EXPECT_EQ(TestWindow::pixel(28, 24), kRed);
    EXPECT_EQ(TestWindow::pixel(24, 28), kRed);
    EXPECT_EQ(TestWindow::pixel(24, 30), kBlack);

    object.setVisible(false);
    clear();
    object.draw();
    EXPECT_EQ(TestWindow::pixel(24, 24), kBlack);
    EXPECT_EQ(TestWindow::pixel(24, 20), kRed);

    EngineGlobals::graphicsCore->setWireframe(true);
    object.drawBoundingBox();
    EXPECT_TRUE(EngineGlobals::graphicsCore->isWireframe());
    GLint modes[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, modes);
    EXPECT_EQ(modes[0], GL_LINE);
    EngineGlobals::graphicsCore->setWireframe(false);
}

// apply() multiplies the current matrix by the active camera's offset,
// reading the registered variable at the time of the call.
TEST_F(Scene2DDraw, CameraApplyTranslatesTheCurrentMatrix) {
    CCameraManager manager;
    clear();
    manager.apply();  // no camera: nothing happens
    std::unique_ptr<CCamera2D> camera = std::make_unique<CCamera2D>(10.0f, -5.0f);
    manager.addCamera(camera);
    manager.apply();
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(m[12], 10.0f);
    EXPECT_FLOAT_EQ(m[13], -5.0f);
    EXPECT_FLOAT_EQ(m[14], 0.0f);
    EXPECT_FLOAT_EQ(m[0], 1.0f);

    camera = std::make_unique<CCamera2D>(3.0f, 4.0f);
    manager.apply();  // adds to what is already there
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    EXPECT_FLOAT_EQ(m[12], 13.0f);
    EXPECT_FLOAT_EQ(m[13], -1.0f);
    glLoadIdentity();
}
