#include "GuiDemo.h"

// Runs the GUI demo until the user presses Escape, clicks Quit or closes the window.
int main(int, char**) {
    GuiDemo app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
