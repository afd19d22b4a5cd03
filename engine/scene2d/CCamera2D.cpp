#include "scene2d/CCamera2D.h"

CCamera2D::CCamera2D(float x, float y) : position(x, y) {}

void CCamera2D::increaseX(float d) { position.x += d; }

void CCamera2D::decreaseX(float d) { position.x -= d; }

void CCamera2D::increaseY(float d) { position.y += d; }

void CCamera2D::decreaseY(float d) { position.y -= d; }

void CCamera2D::move(float dx, float dy) { position += CVector2(dx, dy); }

void CCamera2D::setPosition(float x, float y) { position = CVector2(x, y); }

void CCamera2D::setPosition(const CVector2& newPosition) { position.set(newPosition); }

CVector2& CCamera2D::getPosition() { return position; }
