#pragma once
#include "core/cApp.h"

// The program's application: a full-screen 1024 x 768 2D scene scrolled with
// the arrow keys or by pushing the mouse against a screen edge.
class testParallax : public cApp {
public:
    // Opens the window and loads the content; false when no window could be
    // opened, in which case the program must end.
    virtual bool init();
    virtual void run();
    virtual void render();
};
