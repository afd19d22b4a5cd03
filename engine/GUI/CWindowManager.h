#pragma once
#include <memory>
#include <vector>

class CWindow;

// The registered GUI windows, drawn once per frame by the engine in the 2D
// pass. It keeps a reference to each variable that holds a window (usually
// an application field) and reads through it every time; it owns neither.
// Windows are drawn in registration order, so a later window covers an
// earlier one, and every window sees the same input: a click over two
// overlapping windows reaches both, the one drawn last leaving its number.
class CWindowManager {
public:
    CWindowManager() = default;
    virtual ~CWindowManager() = default;
    CWindowManager(const CWindowManager&) = delete;
    CWindowManager& operator=(const CWindowManager&) = delete;

    // update() on every visible window. With several draggable windows the
    // move cursor shows while any of them wants it, not only the last one.
    virtual void drawAll();
    // The variable must outlive the manager's use of it; an emptied
    // variable is skipped.
    virtual void addWindow(std::unique_ptr<CWindow>& windowVariable);
    // Deactivates every window; visibility is unchanged.
    virtual void deactivateAll();
    // Activates (and shows) every window with this id.
    virtual void activateById(int id);

    unsigned int getCount() const;

private:
    std::vector<std::unique_ptr<CWindow>*> windows;
};
