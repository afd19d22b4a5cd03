#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/cApp.h"

class CButton;
class CCheckBox;
class CProgressBar;
class CTexture;
class CWindow;

// A small tour of the engine's GUI for programmers: a window dragged by its
// title bar, holding the menu buttons, a power button that charges a
// progress bar, two check boxes, a static text as its title and tooltips;
// beside it an information console. Every control that fires prints its
// number on the console. Escape or the Quit button ends it.
class GuiDemo : public cApp {
public:
    GuiDemo();
    ~GuiDemo() override;

    // Opens a 1024 x 768 window and builds the GUI; false when no window
    // could be opened.
    virtual bool init();
    virtual void run();
    virtual void render();

    // Control numbers, as the engine test application's sample GUI uses them.
    enum Control { START = 1, OPTIONS = 2, CREDITS = 3, QUIT_BUTTON = 4, POWER = 5, SHOW_BAR = 986, TOOLTIPS = 987 };

private:
    void buildConsole();
    void buildMainWindow();
    std::shared_ptr<CButton> addButton(const std::string& prefix, unsigned int frames, int x, int y, Control id,
                                       const std::string& tooltip);
    std::shared_ptr<CCheckBox> addCheckBox(int x, int y, Control id, const std::string& tooltip);
    // Reacts to the control that fired this frame, if any.
    void handle(int control);
    void setTooltipsEnabled(bool enabled);
    void printConsole();
    void printWindowLabels();

    std::unique_ptr<CTexture> sky;
    std::unique_ptr<CTexture> hills;
    std::unique_ptr<CWindow> console;
    std::unique_ptr<CWindow> window;
    std::vector<std::shared_ptr<CButton>> buttons;
    std::shared_ptr<CCheckBox> showBar;
    std::shared_ptr<CCheckBox> tooltips;
    std::unique_ptr<CProgressBar> bar;
    int lastControl = -1;
    bool showFps = true;
    bool quit = false;
};
