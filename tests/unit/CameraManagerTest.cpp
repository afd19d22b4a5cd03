#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "scene2d/CCamera2D.h"
#include "scene2d/CCameraManager.h"

// The newest camera becomes active; older ones can be selected again, and
// indices past the end are ignored.
TEST(CameraManager, Activation) {
    CCameraManager manager;
    auto first = std::make_unique<CCamera2D>(1.0f, 1.0f);
    auto second = std::make_unique<CCamera2D>(2.0f, 2.0f);
    manager.addCamera(first);
    manager.addCamera(second);
    EXPECT_FLOAT_EQ(manager.getActivePosition().x, 2.0f);
    manager.setActiveCamera(0);
    manager.setActiveCamera(2);
    EXPECT_FLOAT_EQ(manager.getActivePosition().x, 1.0f);
    EXPECT_THROW(manager.getCameraPosition(2), std::out_of_range);
}

// Movement reaches the camera currently held in the active registered
// variable, and nothing while there is none.
TEST(CameraManager, Forwarding) {
    CCameraManager manager;
    manager.move(1.0f, 1.0f);
    EXPECT_THROW(manager.getActivePosition(), std::out_of_range);

    auto idle = std::make_unique<CCamera2D>();
    auto camera = std::make_unique<CCamera2D>(10.0f, 20.0f);
    manager.addCamera(idle);
    manager.addCamera(camera);
    manager.decreaseX(3.0f);
    manager.move(1.0f, 2.0f);
    manager.decreaseY(0.5f);
    EXPECT_FLOAT_EQ(camera->getPosition().x, 8.0f);
    EXPECT_FLOAT_EQ(camera->getPosition().y, 21.5f);
    EXPECT_FLOAT_EQ(idle->getPosition().x, 0.0f);

    camera = std::make_unique<CCamera2D>(50.0f, 60.0f);
    manager.increaseX(1.0f);
    EXPECT_FLOAT_EQ(manager.getActivePosition().x, 51.0f);
    camera.reset();
    manager.increaseY(1.0f);
    EXPECT_THROW(manager.getActivePosition(), std::out_of_range);
}
