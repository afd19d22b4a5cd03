#pragma once
#include <memory>
#include <string>

#include "Basic/CVector2.h"
#include "GUI/PointerState.h"
#include "GUI/SpriteControl.h"
#include "GUI/Tooltip.h"

class CSprite;
class CTexture;

// An animated image that fires its event number when clicked. While the
// mouse is over it the sprite plays its frames once (a highlight), otherwise
// it shows frame 0. A click is a left-button press taken in the frame the
// button is drawn with the mouse over it; the button then hands its event
// number to the event manager's setClickedControl. The position is relative
// to the window when the button sits in one.
class CButton {
public:
    // At (0, 0) with no images until loadImages.
    CButton();
    // Frames prefix + "1.png" ... prefix + "<frameCount>.png"; the size is
    // frame 0's.
    CButton(const std::string& prefix, unsigned int frameCount, float x, float y, int eventId);
    virtual ~CButton();
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    virtual void loadImages(const std::string& prefix, unsigned int frameCount);
    // Hit test and images at the position.
    virtual void draw();
    // Hit test at position + (dx, dy), images at the position.
    virtual void drawHitOffset(float dx, float dy);
    // Hit test and images at position + (dx, dy): the form windows use.
    virtual void drawOffset(float dx, float dy);
    // drawOffset with the frame's pointer state already read (by a window
    // drawing all its children).
    void drawOffset(float dx, float dy, const PointerState& pointer);
    // The hit test on frame 0's area at position + (dx, dy); fires the event
    // when the button is clicked.
    virtual bool isMouseOver(float dx, float dy);
    virtual void setClickable(bool flag);
    virtual void setHovered(bool flag);
    // The two integers are accepted and not used.
    virtual void setTooltip(const std::string& text, int unused1, const FontColor& colour, float x, float y,
                            int unused2);
    virtual void setTooltipEnabled(bool flag);
    // Null when there is no such frame.
    virtual CTexture* getFrame(unsigned int index) const;
    virtual void setX(float x);
    virtual void setY(float y);
    // Resizes every frame the button draws; its size is frame 0's.
    virtual void setSize(int width, int height);
    virtual float getWidth() const;
    virtual float getHeight() const;
    virtual void setFramesPerSecond(unsigned int rate);
    virtual float getX() const;
    virtual float getY() const;
    virtual std::shared_ptr<CVector2> getPosition() const;
    // The frame's event is a left-button press.
    virtual bool isClicked() const;

    // The input step of one draw: whether the mouse is over the button with
    // its hit area moved by (dx, dy), and whether it fires.
    ClickDecision decide(const PointerState& pointer, float dx, float dy) const;
    bool isHovered() const { return control.isHovered(); }
    int getEventId() const { return control.getEventId(); }
    const Tooltip& getTooltip() const { return control.getTooltip(); }

private:
    void drawBody(float hitDx, float hitDy, const CVector2& at, const PointerState& pointer);

    std::shared_ptr<CVector2> position = std::make_shared<CVector2>();
    std::unique_ptr<CSprite> sprite;  // no frames until images are loaded
    SpriteControl control;
};
