#include "Models/PlacedModel.h"

void PlacedModel::setPosition(float x, float y, float z) {
    position = {x, y, z};
    updateBounds();
}

CVector3 PlacedModel::getPosition() const { return position; }

void PlacedModel::setRotation(float degrees) {
    angle = degrees;
    updateBounds();
}

float PlacedModel::getRotation() const { return angle; }

void PlacedModel::setScale(float x, float y, float z) {
    scale = {x, y, z};
    updateBounds();
}

void PlacedModel::drawShadowStencil() {
    stencilPass([this] { drawShadowVolume(); });
}

CVector3 PlacedModel::getBoundingMin() const { return boundsMin; }

CVector3 PlacedModel::getBoundingMax() const { return boundsMax; }
