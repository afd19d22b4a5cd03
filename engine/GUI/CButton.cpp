#include "GUI/CButton.h"

#include "GUI/SpriteWidget.h"
#include "scene2d/CSprite.h"

CButton::CButton() : sprite(std::make_unique<CSprite>()) {}

CButton::CButton(const std::string& prefix, unsigned int frameCount, float x, float y, int eventId)
    : control(eventId) {
    *position = CVector2(x, y);
    loadImages(prefix, frameCount);
}

CButton::~CButton() = default;

void CButton::loadImages(const std::string& prefix, unsigned int frameCount) {
    control.setClickable(true);
    control.setHovered(false);
    sprite = std::make_unique<CSprite>(prefix, frameCount, 0.0f, 0.0f);
}

void CButton::draw() { drawBody(0.0f, 0.0f, *position, PointerState::current()); }

void CButton::drawHitOffset(float dx, float dy) { drawBody(dx, dy, *position, PointerState::current()); }

void CButton::drawOffset(float dx, float dy) { drawOffset(dx, dy, PointerState::current()); }

void CButton::drawOffset(float dx, float dy, const PointerState& pointer) {
    drawBody(dx, dy, *position + CVector2(dx, dy), pointer);
}

void CButton::drawBody(float hitDx, float hitDy, const CVector2& at, const PointerState& pointer) {
    control.draw(*sprite, *sprite, *position + CVector2(hitDx, hitDy), at, pointer);
}

ClickDecision CButton::decide(const PointerState& pointer, float dx, float dy) const {
    return control.decide(*sprite, *position + CVector2(dx, dy), pointer);
}

bool CButton::isMouseOver(float dx, float dy) {
    return control.hitTest(*sprite, *position + CVector2(dx, dy), PointerState::current()).over;
}

void CButton::setClickable(bool flag) { control.setClickable(flag); }

void CButton::setHovered(bool flag) { control.setHovered(flag); }

void CButton::setTooltip(const std::string& text, int, const FontColor& colour, float x, float y, int) {
    control.setTooltip(text, colour, x, y);
}

void CButton::setTooltipEnabled(bool flag) { control.setTooltipEnabled(flag); }

CTexture* CButton::getFrame(unsigned int index) const { return sprite->getFrame(index); }

void CButton::setX(float x) { position->x = x; }

void CButton::setY(float y) { position->y = y; }

void CButton::setSize(int width, int height) {
    SpriteWidget::resizeFrames(*sprite, static_cast<float>(width), static_cast<float>(height));
}

float CButton::getWidth() const { return SpriteWidget::size(*sprite).x; }

float CButton::getHeight() const { return SpriteWidget::size(*sprite).y; }

void CButton::setFramesPerSecond(unsigned int rate) { sprite->setFramesPerSecond(rate); }

float CButton::getX() const { return position->x; }

float CButton::getY() const { return position->y; }

std::shared_ptr<CVector2> CButton::getPosition() const { return position; }

bool CButton::isClicked() const { return SpriteControl::isClicked(); }
