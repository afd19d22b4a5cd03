#include "GuiDemo.h"

#include <GL/glew.h>
#include <SDL.h>

#include <cstdio>

#include "GUI/CButton.h"
#include "GUI/CCheckBox.h"
#include "GUI/CProgressBar.h"
#include "GUI/CStaticText.h"
#include "GUI/CWindow.h"
#include "GUI/CWindowManager.h"
#include "core/Engine.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CTexture.h"
#include "input/CEventManager.h"
#include "input/Keys.h"
#include "runtime/EngineGlobals.h"

namespace {
// Where tooltips print: the last line of the information console.
constexpr float kTooltipX = 10.0f;
constexpr float kTooltipY = 112.0f;
constexpr int kBarMaximum = 50;
constexpr unsigned int kCharge = 10;

const char* controlName(int control) {
    switch (control) {
    case GuiDemo::START:
        return "Start";
    case GuiDemo::OPTIONS:
        return "Options";
    case GuiDemo::CREDITS:
        return "Credits";
    case GuiDemo::QUIT_BUTTON:
        return "Quit";
    case GuiDemo::POWER:
        return "Power";
    case GuiDemo::SHOW_BAR:
        return "Show the progress bar";
    case GuiDemo::TOOLTIPS:
        return "Tooltips";
    default:
        return "none";
    }
}

FontColor gold() {
    FontColor colour;
    colour.red = 1.0f;
    colour.green = 0.86f;
    colour.blue = 0.45f;
    return colour;
}
}  // namespace

GuiDemo::GuiDemo() = default;
GuiDemo::~GuiDemo() = default;

bool GuiDemo::init() {
    CGraphicsCore& graphics = *EngineGlobals::graphicsCore;
    graphics.setDepthBits(16);
    graphics.setStencilBits(8);
    if (!EngineGlobals::engine->createWindow(1024, 768, 32, false, true))
        return false;
    graphics.setCaption("Kavor Engine GUI demo");
    graphics.setCursors("Data/MousePointer.png", "Data/moveWindow.png");
    EngineGlobals::fontManager->loadFont("Data/Font/fontDemo.tga");
    EngineGlobals::engine->setShowFps(showFps);
    sky = std::make_unique<CTexture>("Data/scroll/BackgroundCloud012.png");
    hills = std::make_unique<CTexture>("Data/scroll/Background03_big_alpha.png");
    buildConsole();
    buildMainWindow();
    bar = std::make_unique<CProgressBar>("Data/samplepbar.png", 312.0f, 700.0f, kBarMaximum);
    bar->increase(kCharge);
    std::printf("\n");
    std::fflush(stdout);
    return true;
}

// The information console: not draggable, no title bar. Registered first, so
// the main window covers it when dragged over it.
void GuiDemo::buildConsole() {
    console = std::make_unique<CWindow>(0, 0, 380, 140, "Data/informationConsol2.png", false, 0.9f, 0, 123, false);
    console->setVisible(true);
    EngineGlobals::windowManager->addWindow(console);
}

void GuiDemo::buildMainWindow() {
    window = std::make_unique<CWindow>(112, 170, 912, 610, "Data/Main2.png", false, 1.0f, 15, 111, true);
    window->setActive(true);
    window->setTooltip("Drag me by the title bar", 1, FontColor(), kTooltipX, kTooltipY, 1);
    auto title = std::make_shared<CStaticText>();
    title->setText(" Kavor GUI demo");
    title->setColor(gold());
    title->setFontType(FONT_NORMAL_BOLD);
    window->addStaticText(title);
    addButton("Data/MainMenuSample/Start", 2, 40, 50, START, "Start: empty the bar");
    addButton("Data/MainMenuSample/Options", 2, 40, 125, OPTIONS, "Options: frame rate on/off");
    addButton("Data/MainMenuSample/Credits", 2, 40, 200, CREDITS, "Credits: made with Kavor");
    addButton("Data/MainMenuSample/Quit", 2, 40, 275, QUIT_BUTTON, "Quit the demo");
    addButton("Data/Sprite/GombOn", 5, 250, 150, POWER, "Power: charge the bar by 10");
    showBar = addCheckBox(250, 60, SHOW_BAR, "Show or hide the bar");
    showBar->setChecked(true);
    tooltips = addCheckBox(250, 100, TOOLTIPS, "Tooltips on or off");
    tooltips->setChecked(true);
    EngineGlobals::windowManager->addWindow(window);
}

std::shared_ptr<CButton> GuiDemo::addButton(const std::string& prefix, unsigned int frames, int x, int y, Control id,
                                            const std::string& tooltip) {
    auto button = std::make_shared<CButton>(prefix, frames, static_cast<float>(x), static_cast<float>(y), id);
    button->setTooltip(tooltip, 1, FontColor(), kTooltipX, kTooltipY, 1);
    window->addButton(button);
    buttons.push_back(button);
    return button;
}

std::shared_ptr<CCheckBox> GuiDemo::addCheckBox(int x, int y, Control id, const std::string& tooltip) {
    auto box = std::make_shared<CCheckBox>("Data/checkOff", 1, "Data/checkIn", 1, static_cast<float>(x),
                                           static_cast<float>(y), id);
    box->setTooltip(tooltip, 1, FontColor(), kTooltipX, kTooltipY, 1);
    window->addCheckBox(box);
    return box;
}

void GuiDemo::run() {
    CEventManager& events = *EngineGlobals::eventManager;
    while (!quit) {
        render();
        handle(events.getClickedControl());
        if (events.hasEvent() && (events.isKeyDown(KEY_ESCAPE) || events.isEvent(QUIT)))
            return;
    }
}

void GuiDemo::handle(int control) {
    if (control < 0)
        return;
    lastControl = control;
    std::printf("Clicked control %d (%s)\n", control, controlName(control));
    std::fflush(stdout);
    switch (control) {
    case START:
        bar->setValue(0);
        break;
    case OPTIONS:
        showFps = !showFps;
        EngineGlobals::engine->setShowFps(showFps);
        break;
    case QUIT_BUTTON:
        quit = true;
        break;
    case POWER:
        bar->increase(kCharge);
        break;
    case TOOLTIPS:
        setTooltipsEnabled(tooltips->isChecked());
        break;
    default:
        break;
    }
}

void GuiDemo::setTooltipsEnabled(bool enabled) {
    window->setTooltipEnabled(enabled);
    for (const auto& button : buttons)
        button->setTooltipEnabled(enabled);
    showBar->setTooltipEnabled(enabled);
    tooltips->setTooltipEnabled(enabled);
}

void GuiDemo::render() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    sky->draw();
    hills->draw();
    // Drawn before the engine's step, so windows and the pointer go over it.
    if (showBar->isChecked())
        bar->draw();
    EngineGlobals::engine->render();
    printConsole();
    printWindowLabels();
    SDL_GL_SwapBuffers();
}

void GuiDemo::printConsole() {
    CFont* font = EngineGlobals::fontManager->getFont(1);
    if (!font)
        return;
    char line[64];
    if (lastControl < 0)
        std::snprintf(line, sizeof line, "Last control: none yet");
    else
        std::snprintf(line, sizeof line, "Last control: %d (%s)", lastControl, controlName(lastControl));
    font->print(10.0f, 30.0f, 0, 0.8f, 0.9f, 1.0f, line);
    std::snprintf(line, sizeof line, "Charge: %u / %d", bar->getValue(), kBarMaximum);
    font->print(10.0f, 54.0f, 0, 0.8f, 0.9f, 1.0f, line);
    font->print(10.0f, 78.0f, 0, 0.6f, 0.7f, 0.8f, "Escape quits.");
}

// Labels beside the check boxes and a help line, placed from the window's
// corner so they follow it when it is dragged.
void GuiDemo::printWindowLabels() {
    CFont* font = EngineGlobals::fontManager->getFont(2);
    if (!font || !window->isVisible())
        return;
    const float x = window->getLeft();
    const float y = window->getTop();
    font->print(x + 284.0f, y + 64.0f, 0, 1.0f, 1.0f, 1.0f, "Show the progress bar");
    font->print(x + 284.0f, y + 104.0f, 0, 1.0f, 1.0f, 1.0f, "Tooltips");
    font->print(x + 250.0f, y + 240.0f, 0, 0.85f, 0.9f, 1.0f, "Click a button: its number is printed");
    font->print(x + 250.0f, y + 262.0f, 0, 0.85f, 0.9f, 1.0f, "on the console. Power charges the bar.");
}
