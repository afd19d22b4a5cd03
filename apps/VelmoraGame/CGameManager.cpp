#include "CGameManager.h"

CGameManager::CGameManager(std::unique_ptr<CPixelBuffer> newField)
    : field(newField ? std::move(newField) : std::make_unique<CPixelBuffer>()) {
    field->init(FIELD_SIZE, FIELD_SIZE);
    head.setPosition(0, static_cast<int>(FIELD_SIZE / 2));
    field->paint(head.getPosition(), CPixelBuffer::TRAIL);
}

void CGameManager::update() {
    field->paint(head.getPosition(), CPixelBuffer::TRAIL);
    if (trail.tryAddPoint(head.getPosition())) {
        // Ran into its own trail: back to the last edge, and the trail is lost.
        head.restorePosition();
        field->clearTrail(trail);
        return;
    }
    if (!isHeadOnBorder())
        return;
    // The trail is kept after a fill, so later fills see it again.
    field->fillRows(trail, head);
    field->fillColumns(trail, head);
    head.savePosition();
    head.setLastBorder(field->getLastBorder());
}

bool CGameManager::isHeadOnBorder() { return field->isOnBorder(head.getPosition()); }

void CGameManager::moveLeft() {
    head.decreaseX();
    update();
}

void CGameManager::moveRight() {
    head.increaseX();
    update();
}

void CGameManager::moveUp() {
    head.increaseY();
    update();
}

void CGameManager::moveDown() {
    head.decreaseY();
    update();
}

void CGameManager::draw() { field->draw(); }

void CGameManager::steer(bool left, bool right, bool up, bool down) {
    if (left + right + up + down != 1)
        return;
    if (left) {
        moveLeft();
    } else if (right) {
        moveRight();
    } else if (up) {
        moveUp();
    } else {
        moveDown();
    }
}
