#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "scene2d/CCamera2D.h"
#include "scene2d/CCameraManager.h"

namespace {
void expectAt(const CVector2& p, float x, float y) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
}
}  // namespace

// The newest camera becomes active; older ones can be selected again, and
// indices past the end are ignored.
TEST(CameraManager, Activation) {
    CCameraManager manager;
    std::unique_ptr<CCamera2D> first = std::make_unique<CCamera2D>(1.0f, 1.0f);
    std::unique_ptr<CCamera2D> second = std::make_unique<CCamera2D>(2.0f, 2.0f);
    manager.addCamera(first);
    manager.addCamera(second);
    EXPECT_EQ(manager.getActiveIndex(), 1u);
    expectAt(manager.getActivePosition(), 2.0f, 2.0f);

    manager.setActiveCamera(0);
    expectAt(manager.getActivePosition(), 1.0f, 1.0f);
    manager.setActiveCamera(2);
    EXPECT_EQ(manager.getActiveIndex(), 0u);
    expectAt(manager.getCameraPosition(1), 2.0f, 2.0f);
}

// Movement reaches only the active camera, and nothing at all while no
// camera is registered; asking for a missing camera's position throws.
TEST(CameraManager, ForwardsToActiveCameraOnly) {
    CCameraManager manager;
    manager.increaseX(5.0f);
    manager.move(1.0f, 1.0f);
    EXPECT_THROW(manager.getActivePosition(), std::out_of_range);

    std::unique_ptr<CCamera2D> idle = std::make_unique<CCamera2D>();
    std::unique_ptr<CCamera2D> active = std::make_unique<CCamera2D>(10.0f, 20.0f);
    manager.addCamera(idle);
    manager.addCamera(active);
    manager.decreaseX(3.0f);
    manager.increaseX(3.0f);
    expectAt(active->getPosition(), 10.0f, 20.0f);
    manager.move(1.0f, 2.0f);
    manager.increaseY(0.5f);
    manager.decreaseY(1.0f);
    expectAt(active->getPosition(), 11.0f, 21.5f);
    expectAt(idle->getPosition(), 0.0f, 0.0f);
    EXPECT_THROW(manager.getCameraPosition(2), std::out_of_range);
}

// The manager reads through the registered variable: a camera put there
// later is the one moved, and an emptied variable is treated as no camera.
TEST(CameraManager, FollowsTheRegisteredVariable) {
    CCameraManager manager;
    std::unique_ptr<CCamera2D> camera = std::make_unique<CCamera2D>(1.0f, 1.0f);
    manager.addCamera(camera);
    camera = std::make_unique<CCamera2D>(50.0f, 60.0f);
    manager.move(1.0f, 1.0f);
    expectAt(manager.getActivePosition(), 51.0f, 61.0f);

    camera.reset();
    manager.move(1.0f, 1.0f);
    EXPECT_THROW(manager.getActivePosition(), std::out_of_range);
}

// setPosition copies: the camera keeps its own vector.
TEST(Camera2D, SetPositionCopies) {
    CCamera2D camera;
    CVector2 wanted(4.0f, -2.0f);
    camera.setPosition(wanted);
    wanted.x = 100.0f;
    expectAt(camera.getPosition(), 4.0f, -2.0f);
}
