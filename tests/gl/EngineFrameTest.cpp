#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "core/CUtils.h"
#include "core/Engine.h"
#include "runtime/EngineGlobals.h"
#include "support/ManualClock.h"
#include "support/TestWindow.h"

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 240;

// The whole engine with a window, its per-frame step driven by a hand clock.
class EngineFrame : public testing::Test {
protected:
    void open(bool mode2D) {
        engine = std::make_unique<Engine>();
        ASSERT_TRUE(engine->createWindow(kWidth, kHeight, 32, false, mode2D));
        ASSERT_TRUE(TestWindow::attach(kWidth, kHeight));
    }
    void TearDown() override { engine.reset(); }

    // One frame: clear, the engine's step, then what reached the screen.
    void frame(std::uint32_t atTicks) {
        clock.now = atTicks;
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        engine->render();
    }

    int textPixels() {
        int lit = 0;
        for (int y = 5; y < 21; ++y)
            for (int x = 1; x < 200; ++x)
                lit += TestWindow::pixel(x, y)[0] > 128;
        return lit;
    }

    std::array<GLfloat, 16> projection() {
        std::array<GLfloat, 16> m{};
        glGetFloatv(GL_PROJECTION_MATRIX, m.data());
        return m;
    }

    ManualClock clock;
    std::unique_ptr<Engine> engine;
};

TEST_F(EngineFrame, FrameRateDisplayDrivesTheClockAndTheText) {
    open(true);
    for (std::uint32_t t : {100u, 1200u, 2400u})
        frame(t);
    EXPECT_EQ(EngineGlobals::utils->getDeltaTime(), 0.0f) << "the clock runs only while shown";
    EXPECT_EQ(textPixels(), 0);

    engine->setShowFps(true);
    frame(2500);
    frame(3700);  // more than a second after start-up: the text appears
    EXPECT_FLOAT_EQ(EngineGlobals::utils->getDeltaTime(), 1.2f);
    EXPECT_GT(textPixels(), 30);

    engine->setShowFps(false);
    frame(5000);
    EXPECT_FLOAT_EQ(EngineGlobals::utils->getDeltaTime(), 1.2f) << "keeps its last value";
    EXPECT_EQ(textPixels(), 0);
}

TEST_F(EngineFrame, TwoDimensionalFramesEndInThePixelProjection) {
    open(true);
    frame(10);
    const auto m = projection();
    EXPECT_FLOAT_EQ(m[0], 2.0f / kWidth);
    EXPECT_FLOAT_EQ(m[5], -2.0f / kHeight);
}

TEST_F(EngineFrame, ThreeDimensionalFramesEndInThePerspective) {
    open(false);
    const auto before = projection();
    frame(10);
    EXPECT_EQ(projection(), before);
    EXPECT_FLOAT_EQ(before[11], -1.0f) << "a perspective projection";
}
}  // namespace
