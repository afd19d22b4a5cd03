#include "GUI/CWindowManager.h"

#include <algorithm>

#include "GUI/CWindow.h"
#include "graphics/CGraphicsCore.h"
#include "runtime/EngineGlobals.h"

void CWindowManager::drawAll() {
    bool anyDraggable = false;
    bool moveCursor = false;
    for (std::unique_ptr<CWindow>* variable : windows) {
        CWindow* window = variable->get();
        if (!window || !window->isVisible())
            continue;
        window->update();
        anyDraggable = anyDraggable || window->isDraggable();
        moveCursor = moveCursor || window->wantsMoveCursor();
    }
    // Switched once for all windows, so a later window without the mouse
    // does not turn off what an earlier one asked for.
    if (anyDraggable && EngineGlobals::graphicsCore)
        EngineGlobals::graphicsCore->useMoveCursor(moveCursor);
}

// A variable registered twice would be updated twice a frame, moving its
// window twice as far on a drag and firing its buttons twice.
void CWindowManager::addWindow(std::unique_ptr<CWindow>& windowVariable) {
    if (std::find(windows.begin(), windows.end(), &windowVariable) == windows.end())
        windows.push_back(&windowVariable);
}

void CWindowManager::deactivateAll() {
    for (std::unique_ptr<CWindow>* variable : windows)
        if (CWindow* window = variable->get())
            window->setActive(false);
}

void CWindowManager::activateById(int id) {
    for (std::unique_ptr<CWindow>* variable : windows)
        if (CWindow* window = variable->get(); window && window->getId() == id)
            window->setActive(true);
}

unsigned int CWindowManager::getCount() const { return static_cast<unsigned int>(windows.size()); }
