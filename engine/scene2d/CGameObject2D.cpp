#include "scene2d/CGameObject2D.h"

#include "graphics/CTexture.h"
#include "scene2d/CSprite.h"

void CGameObject2D::addSprite(std::shared_ptr<CSprite> sprite) {
    if (sprite)
        append(std::move(sprite));
}

void CGameObject2D::addSprite(const std::string& prefix, unsigned int frameCount) {
    append(std::make_shared<CSprite>(prefix, frameCount, position->x, position->y));
}

void CGameObject2D::setPosition(std::shared_ptr<CVector2> shared) {
    if (shared)
        position = std::move(shared);
}

void CGameObject2D::setPosition(float x, float y) { *position = CVector2(x, y); }

std::shared_ptr<CVector2> CGameObject2D::getPosition() const { return position; }

void CGameObject2D::decreaseX(float d) { position->x -= d; }

void CGameObject2D::increaseX(float d) { position->x += d; }

void CGameObject2D::decreaseY(float d) { position->y -= d; }

void CGameObject2D::increaseY(float d) { position->y += d; }

void CGameObject2D::moveToward(CVector2& vector, float distance) {
    vector.normalize();
    position = std::make_shared<CVector2>(vector * distance + *position);
}

void CGameObject2D::move() { moveToward(*direction, speed); }

void CGameObject2D::setSpeed(float newSpeed) { speed = newSpeed; }

float CGameObject2D::getSpeed() const { return speed; }

void CGameObject2D::setVisible(bool flag) { visible = flag; }

bool CGameObject2D::isVisible() const { return visible; }

void CGameObject2D::draw() {
    if (CSprite* sprite = visibleSprite())
        sprite->draw(*position);
    drawBoundingBox();
}

void CGameObject2D::drawOnce() {
    if (CSprite* sprite = visibleSprite())
        sprite->drawOnce(*position);
}

void CGameObject2D::drawOnce(float, float) { drawOnce(); }

void CGameObject2D::setFramesPerSecond(int spriteIndex, unsigned int rate) {
    if (spriteIndex == -1) {
        for (const auto& sprite : sprites)
            sprite->setFramesPerSecond(rate);
    } else if (spriteIndex >= 0) {
        if (CSprite* sprite = spriteAt(static_cast<unsigned int>(spriteIndex)))
            sprite->setFramesPerSecond(rate);
    }
}

void CGameObject2D::resetSprite(unsigned int spriteIndex) {
    if (CSprite* sprite = spriteAt(spriteIndex))
        sprite->reset();
}

void CGameObject2D::resetCurrentSprite() { resetSprite(currentSprite); }

void CGameObject2D::setCurrentSprite(unsigned int index) {
    if (index < getSpriteCount())
        currentSprite = index;
}

void CGameObject2D::setDirection(std::shared_ptr<CVector2> shared) {
    if (shared)
        direction = std::move(shared);
}

void CGameObject2D::drawBoundingBox() { boundingBox.draw(*position); }

unsigned int CGameObject2D::getSpriteCount() const { return static_cast<unsigned int>(sprites.size()); }

unsigned int CGameObject2D::getCurrentSpriteIndex() const { return currentSprite; }

const CBoundingBox2D& CGameObject2D::getBoundingBox() const { return boundingBox; }

void CGameObject2D::append(std::shared_ptr<CSprite> sprite) {
    // The box takes the size of the new sprite's first frame; a sprite
    // without frames has nothing to measure and gives an empty box.
    const CTexture* first = sprite->getFrame(0);
    const CVector2 size = first ? CVector2(first->getWidth(), first->getHeight()) : CVector2();
    sprites.push_back(std::move(sprite));
    boundingBox.setCorners(*position, size);
    boundingBox.setSize(size.x, size.y);
}

CSprite* CGameObject2D::spriteAt(unsigned int index) const {
    return index < sprites.size() ? sprites[index].get() : nullptr;
}

CSprite* CGameObject2D::visibleSprite() const { return visible ? spriteAt(currentSprite) : nullptr; }
