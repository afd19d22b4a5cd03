#include "input/CEventManager.h"

#include <algorithm>
#include <cstddef>

namespace {
bool inKeyTable(int code) { return code >= 0 && code < KEY_TABLE_SIZE; }

Uint16 toMouseCoordinate(int value) { return static_cast<Uint16>(std::clamp(value, 0, 0xFFFF)); }
}  // namespace

void CEventManager::pollEvent() {
    updateMouse();
    clickedControl = -1;
    eventKind = NO_EVENT;
    eventTaken = SDL_PollEvent(&event) == 1;
    if (eventTaken)
        takeEvent();
}

// Only one event per frame: a burst delays later changes by a frame each.
void CEventManager::takeEvent() {
    switch (event.type) {
    case SDL_KEYDOWN:
        setKey(event.key.keysym.sym, true);
        break;
    case SDL_KEYUP:
        setKey(event.key.keysym.sym, false);
        break;
    case SDL_MOUSEBUTTONDOWN:
        setButton(event.button.button, true);
        break;
    case SDL_MOUSEBUTTONUP:
        setButton(event.button.button, false);
        break;
    case SDL_QUIT:
        eventKind = QUIT;
        break;
    default:
        break;
    }
}

// Symbols beyond the table are ignored entirely, not just left unstored.
void CEventManager::setKey(int code, bool down) {
    if (!inKeyTable(code))
        return;
    keyState[static_cast<std::size_t>(code)] = down;
    if (down)
        eventKind = KEY_DOWN;
}

// Only the left and right buttons count; middle button and wheel are ignored.
void CEventManager::setButton(Uint8 button, bool down) {
    if (button == SDL_BUTTON_LEFT) {
        leftButton = down;
        eventKind = down ? LEFT_BUTTON_DOWN : LEFT_BUTTON_UP;
    } else if (button == SDL_BUTTON_RIGHT) {
        rightButton = down;
        eventKind = down ? RIGHT_BUTTON_DOWN : RIGHT_BUTTON_UP;
    }
}

SDL_Event CEventManager::getEvent() const { return event; }

bool CEventManager::hasEvent() const { return eventTaken; }

void CEventManager::updateMouse() {
    prevMouseX = mouseX;
    prevMouseY = mouseY;
    SDL_GetMouseState(&mouseX, &mouseY);
}

// SDL takes unsigned coordinates; a negative one would wrap to the far edge.
void CEventManager::warpMouse(int x, int y) { SDL_WarpMouse(toMouseCoordinate(x), toMouseCoordinate(y)); }

bool CEventManager::mouseMoved() const { return mouseX != prevMouseX || mouseY != prevMouseY; }

int CEventManager::getMouseX() const { return mouseX; }

int CEventManager::getMouseY() const { return mouseY; }

int CEventManager::getMouseDeltaX() const { return mouseX - prevMouseX; }

int CEventManager::getMouseDeltaY() const { return mouseY - prevMouseY; }

int CEventManager::getClickedControl() const { return clickedControl; }

void CEventManager::setClickedControl(int id) { clickedControl = id; }

bool CEventManager::isKeyDown(eKey key) const {
    const int code = static_cast<int>(key);
    return inKeyTable(code) && keyState[static_cast<std::size_t>(code)];
}

bool CEventManager::isLeftButtonDown() const { return leftButton; }

bool CEventManager::isRightButtonDown() const { return rightButton; }

bool CEventManager::isEvent(eEvents kind) const { return eventKind == kind; }
