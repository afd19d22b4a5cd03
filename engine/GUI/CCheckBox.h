#pragma once
#include <memory>
#include <string>

#include "GUI/PointerState.h"
#include "GUI/SpriteControl.h"
#include "GUI/Tooltip.h"

class CSprite;

// A box with two animated looks, unchecked and checked, toggled by a click.
// It highlights and fires like a button (the hit area is always the
// unchecked look's frame 0) and flips its state in the frame of the click;
// the other look shows from the next frame on. Its position is that of its
// two sprites, which share one position object and so always move together.
class CCheckBox {
public:
    // At (0, 0) with no images.
    CCheckBox();
    CCheckBox(const std::string& offPrefix, unsigned int offFrames, const std::string& onPrefix, unsigned int onFrames,
              float x, float y, int eventId);
    virtual ~CCheckBox();
    CCheckBox(const CCheckBox&) = delete;
    CCheckBox& operator=(const CCheckBox&) = delete;

    virtual void setPosition(float x, float y);
    virtual float getX() const;
    virtual float getY() const;
    virtual void setChecked(bool flag);
    // Hit test and images at the position.
    virtual void draw();
    // Hit test at position + (x, y), images at (x, y) itself.
    virtual void drawAt(float x, float y);
    // Hit test and images at position + (dx, dy): the form windows use.
    virtual void drawOffset(float dx, float dy);
    // drawOffset with the frame's pointer state already read (by a window
    // drawing all its children).
    void drawOffset(float dx, float dy, const PointerState& pointer);
    // The hit test at position + (dx, dy); a click fires the event and
    // toggles the box.
    virtual bool isMouseOver(float dx, float dy);
    // The frame's event is a left-button press.
    virtual bool isClicked() const;
    virtual void setClickable(bool flag);
    virtual void setHovered(bool flag);
    // The two integers are accepted and not used.
    virtual void setTooltip(const std::string& text, int unused1, const FontColor& colour, float x, float y,
                            int unused2);
    virtual void setTooltipEnabled(bool flag);
    // Resizes every frame of both looks.
    virtual void setSize(int width, int height);
    virtual float getWidth() const;
    virtual float getHeight() const;
    virtual void setX(float x);
    virtual void setY(float y);

    bool isChecked() const { return checked; }
    bool isHovered() const { return control.isHovered(); }
    int getEventId() const { return control.getEventId(); }
    const Tooltip& getTooltip() const { return control.getTooltip(); }
    // The input step of one draw, as for a button.
    ClickDecision decide(const PointerState& pointer, float dx, float dy) const;

private:
    void drawBody(float hitDx, float hitDy, const CVector2& at, const PointerState& pointer);
    // Both looks' position.
    CVector2& position() const;

    std::unique_ptr<CSprite> offSprite;
    std::unique_ptr<CSprite> onSprite;
    bool checked = false;
    SpriteControl control;
};
