#include "GUI/PointerState.h"

#include <SDL.h>

#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"

PointerState PointerState::from(const CEventManager& events) {
    PointerState state;
    state.x = events.getMouseX();
    state.y = events.getMouseY();
    state.dx = events.getMouseDeltaX();
    state.dy = events.getMouseDeltaY();
    state.eventTaken = events.hasEvent();
    const SDL_Event event = events.getEvent();
    // Releases, motion and the other buttons never click.
    state.leftPress = state.eventTaken && event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT;
    state.leftDown = events.isLeftButtonDown();
    return state;
}

PointerState PointerState::current() {
    return EngineGlobals::eventManager ? from(*EngineGlobals::eventManager) : PointerState{};
}

bool PointerState::isOver(float left, float top, float width, float height) const {
    const float mx = static_cast<float>(x);
    const float my = static_cast<float>(y);
    return left <= mx && mx <= left + width && top <= my && my <= top + height;
}

ClickDecision PointerState::click(float left, float top, float width, float height, bool clickable) const {
    const bool over = isOver(left, top, width, height);
    return {over, over && clickable && leftPress};
}
