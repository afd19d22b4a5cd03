#include "CLineHead.h"

void CLineHead::setPosition(int x, int y) {
    position = CVector2(static_cast<float>(x), static_cast<float>(y));
    savedPosition = position;
}

void CLineHead::restorePosition() { position = savedPosition; }

void CLineHead::savePosition() { savedPosition = position; }

void CLineHead::decreaseX() { position.x -= step; }

void CLineHead::increaseX() { position.x += step; }

void CLineHead::decreaseY() { position.y -= step; }

void CLineHead::increaseY() { position.y += step; }
