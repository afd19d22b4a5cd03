#include <gtest/gtest.h>

#include <memory>

#include "graphics/CTexture.h"
#include "scene2d/CGameObject2D.h"
#include "scene2d/CSprite.h"

namespace {
// A one-frame sprite whose (missing) frame reports the given size.
std::shared_ptr<CSprite> spriteOfSize(float width, float height) {
    auto sprite = std::make_shared<CSprite>("Data/no-such-dir/frame", 1, 0.0f, 0.0f);
    sprite->getFrame(0)->setWidth(width);
    sprite->getFrame(0)->setHeight(height);
    return sprite;
}
}  // namespace

// move() steps speed along the normalized direction; moveToward normalizes
// the caller's vector in place.
TEST(GameObject2D, Movement) {
    CGameObject2D object;
    object.setSpeed(2.0f);
    object.move();
    EXPECT_FLOAT_EQ(object.getPosition()->y, 2.0f);

    CVector2 toward(3.0f, 4.0f);
    object.moveToward(toward, 10.0f);
    EXPECT_FLOAT_EQ(object.getPosition()->x, 6.0f);
    EXPECT_FLOAT_EQ(object.getPosition()->y, 10.0f);
    EXPECT_FLOAT_EQ(toward.x, 0.6f);
    EXPECT_FLOAT_EQ(toward.y, 0.8f);
}

// The box takes the size of the last added sprite's first frame (empty for
// a sprite without frames); sprite indices past the end are ignored.
TEST(GameObject2D, BoxAndSprites) {
    CGameObject2D object;
    object.setPosition(7.0f, 8.0f);
    auto first = spriteOfSize(16.0f, 16.0f);
    object.addSprite(first);
    object.addSprite(spriteOfSize(64.0f, 32.0f));
    const CBoundingBox2D& box = object.getBoundingBox();
    EXPECT_FLOAT_EQ(box.getWidth(), 64.0f);
    EXPECT_FLOAT_EQ(box.getHeight(), 32.0f);
    EXPECT_FLOAT_EQ(box.getFirstCorner().x, 7.0f);
    EXPECT_FLOAT_EQ(box.getSecondCorner().y, 32.0f);

    object.setCurrentSprite(2);
    EXPECT_EQ(object.getCurrentSpriteIndex(), 0u);
    object.setCurrentSprite(1);
    EXPECT_EQ(object.getCurrentSpriteIndex(), 1u);
    object.setFramesPerSecond(-1, 5);
    object.setFramesPerSecond(1, 7);
    object.setFramesPerSecond(9, 8);
    EXPECT_EQ(first->getFramesPerSecond(), 5u);

    object.addSprite(std::make_shared<CSprite>());
    EXPECT_FLOAT_EQ(box.getWidth(), 0.0f);
}
