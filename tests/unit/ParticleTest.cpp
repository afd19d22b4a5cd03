#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "particles/CParticleRandom.h"
#include "particles/CParticleSystem.h"
#include "particles/CRainParticlesystem.h"
#include "support/ManualClock.h"

namespace {
constexpr std::uint32_t kSeed = 1234;

void expectVec(const CVector3& v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}

// The test sets the frame time by hand.
class ParticleTest : public testing::Test {
protected:
    void setFrameTime(std::uint32_t ms) { clock.setFrameTime(ms); }

    ManualClock clock{5000};
};
}  // namespace

TEST(ParticleRandom, RangesCoverMinimumPlusOneToMaximum) {
    CParticleRandom random(kSeed);
    const auto drawn = [](auto draw) {  // distinct values of many draws
        std::set<float> values;
        for (int i = 0; i < 3000; ++i)
            values.insert(draw());
        return values;
    };
    const auto velocities = drawn([&] { return random.axis(0u, 30u, 1000.0f); });
    EXPECT_EQ(velocities.size(), 30u);
    EXPECT_FLOAT_EQ(*velocities.begin(), 0.001f);
    EXPECT_FLOAT_EQ(*velocities.rbegin(), 0.030f);
    const auto offsets = drawn([&] { return random.axis(-10, 10, 100.0f); });  // signed minimum
    EXPECT_EQ(offsets.size(), 20u);
    EXPECT_FLOAT_EQ(*offsets.begin(), -0.09f);
    EXPECT_FLOAT_EQ(*offsets.rbegin(), 0.10f);
    EXPECT_EQ(drawn([&] { return random.life(1, 14); }), (std::set<float>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    const auto heights = drawn([&] { return random.height(150.0f, 0.0f); });
    EXPECT_EQ(heights.size(), 150u);
    EXPECT_EQ(*heights.begin(), 1.0f);
    EXPECT_EQ(*heights.rbegin(), 150.0f);
}

// Equal bounds use no random number; the degenerate life and height ranges
// used to divide by zero.
TEST(ParticleRandom, EqualAndDegenerateRanges) {
    CParticleRandom random(kSeed);
    EXPECT_EQ(random.axis(7, 7, 100.0f), 7.0f);  // not divided
    EXPECT_EQ(random.axis(0u, 0u, 0.0f), 0.0f);
    EXPECT_EQ(random.height(12.5f, 12.5f), 12.5f);
    EXPECT_EQ(random.next(), CParticleRandom(kSeed).next());
    EXPECT_EQ(random.life(5, 5), 5.0f);
    EXPECT_EQ(random.life(10, 3), 10.0f);
    EXPECT_EQ(random.height(0.5f, 0.0f), 0.5f);
    EXPECT_EQ(random.height(2.0f, 10.0f), 2.0f);
}

// The demo's configuration.
TEST_F(ParticleTest, FountainSpawnsWithinItsRanges) {
    CParticleSystem fountain;
    fountain.setPosition(56, 20, 0);
    fountain.setLifeRange(1, 14);
    fountain.setColor(1.0f, 0.4f, 0.0f, 0.0f);
    fountain.setSpawnRangeX(0, 15, 15.0f);
    fountain.setSpawnRangeZ(0, 15, 15.0f);
    fountain.setVelocityRangeY(100, 180, 10.0f);
    fountain.setRandomSeed(kSeed);
    fountain.emit(50);
    fountain.emit(50);
    ASSERT_EQ(fountain.getParticleCount(), 100);
    EXPECT_EQ(fountain.getParticle(100), nullptr);
    EXPECT_EQ(fountain.getParticle(-1), nullptr);
    for (int i = 0; i < 100; ++i) {
        const CParticle& p = *fountain.getParticle(i);
        const CVector3 pos = p.getPosition();
        EXPECT_TRUE(pos.x > 56.0f && pos.x <= 57.0f && pos.z > 0.0f && pos.z <= 1.0f) << i;
        EXPECT_EQ(pos.y, 20.0f);
        EXPECT_EQ(p.getVelocity().x, 0.0f);
        EXPECT_TRUE(p.getVelocity().y >= 10.09f && p.getVelocity().y <= 18.0f) << i;
        EXPECT_TRUE(p.getLife() >= 2.0f && p.getLife() <= 14.0f) << i;
        EXPECT_EQ(p.getColor(), (std::array<float, 4>{1.0f, 0.4f, 0.0f, 0.0f}));
    }
}

// Alpha is the share of the life left, so particles fade out as they age.
TEST_F(ParticleTest, FadingFollowsTheRemainingShareOfLife) {
    setFrameTime(600);
    CParticle p;
    p.setLife(8);
    p.updateFaded({}, {});
    EXPECT_FLOAT_EQ(p.getColor()[3], 1.0f);
    p.updateFaded({}, {});
    EXPECT_FLOAT_EQ(p.getColor()[3], 0.25f);
    p.setLife(0);
    p.updateFaded({}, {});
    EXPECT_FLOAT_EQ(p.getColor()[3], 0.1f);
    EXPECT_EQ(p.getColor()[0], 1.0f);
}

// Force and gravity act over the frame time and life drops by 10 per second;
// a particle that is dead at the start of a frame respawns in place.
TEST_F(ParticleTest, StepMovesAgesAndRespawnsDeadParticles) {
    CParticleSystem fountain;
    fountain.setPosition(56, 20, 0);
    fountain.setSpawnRangeX(0, 0, 1.0f);
    fountain.setSpawnRangeZ(0, 0, 1.0f);
    fountain.setVelocityRangeY(4, 4, 1.0f);
    fountain.setLifeRange(20, 20);
    fountain.setColor(0, 1, 0, 1);
    fountain.setForce(2, 0, 0);
    fountain.setGravity(2);
    fountain.emit(1);
    CParticle& p = *fountain.getParticle(0);
    setFrameTime(500);
    fountain.step(p);
    expectVec(p.getVelocity(), 1, 3, 0);
    expectVec(p.getPosition(), 56.5f, 21.5f, 0);
    EXPECT_FLOAT_EQ(p.getLife(), 15.0f);

    p.setPosition(500, 500, 500);
    p.setLife(1);
    setFrameTime(100);
    fountain.step(p);  // alive at the start of the frame, 0 after it
    EXPECT_FLOAT_EQ(p.getLife(), 0.0f);
    EXPECT_GT(p.getPosition().x, 500.0f);
    setFrameTime(0);
    fountain.step(p);
    EXPECT_EQ(fountain.getParticleCount(), 1);
    expectVec(p.getPosition(), 56, 20, 0);
    expectVec(p.getVelocity(), 0, 4, 0);
    EXPECT_EQ(p.getLife(), 20.0f);
    EXPECT_EQ(p.getColor()[1], 1.0f);
}

TEST_F(ParticleTest, RainDropsStartBetweenBottomAndTop) {
    CRainParticlesystem rain;
    rain.setPosition(10, 5, -10);
    rain.setSpawnRangeX(0, 150, 1.0f);
    rain.setSpawnRangeZ(0, 150, 1.0f);
    rain.setVelocity(0, -90.08f, 0);
    rain.setRandomSeed(kSeed);
    rain.createDrops(300, 150.0f, 0.0f);
    ASSERT_EQ(rain.getDropCount(), 300);
    for (int i = 0; i < 300; ++i) {
        const CVector3 pos = rain.getDrop(i)->getPosition();
        EXPECT_TRUE(pos.x >= 11 && pos.x <= 160 && pos.z >= -9 && pos.z <= 140) << i;
        EXPECT_TRUE(pos.y >= 6 && pos.y <= 155) << i;
        EXPECT_FLOAT_EQ(rain.getDrop(i)->getVelocity().y, -90.08f);
    }
    EXPECT_EQ(rain.getDrop(300), nullptr);
}

// A drop at or below the bottom goes back to the top, keeping the overshoot;
// life never recycles a drop.
TEST_F(ParticleTest, RainWrapsAndFalls) {
    CRainParticlesystem rain;
    rain.setPosition(0, 10, 0);
    rain.setForce(0, -4, 0);
    rain.createDrops(1, 30.0f, 0.0f);
    CParticle& drop = *rain.getDrop(0);
    drop.setPosition(3, -0.5f, 4);
    setFrameTime(0);
    rain.stepDrop(drop);
    expectVec(drop.getPosition(), 3, 39.5f, 4);
    drop.setPosition(3, 0.0f, 4);
    rain.stepDrop(drop);
    EXPECT_FLOAT_EQ(drop.getPosition().y, 40.0f);

    drop.setPosition(0, 20, 0);
    drop.setLife(0);
    setFrameTime(500);
    rain.stepDrop(drop);
    EXPECT_FLOAT_EQ(drop.getVelocity().y, -2.0f);
    EXPECT_FLOAT_EQ(drop.getPosition().y, 19.0f);
    EXPECT_FLOAT_EQ(drop.getColor()[3], 0.5f);  // never faded
}
