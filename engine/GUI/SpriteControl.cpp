#include "GUI/SpriteControl.h"

#include "Basic/CVector2.h"
#include "GUI/SpriteWidget.h"

ClickDecision SpriteControl::decide(const CSprite& area, const CVector2& at, const PointerState& pointer) const {
    return SpriteWidget::decide(area, at.x, at.y, pointer, clickable);
}

ClickDecision SpriteControl::hitTest(const CSprite& area, const CVector2& at, const PointerState& pointer) const {
    const ClickDecision decision = decide(area, at, pointer);
    SpriteWidget::report(decision, eventId);
    return decision;
}

bool SpriteControl::draw(CSprite& look, const CSprite& area, const CVector2& hitAt, const CVector2& at,
                         const PointerState& pointer) {
    const ClickDecision decision = hitTest(area, hitAt, pointer);
    hovered = decision.over;
    SpriteWidget::highlight(look, hovered, at, tooltip);
    return decision.fires;
}

void SpriteControl::setTooltip(const std::string& text, const FontColor& colour, float x, float y) {
    tooltip.set(text, colour, x, y);
}
