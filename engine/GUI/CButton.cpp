#include "GUI/CButton.h"

#include "GUI/SpriteWidget.h"
#include "graphics/CTexture.h"
#include "scene2d/CSprite.h"

CButton::CButton() : sprite(std::make_unique<CSprite>()) {}

CButton::CButton(const std::string& prefix, unsigned int frameCount, float x, float y, int eventId) : eventId(eventId) {
    *position = CVector2(x, y);
    loadImages(prefix, frameCount);
}

CButton::~CButton() = default;

void CButton::loadImages(const std::string& prefix, unsigned int frameCount) {
    clickable = true;
    hovered = false;
    sprite = std::make_unique<CSprite>(prefix, frameCount, 0.0f, 0.0f);
    const CTexture* first = sprite->getFrame(0);
    width = first ? first->getWidth() : 0.0f;
    height = first ? first->getHeight() : 0.0f;
}

void CButton::draw() { drawBody(0.0f, 0.0f, *position); }

void CButton::drawHitOffset(float dx, float dy) { drawBody(dx, dy, *position); }

void CButton::drawOffset(float dx, float dy) { drawBody(dx, dy, *position + CVector2(dx, dy)); }

void CButton::drawBody(float hitDx, float hitDy, const CVector2& at) {
    if (!visible)
        return;
    hovered = isMouseOver(hitDx, hitDy);
    SpriteWidget::highlight(*sprite, hovered, at, tooltip);
}

ClickDecision CButton::decide(const PointerState& pointer, float dx, float dy) const {
    return SpriteWidget::decide(*sprite, position->x + dx, position->y + dy, pointer, clickable);
}

bool CButton::isMouseOver(float dx, float dy) {
    const ClickDecision decision = decide(PointerState::current(), dx, dy);
    SpriteWidget::report(decision, eventId);
    return decision.over;
}

void CButton::setClickable(bool flag) { clickable = flag; }

void CButton::setHovered(bool flag) { hovered = flag; }

void CButton::setTooltip(const std::string& text, int, const FontColor& colour, float x, float y, int) {
    tooltip.set(text, colour, x, y);
}

void CButton::setTooltipEnabled(bool flag) { tooltip.setEnabled(flag); }

CTexture* CButton::getFrame(unsigned int index) const { return sprite->getFrame(index); }

void CButton::setX(float x) { position->x = x; }

void CButton::setY(float y) { position->y = y; }

void CButton::setSize(int newWidth, int newHeight) {
    width = static_cast<float>(newWidth);
    height = static_cast<float>(newHeight);
    SpriteWidget::resizeFrames(*sprite, width, height);
}

float CButton::getWidth() const { return width; }

float CButton::getHeight() const { return height; }

void CButton::setFramesPerSecond(unsigned int rate) { sprite->setFramesPerSecond(rate); }

float CButton::getX() const { return position->x; }

float CButton::getY() const { return position->y; }

std::shared_ptr<CVector2> CButton::getPosition() const { return position; }

bool CButton::isClicked() const { return PointerState::current().leftPress; }
