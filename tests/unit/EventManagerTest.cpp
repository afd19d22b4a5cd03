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
        SDL_Event stale;
        while (SDL_PollEvent(&stale)) {
        }
    }
    void TearDown() override { SDL_Quit(); }

    static void push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 0); }
    static void pushKey(Uint8 type, int sym) {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.sym = static_cast<SDLKey>(sym);
        push(event);
    }
    static void pushButton(Uint8 type, Uint8 button) {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        push(event);
    }
    CEventManager events;
};
}  // namespace

TEST_F(EventManagerTest, BurstIsTakenOneEventPerFrameInOrder) {
    pushKey(SDL_KEYDOWN, SDLK_a);
    pushKey(SDL_KEYUP, SDLK_a);
    pushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);

    events.pollEvent();
    EXPECT_TRUE(events.hasEvent());
    EXPECT_EQ(events.getEvent().type, SDL_KEYDOWN);
    EXPECT_TRUE(events.isEvent(KEY_DOWN));
    EXPECT_TRUE(events.isKeyDown(KEY_a));
    EXPECT_FALSE(events.isLeftButtonDown());

    events.pollEvent();
    EXPECT_TRUE(events.hasEvent());
    EXPECT_TRUE(events.isEvent(NO_EVENT)) << "a key release has no event kind";
    EXPECT_FALSE(events.isKeyDown(KEY_a));

    events.pollEvent();
    EXPECT_TRUE(events.isEvent(LEFT_BUTTON_DOWN));
    EXPECT_TRUE(events.isLeftButtonDown());

    events.pollEvent();
    EXPECT_FALSE(events.hasEvent());
    EXPECT_TRUE(events.isEvent(NO_EVENT));
    EXPECT_TRUE(events.isLeftButtonDown()) << "buttons are held until released";
}

TEST_F(EventManagerTest, KeysStayHeldAcrossQuietFrames) {
    pushKey(SDL_KEYDOWN, SDLK_LEFT);
    events.pollEvent();
    events.pollEvent();
    events.pollEvent();
    EXPECT_TRUE(events.isKeyDown(KEY_ARROW_LEFT));
    EXPECT_FALSE(events.isKeyDown(KEY_ARROW_RIGHT));
    pushKey(SDL_KEYUP, SDLK_LEFT);
    events.pollEvent();
    EXPECT_FALSE(events.isKeyDown(KEY_ARROW_LEFT));
}

TEST_F(EventManagerTest, QuitCountsOnlyInItsFrame) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    push(quit);
    events.pollEvent();
    EXPECT_TRUE(events.isEvent(QUIT));
    events.pollEvent();
    EXPECT_TRUE(events.isEvent(NO_EVENT));
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
        pushButton(step.type, step.button);
        events.pollEvent();
        SCOPED_TRACE(static_cast<int>(step.button));
        EXPECT_TRUE(events.hasEvent());
        EXPECT_TRUE(events.isEvent(step.kind));
        EXPECT_EQ(events.isLeftButtonDown(), step.left);
        EXPECT_EQ(events.isRightButtonDown(), step.right);
    }
}

TEST_F(EventManagerTest, KeyCodesOutsideTableAreIgnored) {
    pushKey(SDL_KEYDOWN, KEY_TABLE_SIZE);
    pushKey(SDL_KEYDOWN, 100000);
    events.pollEvent();
    EXPECT_TRUE(events.isEvent(NO_EVENT));
    events.pollEvent();
    EXPECT_TRUE(events.hasEvent());
    EXPECT_FALSE(events.isKeyDown(static_cast<eKey>(KEY_TABLE_SIZE)));
    EXPECT_FALSE(events.isKeyDown(static_cast<eKey>(-1)));
    EXPECT_FALSE(events.isKeyDown(static_cast<eKey>(100000)));
}

TEST_F(EventManagerTest, ClickedControlLastsUntilNextPoll) {
    events.setClickedControl(7);
    EXPECT_EQ(events.getClickedControl(), 7);
    events.pollEvent();
    EXPECT_EQ(events.getClickedControl(), -1);
}

TEST_F(EventManagerTest, MouseMovementIsMeasuredBetweenFrames) {
    events.warpMouse(10, 20);
    events.pollEvent();
    EXPECT_TRUE(events.mouseMoved());
    EXPECT_EQ(events.getMouseX(), 10);
    EXPECT_EQ(events.getMouseY(), 20);
    events.warpMouse(13, 15);
    events.pollEvent();
    EXPECT_EQ(events.getMouseDeltaX(), 3);
    EXPECT_EQ(events.getMouseDeltaY(), -5);
    pushKey(SDL_KEYDOWN, SDLK_SPACE);
    events.pollEvent();
    EXPECT_TRUE(events.hasEvent());
    EXPECT_FALSE(events.mouseMoved());
    EXPECT_EQ(events.getMouseDeltaX(), 0);
}
