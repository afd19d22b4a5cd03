#pragma once
#include <SDL.h>

// Key codes are SDL 1.2's key symbols, used unchanged as indices of the
// event manager's key table (0 to KEY_TABLE_SIZE - 1). The arrows carry an
// ARROW infix because eEvents already owns the name KEY_DOWN.
enum eKey {
    KEY_BACKSPACE = SDLK_BACKSPACE,
    KEY_TAB = SDLK_TAB,
    KEY_RETURN = SDLK_RETURN,
    KEY_ESCAPE = SDLK_ESCAPE,
    KEY_SPACE = SDLK_SPACE,
    KEY_0 = SDLK_0,
    KEY_1 = SDLK_1,
    KEY_2 = SDLK_2,
    KEY_3 = SDLK_3,
    KEY_a = SDLK_a,
    KEY_d = SDLK_d,
    KEY_q = SDLK_q,
    KEY_s = SDLK_s,
    KEY_w = SDLK_w,
    KEY_ARROW_UP = SDLK_UP,
    KEY_ARROW_DOWN = SDLK_DOWN,
    KEY_ARROW_RIGHT = SDLK_RIGHT,
    KEY_ARROW_LEFT = SDLK_LEFT,
    KEY_TABLE_SIZE = 400
};
