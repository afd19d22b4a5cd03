#pragma once

class CEventManager;

// What one widget makes of the mouse in this frame.
struct ClickDecision {
    bool over = false;   // the mouse is over the widget
    bool fires = false;  // ... and the frame's event is a left-button press on a clickable widget
};

// What the GUI reads from the event manager in one frame. Widgets take it
// once and decide from it with plain functions, so the decisions run in
// tests without SDL or a window.
struct PointerState {
    int x = 0;  // mouse position in window pixels
    int y = 0;
    int dx = 0;  // mouse motion since the last frame
    int dy = 0;
    bool eventTaken = false;  // an SDL event was taken this frame
    bool leftPress = false;   // that event is a left-button press
    bool leftDown = false;    // the left button is held

    static PointerState from(const CEventManager& events);
    // The engine's event manager; all quiet while there is none.
    static PointerState current();

    // Inclusive on all four edges: a 150-wide box at x 100 takes 100 to 250.
    bool isOver(float left, float top, float width, float height) const;
    ClickDecision click(float left, float top, float width, float height, bool clickable) const;
};
