#pragma once
#include <memory>
#include <string>
#include <vector>

#include "Basic/CVector2.h"
#include "GUI/PointerState.h"
#include "GUI/Tooltip.h"

class CButton;
class CCheckBox;
class CStaticText;
class CTexture;

// What a window makes of the mouse in one frame.
struct WindowDecision {
    bool overTitleBar = false;
    bool dragging = false;  // the window follows the mouse motion this frame
};

// A rectangle on the screen (y grows downwards) holding images, buttons,
// check boxes and static texts placed relative to its top-left corner. A
// draggable window moves with the mouse while its title bar (a strip along
// the top edge) is held with the left button, and asks for the move cursor
// while the mouse is over that strip (the window manager switches it).
// Children are shared: whoever made one may keep its own reference.
class CWindow {
public:
    // All zero, hidden, no children, id -1, title bar 15 pixels.
    CWindow();
    // The background is images[0], fitted into the window: cut down to the
    // window where it is larger, or drawn at the window's size when stretch
    // is set. A missing file leaves an empty image that draws nothing.
    CWindow(int left, int top, int right, int bottom, const std::string& backgroundPath, bool stretch, float alpha,
            int titleBarHeight, int id, bool draggable);
    virtual ~CWindow();
    CWindow(const CWindow&) = delete;
    CWindow& operator=(const CWindow&) = delete;

    // Buttons and check boxes are moved inside the right and bottom edges.
    virtual void addButton(std::shared_ptr<CButton> button);
    virtual void addButton(const std::string& prefix, unsigned int frameCount, int x, int y, int eventId);
    virtual void addCheckBox(std::shared_ptr<CCheckBox> checkBox);
    virtual void addCheckBox(const std::string& offPrefix, unsigned int offFrames, const std::string& onPrefix,
                             unsigned int onFrames, int x, int y, int eventId);
    // The texture's own position is its offset in the window.
    virtual void addImage(std::shared_ptr<CTexture> image);
    virtual void addImage(const std::string& path, int x, int y, float alpha);
    virtual void addStaticText(std::shared_ptr<CStaticText> text);
    // The contents with (dx, dy) in place of the window's corner; no
    // dragging, no tooltip. Nothing while hidden.
    virtual void drawOffset(float dx, float dy);
    // The frame's work: dragging and tooltip, then the contents, all from
    // one reading of the pointer.
    virtual void update();
    // Activating also shows the window.
    virtual void setActive(bool flag);
    // Hiding also deactivates the window.
    virtual void setVisible(bool flag);
    virtual void setRect(int left, int top, int right, int bottom);
    // The title-bar test (edges inclusive); a draggable window also switches
    // between the move cursor and the normal one.
    virtual bool isMouseOverTitleBar();
    virtual void drawTooltip();
    // Moves the window by the mouse motion of this frame.
    virtual void drag();
    virtual void setDraggable(bool flag);
    virtual bool isVisible() const;
    virtual bool isActive() const;
    virtual int getId() const;
    // The two integers are accepted and not used.
    virtual void setTooltip(const std::string& text, int unused1, const FontColor& colour, float x, float y,
                            int unused2);
    virtual void setTooltipEnabled(bool flag);

    float getLeft() const { return left; }
    float getTop() const { return top; }
    float getRight() const { return right; }
    float getBottom() const { return bottom; }
    bool isDraggable() const { return draggable; }
    bool isDragging() const { return dragging; }
    const Tooltip& getTooltip() const { return tooltip; }
    // A draggable window whose title bar had the mouse or that was being
    // dragged in its last update().
    bool wantsMoveCursor() const;
    // The input step of update(): the title-bar test and whether a drag runs.
    // A drag starts on a frame whose event finds the left button held over
    // the title bar and ends once the button is up.
    WindowDecision decide(const PointerState& pointer) const;

    // Where a child at `at` goes so it does not stick out past the right or
    // bottom edge of a window of the given size (it may still start left of
    // or above the window).
    static CVector2 fitChild(const CVector2& at, const CVector2& childSize, const CVector2& windowSize);
    // The size a background is drawn at in a window of the given size.
    static CVector2 fitBackground(const CVector2& imageSize, const CVector2& windowSize, bool stretch);

private:
    void drawContents(float dx, float dy, const PointerState& pointer);
    void moveBy(int dx, int dy);
    void showMoveCursor(bool over);
    CVector2 size() const;

    float top = 0.0f;
    float right = 0.0f;
    float bottom = 0.0f;
    float left = 0.0f;
    bool active = false;
    bool visible = false;
    bool draggable = false;
    std::vector<std::shared_ptr<CButton>> buttons;
    std::vector<std::shared_ptr<CTexture>> images;
    std::vector<std::shared_ptr<CCheckBox>> checkBoxes;
    std::vector<std::shared_ptr<CStaticText>> staticTexts;
    int id = -1;
    int titleBarHeight = 15;
    bool dragging = false;
    bool overTitleBar = false;  // as found by the last update()
    Tooltip tooltip;
};
