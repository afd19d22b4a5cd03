#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <array>
#include <cstdint>
#include <string>

#include "runtime/EngineGlobals.h"
#include "scene2d/CParallaxScroll.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"
#include "support/SlotGuard.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255}, kBlue = {0, 0, 255, 255}, kCyan = {0, 255, 255, 255}, kRed = {255, 0, 0, 255},
           kGreen = {0, 255, 0, 255}, kWhite = {255, 255, 255, 255};

// A picture of the given size and colour; with band, only its top half
// is coloured and the rest transparent.
std::string image(const std::string& name, const std::string& size, const std::string& colour, bool band = false) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    const std::string fill = band ? "xc:none -fill " + colour + " -draw \"rectangle 0,0 29,15\"" : "xc:" + colour;
    EXPECT_TRUE(ImageMagick::convert("-size " + size + " " + fill + " PNG32:" + path));
    return path;
}

Rgba redraw(CParallaxScroll& scroller, int x, int y) {
    glClear(GL_COLOR_BUFFER_BIT);
    scroller.draw();
    return TestWindow::pixel(x, y);
}
}  // namespace

// Layer 1: blue and cyan skies 40 x 64; layer 2: red and green 30 x 32
// strips, transparent below row 16; layer 3: a white 20 x 10 cloud, then a
// missing image. Later layers cover earlier ones, transparent parts show
// what lies behind, and skip moves only its layer.
TEST(ParallaxDraw, LayersInOrderAndPlace) {
    ASSERT_TRUE(TestWindow::open(128, 64));
    SlotGuard shaderSlot(EngineGlobals::shaderManager, BuiltInShaders::get());
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0, 0, 0, 1);
    testing::internal::CaptureStdout();
    CParallaxScroll scroller;
    scroller.addLayer1(image("sky1.png", "40x64", "blue"));
    scroller.addLayer1(image("sky2.png", "40x64", "cyan"));
    scroller.addLayer2(image("land1.png", "30x32", "red", true));
    scroller.addLayer2(image("land2.png", "30x32", "lime", true));
    scroller.addLayer3(image("cloud.png", "20x10", "white"));
    scroller.addLayer3(ImageMagick::tempDir() + "/no-such.png");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Failed to load the image"), std::string::npos);

    EXPECT_EQ(redraw(scroller, 5, 5), kWhite);
    EXPECT_EQ(TestWindow::pixel(25, 5), kRed);
    EXPECT_EQ(TestWindow::pixel(35, 15), kGreen);
    EXPECT_EQ(TestWindow::pixel(25, 20), kBlue);
    EXPECT_EQ(TestWindow::pixel(79, 63), kCyan);
    EXPECT_EQ(TestWindow::pixel(81, 5), kBlack);

    scroller.skip(1, 2);
    EXPECT_EQ(redraw(scroller, 25, 5), kGreen);
    EXPECT_EQ(TestWindow::pixel(35, 5), kBlue);
    EXPECT_EQ(TestWindow::pixel(5, 5), kWhite);

    glDisable(GL_BLEND);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}
