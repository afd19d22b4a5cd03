#include "GUI/CCheckBox.h"

#include "GUI/SpriteWidget.h"
#include "scene2d/CSprite.h"

CCheckBox::CCheckBox() : offSprite(std::make_unique<CSprite>()), onSprite(std::make_unique<CSprite>()) {
    onSprite->setPosition(offSprite->getPosition());
}

CCheckBox::CCheckBox(const std::string& offPrefix, unsigned int offFrames, const std::string& onPrefix,
                     unsigned int onFrames, float x, float y, int eventId)
    : offSprite(std::make_unique<CSprite>(offPrefix, offFrames, x, y)),
      onSprite(std::make_unique<CSprite>(onPrefix, onFrames, x, y)),
      control(eventId) {
    onSprite->setPosition(offSprite->getPosition());
    control.setTooltipPosition(x, y);
}

CCheckBox::~CCheckBox() = default;

CVector2& CCheckBox::position() const { return *offSprite->getPosition(); }

void CCheckBox::setPosition(float x, float y) { position() = CVector2(x, y); }

float CCheckBox::getX() const { return position().x; }

float CCheckBox::getY() const { return position().y; }

void CCheckBox::setChecked(bool flag) { checked = flag; }

void CCheckBox::draw() { drawBody(0.0f, 0.0f, position(), PointerState::current()); }

void CCheckBox::drawAt(float x, float y) { drawBody(x, y, CVector2(x, y), PointerState::current()); }

void CCheckBox::drawOffset(float dx, float dy) { drawOffset(dx, dy, PointerState::current()); }

void CCheckBox::drawOffset(float dx, float dy, const PointerState& pointer) {
    drawBody(dx, dy, position() + CVector2(dx, dy), pointer);
}

void CCheckBox::drawBody(float hitDx, float hitDy, const CVector2& at, const PointerState& pointer) {
    // The look is chosen before the hit test, so a click shows from the next frame.
    CSprite& look = checked ? *onSprite : *offSprite;
    if (control.draw(look, *offSprite, position() + CVector2(hitDx, hitDy), at, pointer))
        checked = !checked;
}

ClickDecision CCheckBox::decide(const PointerState& pointer, float dx, float dy) const {
    return control.decide(*offSprite, position() + CVector2(dx, dy), pointer);
}

bool CCheckBox::isMouseOver(float dx, float dy) {
    const ClickDecision decision = control.hitTest(*offSprite, position() + CVector2(dx, dy), PointerState::current());
    if (decision.fires)
        checked = !checked;
    return decision.over;
}

bool CCheckBox::isClicked() const { return SpriteControl::isClicked(); }

void CCheckBox::setClickable(bool flag) { control.setClickable(flag); }

void CCheckBox::setHovered(bool flag) { control.setHovered(flag); }

void CCheckBox::setTooltip(const std::string& text, int, const FontColor& colour, float x, float y, int) {
    control.setTooltip(text, colour, x, y);
}

void CCheckBox::setTooltipEnabled(bool flag) { control.setTooltipEnabled(flag); }

void CCheckBox::setSize(int width, int height) {
    for (CSprite* look : {offSprite.get(), onSprite.get()})
        SpriteWidget::resizeFrames(*look, static_cast<float>(width), static_cast<float>(height));
}

float CCheckBox::getWidth() const { return SpriteWidget::size(*offSprite).x; }

float CCheckBox::getHeight() const { return SpriteWidget::size(*offSprite).y; }

void CCheckBox::setX(float x) { position().x = x; }

void CCheckBox::setY(float y) { position().y = y; }
