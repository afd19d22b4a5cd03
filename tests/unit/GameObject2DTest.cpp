#include <gtest/gtest.h>

#include <memory>

#include "graphics/CTexture.h"
#include "scene2d/CGameObject2D.h"
#include "scene2d/CSprite.h"

namespace {
// A one-frame sprite whose frame reports the given size (the file does not
// exist; only the size matters here).
std::shared_ptr<CSprite> spriteOfSize(float width, float height) {
    auto sprite = std::make_shared<CSprite>("Data/no-such-dir/frame", 1, 0.0f, 0.0f);
    sprite->getFrame(0)->setWidth(width);
    sprite->getFrame(0)->setHeight(height);
    return sprite;
}

void expectAt(const CVector2& p, float x, float y) {
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
}
}  // namespace

// move() steps speed along the normalized direction; moveToward normalizes
// the caller's vector in place. Both put the object at a new vector.
TEST(GameObject2D, Movement) {
    CGameObject2D object;
    auto before = object.getPosition();
    object.setSpeed(2.0f);
    object.move();
    expectAt(*object.getPosition(), 0.0f, 2.0f);
    expectAt(*before, 0.0f, 0.0f);

    CVector2 toward(3.0f, 4.0f);
    object.moveToward(toward, 10.0f);
    expectAt(*object.getPosition(), 6.0f, 10.0f);
    expectAt(toward, 0.6f, 0.8f);

    auto heading = std::make_shared<CVector2>(-5.0f, 0.0f);
    object.setDirection(heading);
    object.move();
    expectAt(*object.getPosition(), 4.0f, 10.0f);
    expectAt(*heading, -1.0f, 0.0f);

    object.increaseX(1.0f);
    object.decreaseY(4.0f);
    expectAt(*object.getPosition(), 5.0f, 6.0f);
}

// The box takes the size of the last added sprite's first frame, with its
// first corner at the object's position.
TEST(GameObject2D, BoxFitsLastAddedSprite) {
    CGameObject2D object;
    object.setPosition(7.0f, 8.0f);
    object.addSprite(spriteOfSize(16.0f, 16.0f));
    object.addSprite(spriteOfSize(64.0f, 32.0f));
    const CBoundingBox2D& box = object.getBoundingBox();
    EXPECT_FLOAT_EQ(box.getWidth(), 64.0f);
    EXPECT_FLOAT_EQ(box.getHeight(), 32.0f);
    expectAt(box.getFirstCorner(), 7.0f, 8.0f);
    expectAt(box.getSecondCorner(), 64.0f, 32.0f);

    // A sprite without frames has nothing to measure: an empty box.
    object.addSprite(std::make_shared<CSprite>());
    EXPECT_FLOAT_EQ(box.getWidth(), 0.0f);
    EXPECT_EQ(object.getSpriteCount(), 3u);

    // Sprites made from file names start at the object's position.
    object.addSprite("Data/no-such-dir/frame", 1);
    EXPECT_EQ(object.getSpriteCount(), 4u);
}

// Sprite selection and per-sprite settings ignore indices past the end.
TEST(GameObject2D, SpriteSelectionAndRates) {
    CGameObject2D object;
    auto first = spriteOfSize(1.0f, 1.0f);
    auto second = spriteOfSize(1.0f, 1.0f);
    object.addSprite(first);
    object.addSprite(second);

    object.setCurrentSprite(2);
    EXPECT_EQ(object.getCurrentSpriteIndex(), 0u);
    object.setCurrentSprite(1);
    EXPECT_EQ(object.getCurrentSpriteIndex(), 1u);

    object.setFramesPerSecond(-1, 5);
    EXPECT_EQ(first->getFramesPerSecond(), 5u);
    EXPECT_EQ(second->getFramesPerSecond(), 5u);
    object.setFramesPerSecond(0, 7);
    object.setFramesPerSecond(9, 8);
    object.setFramesPerSecond(-2, 9);
    EXPECT_EQ(first->getFramesPerSecond(), 7u);
    EXPECT_EQ(second->getFramesPerSecond(), 5u);
}
