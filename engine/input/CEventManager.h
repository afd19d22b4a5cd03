#pragma once
#include <SDL.h>

#include <array>

#include "input/Keys.h"
#include "runtime/EngineGlobals.h"

// Turns SDL's event queue into state the rest of the engine polls: held
// keys, mouse position and buttons, the kind of the frame's event and the
// GUI control activated this frame. pollEvent takes one event per frame.
class CEventManager {
public:
    CEventManager() = default;
    virtual ~CEventManager() = default;

    virtual void pollEvent();
    virtual SDL_Event getEvent() const;
    virtual bool hasEvent() const;
    virtual void updateMouse();
    virtual void warpMouse(int x, int y);
    virtual bool mouseMoved() const;
    virtual int getMouseX() const;
    virtual int getMouseY() const;
    virtual int getMouseDeltaX() const;
    virtual int getMouseDeltaY() const;
    virtual int getClickedControl() const;
    virtual void setClickedControl(int id);
    // Codes outside the key table read as not held.
    virtual bool isKeyDown(eKey key) const;
    virtual bool isLeftButtonDown() const;
    virtual bool isRightButtonDown() const;
    virtual bool isEvent(eEvents kind) const;

private:
    void takeEvent();
    void setKey(int code, bool down);
    void setButton(Uint8 button, bool down);

    SDL_Event event{};
    std::array<bool, KEY_TABLE_SIZE> keyState{};
    eEvents eventKind = NO_EVENT;
    bool eventTaken = false;
    int mouseX = 0;
    int mouseY = 0;
    int prevMouseX = 0;
    int prevMouseY = 0;
    bool leftButton = false;
    bool rightButton = false;
    int clickedControl = -1;
};
