#include "GUI/CCheckBox.h"

#include "GUI/SpriteWidget.h"
#include "graphics/CTexture.h"
#include "scene2d/CSprite.h"

CCheckBox::CCheckBox() : offSprite(std::make_unique<CSprite>()), onSprite(std::make_unique<CSprite>()) {}

CCheckBox::CCheckBox(const std::string& offPrefix, unsigned int offFrames, const std::string& onPrefix,
                     unsigned int onFrames, float x, float y, int eventId)
    : offSprite(std::make_unique<CSprite>(offPrefix, offFrames, x, y)),
      onSprite(std::make_unique<CSprite>(onPrefix, onFrames, x, y)),
      eventId(eventId) {
    tooltip.setPosition(x, y);
}

CCheckBox::~CCheckBox() = default;

void CCheckBox::setPosition(float x, float y) {
    offSprite->setPosition(x, y);
    onSprite->setPosition(x, y);
}

float CCheckBox::getX() const { return offSprite->getPosition()->x; }

float CCheckBox::getY() const { return offSprite->getPosition()->y; }

void CCheckBox::setChecked(bool flag) { checked = flag; }

void CCheckBox::draw() { drawBody(0.0f, 0.0f, *offSprite->getPosition()); }

void CCheckBox::drawAt(float x, float y) { drawBody(x, y, CVector2(x, y)); }

void CCheckBox::drawOffset(float dx, float dy) { drawBody(dx, dy, *offSprite->getPosition() + CVector2(dx, dy)); }

void CCheckBox::drawBody(float hitDx, float hitDy, const CVector2& at) {
    if (!visible)
        return;
    // The look is chosen before the hit test, so a click shows from the next frame.
    CSprite& look = checked ? *onSprite : *offSprite;
    hovered = isMouseOver(hitDx, hitDy);
    SpriteWidget::highlight(look, hovered, at, tooltip);
}

ClickDecision CCheckBox::decide(const PointerState& pointer, float dx, float dy) const {
    return SpriteWidget::decide(*offSprite, getX() + dx, getY() + dy, pointer, clickable);
}

bool CCheckBox::isMouseOver(float dx, float dy) {
    const ClickDecision decision = decide(PointerState::current(), dx, dy);
    if (SpriteWidget::report(decision, eventId))
        checked = !checked;
    return decision.over;
}

bool CCheckBox::isClicked() const { return PointerState::current().leftPress; }

void CCheckBox::setClickable(bool flag) { clickable = flag; }

void CCheckBox::setHovered(bool flag) { hovered = flag; }

void CCheckBox::setTooltip(const std::string& text, int, const FontColor& colour, float x, float y, int) {
    tooltip.set(text, colour, x, y);
}

void CCheckBox::setTooltipEnabled(bool flag) { tooltip.setEnabled(flag); }

void CCheckBox::setSize(int width, int height) {
    for (CSprite* look : {offSprite.get(), onSprite.get()})
        SpriteWidget::resizeFrames(*look, static_cast<float>(width), static_cast<float>(height));
}

float CCheckBox::getWidth() const {
    const CTexture* first = offSprite->getFrame(0);
    return first ? first->getWidth() : 0.0f;
}

float CCheckBox::getHeight() const {
    const CTexture* first = offSprite->getFrame(0);
    return first ? first->getHeight() : 0.0f;
}

void CCheckBox::setX(float x) {
    offSprite->setX(x);
    onSprite->setX(x);
}

void CCheckBox::setY(float y) {
    offSprite->setY(y);
    onSprite->setY(y);
}
