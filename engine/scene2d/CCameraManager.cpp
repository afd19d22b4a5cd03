#include "scene2d/CCameraManager.h"

#include <GL/glew.h>

#include <stdexcept>
#include <string>

#include "scene2d/CCamera2D.h"

void CCameraManager::addCamera(std::unique_ptr<CCamera2D>& cameraVariable) {
    cameras.push_back(&cameraVariable);
    active = getCount() - 1;
}

void CCameraManager::setActiveCamera(unsigned int index) {
    if (index < getCount())
        active = index;
}

void CCameraManager::apply() {
    if (CCamera2D* camera = activeCamera()) {
        const CVector2& p = camera->getPosition();
        glTranslatef(p.x, p.y, 0.0f);
    }
}

void CCameraManager::increaseX(float d) {
    if (CCamera2D* camera = activeCamera())
        camera->increaseX(d);
}

void CCameraManager::decreaseX(float d) {
    if (CCamera2D* camera = activeCamera())
        camera->decreaseX(d);
}

void CCameraManager::increaseY(float d) {
    if (CCamera2D* camera = activeCamera())
        camera->increaseY(d);
}

void CCameraManager::decreaseY(float d) {
    if (CCamera2D* camera = activeCamera())
        camera->decreaseY(d);
}

CVector2& CCameraManager::getActivePosition() { return getCameraPosition(active); }

CVector2& CCameraManager::getCameraPosition(unsigned int index) {
    CCamera2D* camera = cameraAt(index);
    if (!camera)
        throw std::out_of_range("No 2D camera at index " + std::to_string(index) + " (" + std::to_string(getCount()) +
                                " registered)");
    return camera->getPosition();
}

void CCameraManager::move(float dx, float dy) {
    if (CCamera2D* camera = activeCamera())
        camera->move(dx, dy);
}

unsigned int CCameraManager::getCount() const { return static_cast<unsigned int>(cameras.size()); }

unsigned int CCameraManager::getActiveIndex() const { return active; }

CCamera2D* CCameraManager::cameraAt(unsigned int index) const {
    return index < getCount() ? cameras[index]->get() : nullptr;
}

CCamera2D* CCameraManager::activeCamera() const { return cameraAt(active); }
