// The GUI in the engine's own frames: a whole engine with a window, real
// pointer motion (warps through the X server) and pushed button events, and
// the pixels each frame leaves on the screen.
#include <SDL.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "GUI/CButton.h"
#include "GUI/CCheckBox.h"
#include "GUI/CProgressBar.h"
#include "GUI/CWindow.h"
#include "GUI/CWindowManager.h"
#include "core/Engine.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CTexture.h"
#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"
#include "scene2d/CSprite.h"
#include "support/ImageMagick.h"
#include "support/ManualClock.h"
#include "support/TestWindow.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255}, kRed = {255, 0, 0, 255}, kGreen = {0, 255, 0, 255}, kBlue = {0, 0, 255, 255},
           kGrey = {128, 128, 128, 255}, kYellow = {255, 255, 0, 255}, kWhite = {255, 255, 255, 255},
           kMagenta = {255, 0, 255, 255};
constexpr int kWidth = 320;
constexpr int kHeight = 240;

// A one-colour PNG in the scratch directory; its path.
std::string image(const std::string& name, int width, int height, const char* colour) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    EXPECT_TRUE(ImageMagick::convert("-size " + std::to_string(width) + "x" + std::to_string(height) + " xc:" + colour +
                                     " PNG32:" + path));
    return path;
}

// Button frames: a red resting frame and a green highlight.
std::string buttonImages() {
    image("button1.png", 40, 20, "red");
    image("button2.png", 40, 20, "lime");
    return ImageMagick::tempDir() + "/button";
}

std::string checkImages(const char* name, const char* colour) {
    image(std::string(name) + "1.png", 10, 10, colour);
    return ImageMagick::tempDir() + "/" + name;
}

class GuiDraw : public testing::Test {
protected:
    void SetUp() override {
        testing::internal::CaptureStdout();
        engine = std::make_unique<Engine>();
        ASSERT_TRUE(engine->createWindow(kWidth, kHeight, 32, false, true));
        ASSERT_TRUE(TestWindow::attach(kWidth, kHeight));
        background = image("background.png", 200, 120, "blue");
    }
    void TearDown() override {
        first.reset();
        second.reset();
        engine.reset();
        output = testing::internal::GetCapturedStdout();
        if (HasFailure())  // the failure messages went to the captured output too
            std::fputs(output.c_str(), stdout);
    }

    CEventManager& events() { return *EngineGlobals::eventManager; }

    // The window of most tests: (20, 30)-(220, 150), a 15-row title bar.
    void openWindow(std::unique_ptr<CWindow>& variable, int left = 20, int top = 30, bool draggable = true) {
        variable =
            std::make_unique<CWindow>(left, top, left + 200, top + 120, background, false, 1.0f, 15, 1, draggable);
        variable->setVisible(true);
        EngineGlobals::windowManager->addWindow(variable);
    }

    void frame() {
        glClearColor(clearGrey, clearGrey, clearGrey, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        engine->render();
    }

    // Warps the pointer and runs frames until the engine has seen it arrive.
    bool moveTo(int x, int y) {
        SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
        for (int attempt = 0; attempt < 400; ++attempt) {
            frame();
            if (events().getMouseX() == x && events().getMouseY() == y)
                return true;
            SDL_Delay(5);
        }
        return false;
    }

    // Pushes a left-button event and runs frames until the frame that takes it.
    bool button(Uint8 type) {
        SDL_Event event{};
        event.type = type;
        event.button.button = SDL_BUTTON_LEFT;
        event.button.x = static_cast<Uint16>(events().getMouseX());
        event.button.y = static_cast<Uint16>(events().getMouseY());
        if (SDL_PushEvent(&event) != 0)
            return false;
        for (int attempt = 0; attempt < 400; ++attempt) {
            frame();
            if (events().hasEvent() && events().getEvent().type == type)
                return true;
        }
        return false;
    }

    int litPixels(int x0, int y0, int x1, int y1) {
        int lit = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                lit += TestWindow::pixel(x, y)[0] > 128;
        return lit;
    }

    std::unique_ptr<Engine> engine;
    std::unique_ptr<CWindow> first;
    std::unique_ptr<CWindow> second;
    std::string background;
    std::string output;
    float clearGrey = 0.0f;
};
}  // namespace

// Holding the title bar and moving the mouse by (30, 10) moves the window's
// four edges and every child (images, buttons, check boxes) by (30, 10).
TEST_F(GuiDraw, DraggingTheTitleBarMovesTheWindowAndEveryChild) {
    openWindow(first);
    first->addButton(buttonImages(), 2, 10, 40, 5);
    first->addCheckBox(checkImages("off", "#808080"), 1, checkImages("on", "yellow"), 1, 100, 40, 6);
    first->addImage(image("mark.png", 10, 10, "lime"), 150, 80, 1.0f);
    ASSERT_TRUE(moveTo(100, 35));
    ASSERT_TRUE(button(SDL_MOUSEBUTTONDOWN));
    ASSERT_TRUE(moveTo(130, 45));
    ASSERT_TRUE(button(SDL_MOUSEBUTTONUP));
    ASSERT_TRUE(moveTo(200, 200));
    EXPECT_EQ(first->getLeft(), 50.0f);
    EXPECT_EQ(first->getTop(), 40.0f);
    EXPECT_EQ(first->getRight(), 250.0f);
    EXPECT_EQ(first->getBottom(), 160.0f);
    EXPECT_EQ(TestWindow::pixel(51, 140), kBlue);
    EXPECT_EQ(TestWindow::pixel(25, 140), kBlack) << "nothing left at the old place";
    EXPECT_EQ(TestWindow::pixel(65, 85), kRed);
    EXPECT_EQ(TestWindow::pixel(155, 85), kGrey);
    EXPECT_EQ(TestWindow::pixel(205, 125), kGreen);
}

// The move cursor shows over the title bar of a draggable window, also when
// a later draggable window does not have the mouse; elsewhere the normal one.
TEST_F(GuiDraw, MoveCursorShowsOverTheTitleBar) {
    EngineGlobals::graphicsCore->setCursors(image("arrow.png", 6, 6, "white"), image("move.png", 6, 6, "magenta"));
    openWindow(first);
    openWindow(second, 240, 160);
    ASSERT_TRUE(moveTo(100, 35));
    EXPECT_EQ(TestWindow::pixel(102, 37), kMagenta);
    ASSERT_TRUE(moveTo(100, 100));
    EXPECT_EQ(TestWindow::pixel(102, 102), kWhite);
    ASSERT_TRUE(moveTo(250, 165));
    EXPECT_EQ(TestWindow::pixel(252, 167), kMagenta);
}

// The event fires only in the frame whose polled event is the press; while
// the mouse stays over the button its highlight plays once.
TEST_F(GuiDraw, AButtonFiresInTheFrameOfThePressOnly) {
    ManualClock clock(1000);
    openWindow(first);
    first->addButton(buttonImages(), 2, 10, 40, 5);
    ASSERT_TRUE(moveTo(35, 75));
    EXPECT_EQ(TestWindow::pixel(35, 75), kRed) << "the first frame of the highlight";
    clock.now += 60;
    frame();
    frame();
    EXPECT_EQ(TestWindow::pixel(35, 75), kGreen);

    ASSERT_TRUE(button(SDL_MOUSEBUTTONDOWN));
    EXPECT_EQ(events().getClickedControl(), 5);
    frame();
    EXPECT_EQ(events().getClickedControl(), -1) << "held, not pressed again";
    ASSERT_TRUE(button(SDL_MOUSEBUTTONUP));
    EXPECT_EQ(events().getClickedControl(), -1);

    ASSERT_TRUE(moveTo(35, 120));
    EXPECT_EQ(TestWindow::pixel(35, 75), kRed) << "back to its resting frame";
    ASSERT_TRUE(button(SDL_MOUSEBUTTONDOWN));
    EXPECT_EQ(events().getClickedControl(), -1) << "a press beside the button";
}

// A click toggles the box in its frame; the other look shows from the next.
// Two windows overlapping under the click both see it; the window
// registered last leaves its number.
TEST_F(GuiDraw, CheckBoxesInOverlappingWindowsBothToggle) {
    openWindow(first);
    openWindow(second, 60, 50);
    const std::string off = checkImages("off", "#808080"), on = checkImages("on", "yellow");
    auto lower = std::make_shared<CCheckBox>(off, 1, on, 1, 100.0f, 40.0f, 986);
    auto upper = std::make_shared<CCheckBox>(off, 1, on, 1, 60.0f, 20.0f, 987);
    first->addCheckBox(lower);
    second->addCheckBox(upper);
    ASSERT_TRUE(moveTo(123, 73));
    ASSERT_TRUE(button(SDL_MOUSEBUTTONDOWN));
    EXPECT_TRUE(lower->isChecked());
    EXPECT_TRUE(upper->isChecked());
    EXPECT_EQ(events().getClickedControl(), 987);
    EXPECT_EQ(TestWindow::pixel(125, 75), kGrey);
    frame();
    EXPECT_EQ(TestWindow::pixel(125, 75), kYellow);
}

// Tooltips print at their own positions while the mouse is over their owner.
TEST_F(GuiDraw, TooltipsPrintAtTheirPositions) {
    openWindow(first);
    first->setTooltip("Window", 1, FontColor(), 10.0f, 220.0f, 1);
    auto tipped = std::make_shared<CButton>(buttonImages(), 2, 10.0f, 40.0f, 5);
    tipped->setTooltip("Button", 1, FontColor(), 10.0f, 190.0f, 1);
    first->addButton(tipped);
    ASSERT_TRUE(moveTo(35, 75));
    EXPECT_GT(litPixels(10, 190, 90, 206), 40);
    EXPECT_EQ(litPixels(10, 220, 90, 236), 0);
    ASSERT_TRUE(moveTo(100, 35));
    EXPECT_EQ(litPixels(10, 190, 90, 206), 0);
    EXPECT_GT(litPixels(10, 220, 90, 236), 40);
    tipped->setTooltipEnabled(false);
    first->setTooltipEnabled(false);
    frame();
    EXPECT_EQ(litPixels(10, 220, 90, 236), 0);
}

// Missing images leave nothing on the screen (not even a stretched
// untextured background) and the GUI keeps running; a progress bar with
// maximum 0 draws nothing.
TEST_F(GuiDraw, MissingImagesAndAnEmptyMaximumDrawNothing) {
    clearGrey = 0.5f;  // an untextured quad would show black on it
    const std::string missing = ImageMagick::tempDir() + "/missing";
    first = std::make_unique<CWindow>(20, 30, 220, 150, missing + ".png", true, 1.0f, 15, 1, true);
    first->setVisible(true);
    EngineGlobals::windowManager->addWindow(first);
    auto sized = std::make_shared<CButton>(missing, 2, 10.0f, 40.0f, 5);
    sized->setSize(40, 20);  // empty frames of a size still draw nothing
    first->addButton(sized);
    first->addCheckBox(missing, 1, missing, 1, 100, 40, 6);
    CProgressBar lost(missing + ".png", 10.0f, 200.0f, 50);
    CProgressBar empty(image("bar.png", 100, 10, "red"), 10.0f, 220.0f, 0);
    ASSERT_TRUE(moveTo(30, 70));
    ASSERT_TRUE(button(SDL_MOUSEBUTTONDOWN));
    lost.increase(50);
    lost.draw();
    empty.setValue(5);
    empty.draw();
    EXPECT_EQ(events().getClickedControl(), -1) << "an image-less button has nothing to click";
    const std::vector<std::uint8_t> screen = TestWindow::pixels();
    for (std::size_t i = 0; i < screen.size(); i += 4)
        ASSERT_EQ(screen[i] + screen[i + 1] + screen[i + 2], 3 * 128) << "pixel " << i / 4 << " was drawn";
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}

// The bar shows the left value / maximum of its image and never more than
// the whole image, however far the value is set past the maximum.
TEST_F(GuiDraw, ProgressBarShowsTheLeftShareOfItsImage) {
    CProgressBar bar(image("bar.png", 100, 10, "red"), 10.0f, 200.0f, 50);
    bar.increase(10);
    frame();
    bar.draw();
    EXPECT_EQ(TestWindow::pixel(10, 205), kRed);
    EXPECT_EQ(TestWindow::pixel(29, 209), kRed);
    EXPECT_EQ(TestWindow::pixel(30, 205), kBlack);
    bar.setValue(70);
    bar.draw();
    EXPECT_EQ(TestWindow::pixel(109, 205), kRed);
    EXPECT_EQ(TestWindow::pixel(110, 205), kBlack);
}

// A frame set with a missing file keeps the frames that exist, names the
// missing one, and a button's setSize resizes the frames it has.
TEST_F(GuiDraw, SpriteFramesMissingFromASetAreNamed) {
    const std::string prefix = buttonImages();
    CSprite sprite(prefix, 3, 0.0f, 0.0f);
    EXPECT_NE(sprite.getFrame(0)->getTextureId(), 0u);
    EXPECT_NE(sprite.getFrame(1)->getTextureId(), 0u);
    EXPECT_EQ(sprite.getFrame(2)->getTextureId(), 0u) << "an empty frame keeps the numbering";
    const std::string said = testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    EXPECT_NE(said.find("Sprite frames missing: " + prefix + "3.png\n"), std::string::npos) << said;

    CButton sized(prefix, 3, 0.0f, 0.0f, 1);
    sized.setSize(30, 8);
    frame();
    sized.draw();
    EXPECT_EQ(TestWindow::pixel(29, 7), kRed);
    EXPECT_EQ(TestWindow::pixel(30, 7), kBlack);
    EXPECT_EQ(TestWindow::pixel(29, 8), kBlack);
}
