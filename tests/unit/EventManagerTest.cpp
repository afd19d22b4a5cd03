#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "input/CEventManager.h"

namespace {
class EventManagerTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(64, 64, 0, SDL_SWSURFACE), nullptr) << SDL_GetError();
        for (SDL_Event stale; SDL_PollEvent(&stale);) {
        }
    }
    void TearDown() override { SDL_Quit(); }

    // Key symbol for key events, button number for mouse-button events.
    static void push(Uint8 type, int code = 0) {
        SDL_Event event{};
        event.type = type;
        if (type == SDL_KEYDOWN || type == SDL_KEYUP)
            event.key.keysym.sym = static_cast<SDLKey>(code);
        event.button.button = type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP ? code : 0;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
    CEventManager events;
};
}  // namespace

TEST_F(EventManagerTest, TakesOneEventPerFrameWithHeldKeys) {
    push(SDL_KEYDOWN, SDLK_LEFT);
    events.pollEvent();
    EXPECT_TRUE(events.isEvent(KEY_DOWN));
    EXPECT_EQ(events.getEvent().type, SDL_KEYDOWN);
    events.pollEvent();
    EXPECT_FALSE(events.hasEvent());
    EXPECT_TRUE(events.isEvent(NO_EVENT));
    EXPECT_TRUE(events.isKeyDown(KEY_ARROW_LEFT)) << "held across a quiet frame";

    push(SDL_KEYUP, SDLK_LEFT);  // a burst: one change per frame, in order
    push(SDL_QUIT);
    push(SDL_KEYDOWN, SDLK_q);
    events.pollEvent();
    EXPECT_TRUE(events.hasEvent() && events.isEvent(NO_EVENT));
    EXPECT_FALSE(events.isKeyDown(KEY_ARROW_LEFT));
    events.pollEvent();
    EXPECT_TRUE(events.isEvent(QUIT));
    EXPECT_FALSE(events.isKeyDown(KEY_q));
    events.pollEvent();
    EXPECT_FALSE(events.isEvent(QUIT));
    EXPECT_TRUE(events.isKeyDown(KEY_q));
}

TEST_F(EventManagerTest, OnlyLeftAndRightButtonsCount) {
    const struct {
        Uint8 type, button;
        eEvents kind;
        bool left, right;
    } steps[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, RIGHT_BUTTON_DOWN, false, true},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, LEFT_BUTTON_DOWN, true, true},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, NO_EVENT, true, true},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP, NO_EVENT, true, true},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_WHEELDOWN, NO_EVENT, true, true},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, LEFT_BUTTON_UP, false, true},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, RIGHT_BUTTON_UP, false, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(static_cast<int>(step.button));
        push(step.type, step.button);
        events.pollEvent();
        EXPECT_TRUE(events.isEvent(step.kind));
        EXPECT_EQ(events.isLeftButtonDown(), step.left);
        EXPECT_EQ(events.isRightButtonDown(), step.right);
    }
}

TEST_F(EventManagerTest, KeyCodesOutsideTableAreIgnored) {
    push(SDL_KEYDOWN, KEY_TABLE_SIZE);
    events.pollEvent();
    EXPECT_TRUE(events.hasEvent() && events.isEvent(NO_EVENT));
    for (int code : {-1, static_cast<int>(KEY_TABLE_SIZE), 100000})
        EXPECT_FALSE(events.isKeyDown(static_cast<eKey>(code))) << code;
}

TEST_F(EventManagerTest, ClickedControlAndMouseAreFrameState) {
    events.setClickedControl(7);
    events.warpMouse(10, 20);
    events.pollEvent();
    EXPECT_EQ(events.getClickedControl(), -1);
    EXPECT_TRUE(events.mouseMoved());
    events.warpMouse(13, 15);
    events.pollEvent();
    EXPECT_EQ(events.getMouseX(), 13);
    EXPECT_EQ(events.getMouseY(), 15);
    EXPECT_EQ(events.getMouseDeltaX(), 3);
    EXPECT_EQ(events.getMouseDeltaY(), -5);
    push(SDL_KEYDOWN, SDLK_SPACE);
    events.pollEvent();
    EXPECT_TRUE(events.hasEvent());
    EXPECT_FALSE(events.mouseMoved());
}
