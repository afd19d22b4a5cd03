#include <gtest/gtest.h>

#include <cstdint>

#include "runtime/EngineClock.h"
#include "scene2d/CSprite.h"

namespace {
// No such files: every frame is an empty texture, all the clock needs.
const char* const kMissing = "Data/no-such-dir/frame";

class SpriteClock : public ::testing::Test {
protected:
    void SetUp() override {
        EngineClock::setSource([this] { return now; });
    }
    void TearDown() override { EngineClock::setSource({}); }

    // Moves time on by ms, runs one looping or one-shot clock step and
    // returns the frame shown next.
    unsigned int step(CSprite& sprite, std::uint32_t ms, bool loop = true) {
        now += ms;
        loop ? sprite.animate() : sprite.animateOnce();
        return sprite.getCurrentFrame();
    }

    std::uint32_t now = 1000;
};
}  // namespace

// A change needs strictly more than the period since the last change, and
// happens at most once per call however long the pause.
TEST_F(SpriteClock, ChangesAfterMoreThanThePeriod) {
    CSprite sprite(kMissing, 3, 0.0f, 0.0f);
    EXPECT_EQ(step(sprite, 50), 1u);
    EXPECT_EQ(step(sprite, 1), 2u);
    EXPECT_EQ(step(sprite, 50), 2u);
    EXPECT_EQ(step(sprite, 10000), 3u);
    sprite.setFramesPerSecond(3);  // 333.3 ms
    EXPECT_EQ(step(sprite, 333), 3u);
    EXPECT_EQ(step(sprite, 1), 1u);
}

TEST_F(SpriteClock, LoopWrapsOnceStops) {
    CSprite looping(kMissing, 3, 0.0f, 0.0f);
    CSprite once(kMissing, 3, 0.0f, 0.0f);
    for (unsigned int expected : {2u, 3u, 1u, 2u})
        EXPECT_EQ(step(looping, 51), expected);
    for (unsigned int expected : {2u, 3u, 3u})
        EXPECT_EQ(step(once, 51, false), expected);
    once.reset();
    EXPECT_EQ(step(once, 51, false), 2u);
}

// Rate 0 never changes the frame; the tick counter wrapping past 2^32 still
// counts as time passing; sprites without frames draw nothing and survive.
TEST_F(SpriteClock, ZeroRateWrapAndMissingFrames) {
    CSprite frozen(kMissing, 2, 0.0f, 0.0f);
    frozen.setFramesPerSecond(0);
    EXPECT_EQ(step(frozen, 100000), 1u);
    EXPECT_EQ(step(frozen, 100000, false), 1u);

    now = 0xFFFFFFF0u;
    CSprite wrapping(kMissing, 2, 0.0f, 0.0f);
    EXPECT_EQ(step(wrapping, 0x40), 2u);

    EXPECT_EQ(wrapping.getFrame(2), nullptr);
    wrapping.drawFrame(7);
    CSprite empty;  // no frames, current frame 0 until reset()
    empty.draw();
    empty.drawOnce(3.0f, 4.0f);
    EXPECT_EQ(empty.getFrameCount(), 0u);
}
