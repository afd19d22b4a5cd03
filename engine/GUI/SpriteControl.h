#pragma once
#include <string>

#include "GUI/PointerState.h"
#include "GUI/Tooltip.h"

class CSprite;
class CVector2;

// The state and frame step buttons and check boxes share: an event number
// fired on a click, whether a click counts, whether the mouse was over the
// control in its last draw, and a tooltip. The control's sprites stay with
// its owner; they are handed in for each step.
class SpriteControl {
public:
    explicit SpriteControl(int eventId = -1) : eventId(eventId) {}

    // The input step over area's first frame at `at`.
    ClickDecision decide(const CSprite& area, const CVector2& at, const PointerState& pointer) const;
    // decide() that also hands the event number to the event manager when
    // the control fires.
    ClickDecision hitTest(const CSprite& area, const CVector2& at, const PointerState& pointer) const;
    // One draw: the hit test over area at hitAt, then look drawn at `at`
    // (highlighted while the mouse is over it). Returns whether it fired.
    bool draw(CSprite& look, const CSprite& area, const CVector2& hitAt, const CVector2& at,
              const PointerState& pointer);

    void setTooltip(const std::string& text, const FontColor& colour, float x, float y);
    void setTooltipEnabled(bool flag) { tooltip.setEnabled(flag); }
    void setTooltipPosition(float x, float y) { tooltip.setPosition(x, y); }
    void setClickable(bool flag) { clickable = flag; }
    void setHovered(bool flag) { hovered = flag; }
    bool isHovered() const { return hovered; }
    int getEventId() const { return eventId; }
    const Tooltip& getTooltip() const { return tooltip; }
    // The current frame's event is a left-button press.
    static bool isClicked() { return PointerState::current().leftPress; }

private:
    bool clickable = true;
    bool hovered = false;
    Tooltip tooltip;
    int eventId = -1;
};
