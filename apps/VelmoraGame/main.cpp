#include "VelmoraGameMain.h"

// Runs the picture-claim game until the user presses Escape or closes the window.
int main(int, char**) {
    VelmoraGameMain app;
    if (!app.init())
        return 1;
    app.run();
    return 0;
}
