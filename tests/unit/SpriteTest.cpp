#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "core/EngineClock.h"
#include "graphics/CTexture.h"
#include "scene2d/CSprite.h"

namespace {
// No such files exist: every frame is an empty texture, which is all the
// frame clock needs.
const char* const kMissingPrefix = "Data/no-such-dir/frame";

class SpriteClock : public ::testing::Test {
protected:
    void SetUp() override {
        EngineClock::setSource([this] { return now; });
    }
    void TearDown() override { EngineClock::setSource({}); }

    // Moves the clock on by ms, then runs one clock step of the sprite.
    unsigned int stepLoop(CSprite& sprite, std::uint32_t ms) {
        now += ms;
        sprite.animate();
        return sprite.getCurrentFrame();
    }
    unsigned int stepOnce(CSprite& sprite, std::uint32_t ms) {
        now += ms;
        sprite.animateOnce();
        return sprite.getCurrentFrame();
    }

    std::uint32_t now = 1000;
};
}  // namespace

// The frame changes only once strictly more than the period has passed since
// the last change, and at most once per call however long the pause.
TEST_F(SpriteClock, FrameChangesAfterMoreThanThePeriod) {
    CSprite sprite(kMissingPrefix, 3, 0.0f, 0.0f);
    EXPECT_EQ(sprite.getFramesPerSecond(), 20u);
    EXPECT_EQ(stepLoop(sprite, 50), 1u);
    EXPECT_EQ(stepLoop(sprite, 1), 2u);
    EXPECT_EQ(stepLoop(sprite, 50), 2u);  // measured from the change, not the call
    EXPECT_EQ(stepLoop(sprite, 10000), 3u);

    // A fractional period: 3 frames per second is 333.3 ms.
    sprite.setFramesPerSecond(3);
    EXPECT_EQ(stepLoop(sprite, 333), 3u);
    EXPECT_EQ(stepLoop(sprite, 1), 1u);
}

// Looping wraps to the first frame; the one-shot clock stops on the last
// frame until reset.
TEST_F(SpriteClock, LoopWrapsAndOnceStops) {
    CSprite looping(kMissingPrefix, 3, 0.0f, 0.0f);
    const unsigned int loopSeen[] = {stepLoop(looping, 51), stepLoop(looping, 51),
                                     stepLoop(looping, 51), stepLoop(looping, 51)};
    EXPECT_EQ(loopSeen[0], 2u);
    EXPECT_EQ(loopSeen[1], 3u);
    EXPECT_EQ(loopSeen[2], 1u);
    EXPECT_EQ(loopSeen[3], 2u);

    CSprite once(kMissingPrefix, 3, 0.0f, 0.0f);
    EXPECT_EQ(stepOnce(once, 51), 2u);
    EXPECT_EQ(stepOnce(once, 51), 3u);
    EXPECT_EQ(stepOnce(once, 51), 3u);
    once.reset();
    EXPECT_EQ(once.getCurrentFrame(), 1u);
    EXPECT_EQ(stepOnce(once, 51), 2u);
}

// Rate 0 is an infinite period; the tick counter wrapping past 2^32 still
// counts as time passing.
TEST_F(SpriteClock, ZeroRateAndTickWrapAround) {
    CSprite frozen(kMissingPrefix, 2, 0.0f, 0.0f);
    frozen.setFramesPerSecond(0);
    EXPECT_EQ(stepLoop(frozen, 100000), 1u);
    EXPECT_EQ(stepOnce(frozen, 100000), 1u);

    now = 0xFFFFFFF0u;
    CSprite wrapping(kMissingPrefix, 2, 0.0f, 0.0f);
    EXPECT_EQ(stepLoop(wrapping, 0x40), 2u);  // 64 ms later, counter at 0x30
}

// The frame list: files 1..n of the prefix, frame indices from 0, nothing
// to draw (and no crash) for indices or frames that do not exist.
TEST_F(SpriteClock, FramesAndMissingFrames) {
    CSprite none(kMissingPrefix, 0, 0.0f, 0.0f);
    EXPECT_EQ(none.getFrame(0), nullptr);

    CSprite sprite(kMissingPrefix, 2, 0.0f, 0.0f);
    ASSERT_NE(sprite.getFrame(1), nullptr);
    EXPECT_EQ(sprite.getFrame(2), nullptr);
    EXPECT_EQ(sprite.getFrame(0)->getWidth(), 0.0f);
    sprite.drawFrame(7);
    EXPECT_EQ(sprite.getCurrentFrame(), 1u);

    // A default sprite has no frames and no frame count; its draws are safe
    // and reset() puts it on frame 1 of whatever loadFrames appended.
    CSprite empty;
    empty.draw();
    empty.drawOnce(3.0f, 4.0f);
    empty.loadFrames(kMissingPrefix, 2);
    EXPECT_EQ(empty.getFrameCount(), 0u);
    empty.reset();
    EXPECT_EQ(empty.getCurrentFrame(), 1u);
    EXPECT_NE(empty.getFrame(1), nullptr);
}

// setPosition(vector) shares the caller's vector; setPosition(x, y) then
// writes into it.
TEST_F(SpriteClock, SharedPosition) {
    CSprite sprite(kMissingPrefix, 0, 5.0f, 6.0f);
    EXPECT_FLOAT_EQ(sprite.getPosition()->x, 5.0f);
    auto mine = std::make_shared<CVector2>(1.0f, 2.0f);
    sprite.setPosition(mine);
    mine->x = 9.0f;
    EXPECT_FLOAT_EQ(sprite.getPosition()->x, 9.0f);
    sprite.setPosition(3.0f, 4.0f);
    sprite.setY(8.0f);
    EXPECT_FLOAT_EQ(mine->x, 3.0f);
    EXPECT_FLOAT_EQ(mine->y, 8.0f);
}
