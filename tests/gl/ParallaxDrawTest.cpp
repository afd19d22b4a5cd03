#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <array>
#include <cstdint>
#include <string>

#include "core/CUtils.h"
#include "core/EngineClock.h"
#include "core/EngineGlobals.h"
#include "scene2d/CParallaxScroll.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255}, kBlue = {0, 0, 255, 255}, kCyan = {0, 255, 255, 255},
           kRed = {255, 0, 0, 255}, kGreen = {0, 255, 0, 255}, kYellow = {255, 255, 0, 255},
           kWhite = {255, 255, 255, 255}, kMagenta = {255, 0, 255, 255};

// An opaque picture of one colour.
std::string solid(const std::string& name, const char* size, const char* colour) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    EXPECT_TRUE(ImageMagick::convert(std::string("-size ") + size + " xc:" + colour + " " + path));
    return path;
}

// A 30 x 32 landscape strip: the top half in colour, the bottom half
// transparent.
std::string strip(const std::string& name, const char* colour) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    EXPECT_TRUE(ImageMagick::convert(std::string("-size 30x32 xc:none -fill ") + colour +
                                     " -draw \"rectangle 0,0 29,15\" PNG32:" + path));
    return path;
}

// Layer 1: two 40 x 64 sky images (blue, cyan). Layer 2: three strips (red,
// green, yellow). Layer 3: a white 20 x 10 image in front of everything.
class ParallaxDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(128, 64));
        EngineGlobals::shaderManager = BuiltInShaders::get();
        EngineGlobals::utils = &utils;
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        testing::internal::CaptureStdout();
        scroller.addLayer1(solid("sky1.png", "40x64", "blue"));
        scroller.addLayer1(solid("sky2.png", "40x64", "cyan"));
        scroller.addLayer2(strip("land1.png", "red"));
        scroller.addLayer2(strip("land2.png", "lime"));
        scroller.addLayer2(strip("land3.png", "yellow"));
        scroller.addLayer3(solid("cloud.png", "20x10", "white"));
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override {
        EngineGlobals::shaderManager = nullptr;
        EngineGlobals::utils = nullptr;
        EngineClock::setSource({});
        CUtils::resetFrameClock();
        glDisable(GL_BLEND);
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    void redraw() {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        scroller.draw();
    }
    void setFrameTime(std::uint32_t ms) {
        EngineClock::setSource([] { return 200u; });
        utils.updateFps();
        EngineClock::setSource([ms] { return 200u + ms; });
        utils.updateFps();
    }

    CUtils utils;
    CParallaxScroll scroller;
};
}  // namespace

// Images sit edge to edge; later layers cover earlier ones, and the
// transparent parts of a layer let the one behind show through.
TEST_F(ParallaxDraw, LayersInOrderAndPlace) {
    redraw();
    EXPECT_EQ(TestWindow::pixel(5, 5), kWhite);     // layer 3 in front
    EXPECT_EQ(TestWindow::pixel(25, 5), kRed);      // layer 2 over the sky
    EXPECT_EQ(TestWindow::pixel(35, 5), kGreen);
    EXPECT_EQ(TestWindow::pixel(65, 15), kYellow);
    EXPECT_EQ(TestWindow::pixel(25, 20), kBlue);    // through a transparent strip
    EXPECT_EQ(TestWindow::pixel(45, 40), kCyan);
    EXPECT_EQ(TestWindow::pixel(79, 63), kCyan);
    EXPECT_EQ(TestWindow::pixel(95, 5), kBlack);    // right of every layer
}

// skip moves layer 2 by whole strips; scrolling moves a layer by its speed
// times the frame time and uncovers what lies behind it.
TEST_F(ParallaxDraw, SkipAndScrollMoveOnlyTheirLayer) {
    scroller.skip(1, 2);
    redraw();
    EXPECT_EQ(TestWindow::pixel(25, 5), kGreen);
    EXPECT_EQ(TestWindow::pixel(35, 5), kYellow);
    EXPECT_EQ(TestWindow::pixel(65, 5), kCyan);     // layer 2 has run out
    EXPECT_EQ(TestWindow::pixel(5, 5), kWhite);

    scroller.setSpeed3(100.0f);
    setFrameTime(100);
    scroller.scrollRight(3);                        // 10 pixels to the left
    redraw();
    EXPECT_EQ(TestWindow::pixel(5, 5), kWhite);
    EXPECT_EQ(TestWindow::pixel(12, 5), kGreen);
    scroller.scrollLeft(3);
    scroller.scrollLeft(3);
    redraw();
    EXPECT_EQ(TestWindow::pixel(5, 5), kGreen);
    EXPECT_EQ(TestWindow::pixel(25, 5), kWhite);
    EXPECT_EQ(TestWindow::pixel(45, 40), kCyan);    // layer 1 never moved
}

// A missing image takes its place with width 0, draws nothing and the rest
// of the layer still draws.
TEST_F(ParallaxDraw, MissingImageDrawsNothing) {
    testing::internal::CaptureStdout();
    scroller.addLayer3(ImageMagick::tempDir() + "/no-such.png");
    scroller.addLayer3(solid("cloud2.png", "10x10", "magenta"));
    const std::string console = testing::internal::GetCapturedStdout();
    EXPECT_NE(console.find("Failed to load the image"), std::string::npos);
    redraw();
    EXPECT_EQ(TestWindow::pixel(15, 5), kWhite);
    EXPECT_EQ(TestWindow::pixel(25, 5), kMagenta);  // right after the first cloud
    EXPECT_EQ(TestWindow::pixel(25, 12), kRed);     // layer 2 below the clouds
    EXPECT_EQ(TestWindow::pixel(31, 5), kGreen);
}
