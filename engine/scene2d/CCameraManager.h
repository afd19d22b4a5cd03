#pragma once
#include <memory>
#include <vector>

#include "Basic/CVector2.h"

class CCamera2D;

// Registry of the 2D cameras. It keeps a reference to each variable that
// holds a camera (usually an application field) and reads through it every
// time, so putting a new camera into that variable replaces the registered
// one. Once per frame apply() offsets the current matrix by the active
// camera's position. The manager owns neither the variables nor the cameras.
class CCameraManager {
public:
    CCameraManager() = default;
    virtual ~CCameraManager() = default;
    CCameraManager(const CCameraManager&) = delete;
    CCameraManager& operator=(const CCameraManager&) = delete;

    // The variable must outlive the manager's use of it; the new camera
    // becomes the active one.
    virtual void addCamera(std::unique_ptr<CCamera2D>& cameraVariable);
    // Ignored when index is not below the number of cameras.
    virtual void setActiveCamera(unsigned int index);
    // glTranslatef by the active camera's position, on top of the current
    // matrix (no identity, no push).
    virtual void apply();
    virtual void increaseX(float d);
    virtual void decreaseX(float d);
    virtual void increaseY(float d);
    virtual void decreaseY(float d);
    // Throw std::out_of_range when there is no such camera.
    virtual CVector2& getActivePosition();
    virtual CVector2& getCameraPosition(unsigned int index);
    virtual void move(float dx, float dy);

    unsigned int getCount() const;
    unsigned int getActiveIndex() const;

private:
    // The camera at index, or null when there is none (also when its
    // variable has been emptied).
    CCamera2D* cameraAt(unsigned int index) const;
    CCamera2D* activeCamera() const;

    std::vector<std::unique_ptr<CCamera2D>*> cameras;
    unsigned int active = 0;
};
