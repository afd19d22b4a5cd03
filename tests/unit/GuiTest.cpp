// The GUI's decisions, made from a frame's input without SDL or a window.
// Images are missing files here: the widgets must keep working without them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>

#include "GUI/CButton.h"
#include "GUI/CProgressBar.h"
#include "GUI/CStaticText.h"
#include "GUI/CWindow.h"
#include "GUI/CWindowManager.h"
#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"
#include "support/SlotGuard.h"

namespace {
const char* const kMissing = "Data/no-such-dir/gui";

PointerState mouseAt(int x, int y) {
    PointerState pointer;
    pointer.x = x;
    pointer.y = y;
    return pointer;
}

PointerState pressAt(int x, int y) {
    PointerState pointer = mouseAt(x, y);
    pointer.eventTaken = pointer.leftPress = pointer.leftDown = true;
    return pointer;
}

// The engine test application's sample window.
std::unique_ptr<CWindow> sampleWindow(int id = 111) {
    return std::make_unique<CWindow>(0, 80, 1024, 600, kMissing, false, 1.0f, 15, id, true);
}
}  // namespace

// Every edge counts as inside; one pixel past any edge is outside.
TEST(GuiHitTest, EdgesAreInclusive) {
    for (const auto& [x, y] : {std::pair{100, 100}, {250, 160}, {250, 100}, {100, 160}})
        EXPECT_TRUE(mouseAt(x, y).isOver(100.0f, 100.0f, 150.0f, 60.0f)) << x << "," << y;
    for (const auto& [x, y] : {std::pair{251, 160}, {250, 161}, {99, 100}, {100, 99}})
        EXPECT_FALSE(mouseAt(x, y).isOver(100.0f, 100.0f, 150.0f, 60.0f)) << x << "," << y;

    const auto window = sampleWindow();
    EXPECT_TRUE(window->decide(mouseAt(1024, 95)).overTitleBar);
    EXPECT_TRUE(window->decide(mouseAt(0, 80)).overTitleBar);
    EXPECT_FALSE(window->decide(mouseAt(1025, 95)).overTitleBar);
    EXPECT_FALSE(window->decide(mouseAt(10, 96)).overTitleBar);
}

// Only a left-button press taken this frame over a clickable widget fires;
// holding the button, moving, releasing or a press elsewhere do not.
TEST(GuiHitTest, OnlyAPressThisFrameFires) {
    EXPECT_TRUE(pressAt(120, 120).click(100.0f, 100.0f, 150.0f, 60.0f, true).fires);
    EXPECT_FALSE(pressAt(120, 120).click(100.0f, 100.0f, 150.0f, 60.0f, false).fires) << "not clickable";
    EXPECT_FALSE(pressAt(300, 120).click(100.0f, 100.0f, 150.0f, 60.0f, true).fires);
    PointerState held = pressAt(120, 120);
    held.leftPress = false;  // a motion event with the button still down
    const ClickDecision decision = held.click(100.0f, 100.0f, 150.0f, 60.0f, true);
    EXPECT_TRUE(decision.over);
    EXPECT_FALSE(decision.fires);

    // A button whose images are missing has no area and never fires.
    CButton button(kMissing, 2, 100.0f, 100.0f, 5);
    EXPECT_FALSE(button.decide(pressAt(100, 100), 0.0f, 0.0f).over);
}

// Frames of a window driven by the real event manager on SDL's dummy video
// driver, where warping the mouse sets its position at once.
class GuiFrames : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(1024, 768, 0, SDL_SWSURFACE), nullptr) << SDL_GetError();
        window->setVisible(true);
        frameAt(500, 85);
    }
    void TearDown() override { SDL_Quit(); }

    // One frame with the mouse at (x, y) and, if given, a left-button event.
    void frameAt(int x, int y, Uint8 button = 0) {
        SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
        for (SDL_Event stale; SDL_PollEvent(&stale);) {
        }
        if (button) {
            SDL_Event event{};
            event.type = button;
            event.button.button = SDL_BUTTON_LEFT;
            ASSERT_EQ(SDL_PushEvent(&event), 0);
        }
        events.pollEvent();
        window->update();
    }

    CEventManager events;
    SlotGuard<CEventManager> eventSlot{EngineGlobals::eventManager, &events};
    std::unique_ptr<CWindow> window = sampleWindow();
};

// A drag starts when a frame's event finds the left button held over the
// title bar and moves the window by the mouse motion, also once the mouse
// has run off the bar. A release ends it wherever it happens: a release
// below the bar must not leave the window stuck to the mouse.
TEST_F(GuiFrames, DragFollowsTheMouseUntilTheButtonIsReleased) {
    frameAt(500, 85, SDL_MOUSEBUTTONDOWN);
    EXPECT_TRUE(window->isDragging());
    frameAt(530, 300);
    EXPECT_FLOAT_EQ(window->getLeft(), 30.0f);
    EXPECT_FLOAT_EQ(window->getTop(), 295.0f);
    EXPECT_FLOAT_EQ(window->getRight(), 1054.0f);
    EXPECT_FLOAT_EQ(window->getBottom(), 815.0f);

    frameAt(560, 500, SDL_MOUSEBUTTONUP);  // the window has not caught up yet
    EXPECT_FALSE(window->isDragging());
    frameAt(600, 600);
    EXPECT_FLOAT_EQ(window->getLeft(), 30.0f);
    EXPECT_FLOAT_EQ(window->getTop(), 295.0f);

    // A press below the title bar, or on a window that cannot be dragged, starts nothing.
    frameAt(100, 600, SDL_MOUSEBUTTONDOWN);
    EXPECT_FALSE(window->isDragging());
    frameAt(100, 600, SDL_MOUSEBUTTONUP);
    window->setDraggable(false);
    frameAt(100, 300, SDL_MOUSEBUTTONDOWN);
    EXPECT_FALSE(window->isDragging());
}

TEST(GuiWindow, ChildrenAreFittedInsideTheRightAndBottomEdges) {
    const CVector2 window(1024.0f, 520.0f);
    const CVector2 button(150.0f, 60.0f);
    EXPECT_FLOAT_EQ(CWindow::fitChild({900.0f, 300.0f}, button, window).x, 874.0f);
    EXPECT_FLOAT_EQ(CWindow::fitChild({100.0f, 560.0f}, button, window).y, 460.0f);
    const CVector2 leftOf = CWindow::fitChild({-20.0f, -5.0f}, button, window);
    EXPECT_FLOAT_EQ(leftOf.x, -20.0f) << "only the right and bottom edges are enforced";
    EXPECT_FLOAT_EQ(leftOf.y, -5.0f);

    auto sized = std::make_shared<CButton>(kMissing, 2, 900.0f, 300.0f, 1);
    sized->setSize(150, 60);
    EXPECT_FLOAT_EQ(sized->getWidth(), 150.0f);
    EXPECT_FLOAT_EQ(sized->getHeight(), 60.0f);
    auto owner = sampleWindow();
    owner->addButton(sized);
    EXPECT_FLOAT_EQ(sized->getX(), 874.0f) << "the caller's reference sees the fitted position";
    EXPECT_FLOAT_EQ(sized->getY(), 300.0f);
}

TEST(GuiWindow, BackgroundIsCutDownToTheWindowOrStretched) {
    const CVector2 window(380.0f, 140.0f);
    const CVector2 small = CWindow::fitBackground({200.0f, 100.0f}, window, false);
    EXPECT_FLOAT_EQ(small.x, 200.0f) << "a smaller image keeps its own size";
    EXPECT_FLOAT_EQ(small.y, 100.0f);
    const CVector2 wide = CWindow::fitBackground({512.0f, 100.0f}, window, false);
    EXPECT_FLOAT_EQ(wide.x, 380.0f);
    EXPECT_FLOAT_EQ(wide.y, 100.0f);
    const CVector2 stretched = CWindow::fitBackground({200.0f, 100.0f}, window, true);
    EXPECT_FLOAT_EQ(stretched.x, 380.0f);
    EXPECT_FLOAT_EQ(stretched.y, 140.0f);
}

// activateById touches only the windows with that id; deactivating keeps
// every window visible; hiding deactivates; an emptied variable is skipped.
TEST(GuiWindowManager, ActivationById) {
    CWindowManager manager;
    auto first = sampleWindow(111);
    auto other = sampleWindow(7);
    auto second = sampleWindow(111);
    auto emptied = sampleWindow(111);
    for (auto* variable : {&first, &other, &second, &emptied})
        manager.addWindow(*variable);
    emptied.reset();
    EXPECT_EQ(manager.getCount(), 4u);

    manager.activateById(111);
    EXPECT_TRUE(first->isActive() && first->isVisible());
    EXPECT_TRUE(second->isActive() && second->isVisible());
    EXPECT_FALSE(other->isActive() || other->isVisible());

    manager.deactivateAll();
    EXPECT_FALSE(first->isActive());
    EXPECT_TRUE(first->isVisible());
    first->setActive(true);
    first->setVisible(false);
    EXPECT_FALSE(first->isActive());
    manager.drawAll();  // hidden, emptied and image-less windows draw nothing
}

// A variable added twice is kept once, so its window is updated once a frame.
TEST(GuiWindowManager, AVariableAddedTwiceIsKeptOnce) {
    CWindowManager manager;
    auto window = sampleWindow();
    manager.addWindow(window);
    manager.addWindow(window);
    EXPECT_EQ(manager.getCount(), 1u);
}

TEST(GuiProgressBar, RegionIsTheValueShareAndNothingForMaximumZero) {
    const auto fifth = CProgressBar::regionFor(10, 50);
    ASSERT_TRUE(fifth);
    EXPECT_FLOAT_EQ(fifth->top, 1.0f);
    EXPECT_FLOAT_EQ(fifth->right, 0.2f);
    EXPECT_FLOAT_EQ(fifth->bottom, 0.0f);
    EXPECT_FLOAT_EQ(fifth->left, 0.0f);
    EXPECT_FALSE(CProgressBar::regionFor(10, 0)) << "no division by zero";
    EXPECT_FLOAT_EQ(CProgressBar::regionFor(70, 50)->right, 1.0f) << "never more than the image";

    CProgressBar empty;
    empty.setValue(3);
    empty.draw();
    EXPECT_FLOAT_EQ(empty.getRegion().right, 0.0f) << "untouched at maximum 0";
    EXPECT_FLOAT_EQ(empty.getRegion().bottom, 1.0f);

    CProgressBar bar(kMissing, 300.0f, 670.0f, 50);
    bar.increase(10);
    bar.draw();
    EXPECT_FLOAT_EQ(bar.getRegion().right, 0.2f);
    bar.increase(60);
    EXPECT_EQ(bar.getValue(), 50u);
    bar.setValue(70);
    EXPECT_EQ(bar.getValue(), 70u) << "setValue is not limited";
    bar.setValue(UINT_MAX - 5);
    bar.increase(10);
    EXPECT_EQ(bar.getValue(), 50u) << "the sum does not wrap below the maximum";
}

// Whole pixels towards zero; the colour is kept in the font record's order
// (red, blue, green, alpha) and printed as red, green, blue, alpha.
TEST(GuiStaticText, TruncatesThePointAndReordersTheColour) {
    CStaticText text;
    EXPECT_EQ(text.getText(), "Static Text");
    text.setColor(1.0f, 0.0f, 0.5f, 1.0f);
    text.setScale(2.0f, 3.0f);
    const TextPrint print = text.layout(10.7f, -3.2f);
    EXPECT_FLOAT_EQ(print.x, 10.0f);
    EXPECT_FLOAT_EQ(print.y, -3.0f);
    EXPECT_FLOAT_EQ(print.red, 1.0f);
    EXPECT_FLOAT_EQ(print.green, 0.5f);
    EXPECT_FLOAT_EQ(print.blue, 0.0f);
    EXPECT_FLOAT_EQ(print.alpha, 1.0f);
    EXPECT_FLOAT_EQ(print.scaleX, 2.0f);
    EXPECT_FLOAT_EQ(print.scaleY, 3.0f);

    FontColor colour;
    colour.red = 0.25f;
    colour.green = 0.5f;
    colour.blue = 0.75f;
    text.setColor(colour);
    const TextPrint fromRecord = text.layout(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(fromRecord.red, 0.25f);
    EXPECT_FLOAT_EQ(fromRecord.green, 0.5f);
    EXPECT_FLOAT_EQ(fromRecord.blue, 0.75f);
}
