#include "testParallax.h"

// Runs the parallax demo until the user presses Escape or closes the window.
int main(int, char**) {
    testParallax app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
