#include "EngineTestApp.h"

// Runs the engine test application until the user presses Escape or closes
// the window.
int main(int, char**) {
    EngineTestApp app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
