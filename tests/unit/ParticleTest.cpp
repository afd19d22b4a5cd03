#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "core/CUtils.h"
#include "core/EngineClock.h"
#include "core/EngineGlobals.h"
#include "particles/CParticleRandom.h"
#include "particles/CParticleSystem.h"
#include "particles/CRainParticlesystem.h"
#include "scene3d/CCamera.h"

namespace {
constexpr std::uint32_t kSeed = 1234;

// Integer steps actually drawn, (value * divisor) rounded.
std::set<long> drawnSteps(CParticleRandom& random, int min, int max, float divisor, int draws) {
    std::set<long> steps;
    for (int i = 0; i < draws; ++i) steps.insert(std::lround(random.axis(min, max, divisor) * divisor));
    return steps;
}

std::set<long> closedRange(long first, long last) {
    std::set<long> all;
    for (long v = first; v <= last; ++v) all.insert(v);
    return all;
}

// Installs a utilities object and drives its frame time through the clock.
class ParticleTest : public testing::Test {
protected:
    void SetUp() override {
        CUtils::resetFrameClock();
        EngineGlobals::utils = &utils;
        setFrameTime(0);
    }
    void TearDown() override {
        EngineGlobals::utils = nullptr;
        EngineGlobals::camera = nullptr;
        EngineClock::setSource({});
        CUtils::resetFrameClock();
    }
    void setFrameTime(std::uint32_t ms) {
        EngineClock::setSource([this] { return now; });
        utils.updateFps();
        now += ms;
        utils.updateFps();
    }

    CUtils utils;
    std::uint32_t now = 5000;
};

// The demo's fountain, as both applications configure it.
void configureFountain(CParticleSystem& fountain) {
    fountain.setForce(0, 0, 0.1f);
    fountain.setPosition(56, 20, 0);
    fountain.setLifeRange(1, 14);
    fountain.setColor(0.1f, 0.1f, 0.1f, 0);
    fountain.setColor(1.0f, 0.4f, 0.0f, 0.0f);
    fountain.setSpawnRangeX(0, 15, 15.0f);
    fountain.setSpawnRangeZ(0, 15, 15.0f);
    fountain.setVelocityRangeY(100, 180, 10.0f);
    fountain.setGravity(0.00025f);
    fountain.setPointSize(50.0f);
    fountain.setRandomSeed(kSeed);
}
}  // namespace

TEST(ParticleRandom, RangesCoverMinimumPlusOneToMaximum) {
    CParticleRandom random(kSeed);
    EXPECT_EQ(drawnSteps(random, 0, 30, 1000.0f, 3000), closedRange(1, 30));      // 0.001 .. 0.030
    EXPECT_EQ(drawnSteps(random, -10, 10, 100.0f, 3000), closedRange(-9, 10));    // signed minimum
    std::set<float> lives;
    for (int i = 0; i < 2000; ++i) lives.insert(random.life(1, 14));
    EXPECT_EQ(lives.size(), 13u);
    EXPECT_EQ(*lives.begin(), 2.0f);
    EXPECT_EQ(*lives.rbegin(), 14.0f);
    std::set<float> velocities;
    for (int i = 0; i < 3000; ++i) velocities.insert(random.axis(100u, 180u, 10.0f));
    EXPECT_FLOAT_EQ(*velocities.begin(), 10.1f);
    EXPECT_FLOAT_EQ(*velocities.rbegin(), 18.0f);
}

TEST(ParticleRandom, EqualBoundsGiveTheMinimumWithoutDrawing) {
    CParticleRandom random(kSeed);
    CParticleRandom reference(kSeed);
    EXPECT_EQ(random.axis(7, 7, 100.0f), 7.0f);  // not divided
    EXPECT_EQ(random.axis(3u, 3u, 0.0f), 3.0f);
    EXPECT_EQ(random.height(12.5f, 12.5f), 12.5f);
    EXPECT_EQ(random.next(), reference.next());
}

// These ranges used to divide by zero.
TEST(ParticleRandom, DegenerateLifeAndHeightRangesAreSafe) {
    CParticleRandom random(kSeed);
    EXPECT_EQ(random.life(5, 5), 5.0f);
    EXPECT_EQ(random.life(10, 3), 10.0f);
    EXPECT_EQ(random.height(0.5f, 0.0f), 0.5f);
    EXPECT_EQ(random.height(2.0f, 10.0f), 2.0f);
    for (int i = 0; i < 500; ++i) {
        const float h = random.height(150.0f, 0.0f);
        EXPECT_GE(h, 1.0f);
        EXPECT_LE(h, 150.0f);
        EXPECT_EQ(h, std::floor(h));
    }
}

TEST_F(ParticleTest, SpawnedParticlesFollowTheConfiguration) {
    CParticleSystem fountain;
    configureFountain(fountain);
    fountain.emit(50);
    ASSERT_EQ(fountain.getParticleCount(), 50);
    for (int i = 0; i < 50; ++i) {
        const CParticle& p = *fountain.getParticle(i);
        const CVector3 pos = p.getPosition();
        EXPECT_GT(pos.x, 56.0f);
        EXPECT_LE(pos.x, 57.0f + 1e-5f);
        EXPECT_EQ(pos.y, 20.0f);  // y spawn range 0..0 gives no offset
        EXPECT_GT(pos.z, 0.0f);
        EXPECT_LE(pos.z, 1.0f);
        EXPECT_EQ(p.getVelocity().x, 0.0f);
        EXPECT_EQ(p.getVelocity().z, 0.0f);
        EXPECT_GE(p.getVelocity().y, 10.1f - 1e-5f);
        EXPECT_LE(p.getVelocity().y, 18.0f);
        EXPECT_GE(p.getLife(), 2.0f);
        EXPECT_LE(p.getLife(), 14.0f);
        const std::array<float, 4> secondColourWins{1.0f, 0.4f, 0.0f, 0.0f};
        EXPECT_EQ(p.getColor(), secondColourWins);
    }
    fountain.emit(50);
    EXPECT_EQ(fountain.getParticleCount(), 100);
    EXPECT_EQ(fountain.getParticle(100), nullptr);
    EXPECT_EQ(fountain.getParticle(-1), nullptr);
}

// The draws come in a fixed order (offset x, z, y; velocity x, y, z; life),
// so a seed reproduces the same fountain.
TEST_F(ParticleTest, SpawnDrawOrderIsReproducible) {
    CParticleSystem fountain;
    fountain.setSpawnRangeX(0, 100, 1.0f);
    fountain.setSpawnRangeY(0, 100, 10.0f);
    fountain.setSpawnRangeZ(0, 100, 100.0f);
    fountain.setVelocityRangeX(0, 100, 1.0f);
    fountain.setVelocityRangeY(0, 100, 10.0f);
    fountain.setVelocityRangeZ(0, 100, 100.0f);
    fountain.setRandomSeed(kSeed);
    fountain.emit(1);
    CParticleRandom r(kSeed);
    const float x = r.axis(0, 100, 1.0f), z = r.axis(0, 100, 100.0f), y = r.axis(0, 100, 10.0f);
    const float vx = r.axis(0u, 100u, 1.0f), vy = r.axis(0u, 100u, 10.0f), vz = r.axis(0u, 100u, 100.0f);
    const CParticle& p = *fountain.getParticle(0);
    EXPECT_FLOAT_EQ(p.getPosition().x, x);
    EXPECT_FLOAT_EQ(p.getPosition().y, y);
    EXPECT_FLOAT_EQ(p.getPosition().z, z);
    EXPECT_FLOAT_EQ(p.getVelocity().x, vx);
    EXPECT_FLOAT_EQ(p.getVelocity().y, vy);
    EXPECT_FLOAT_EQ(p.getVelocity().z, vz);
    EXPECT_EQ(p.getLife(), r.life(1, 300));
}

TEST_F(ParticleTest, UpdateIntegratesOneFrame) {
    setFrameTime(500);
    CParticle p;
    p.setPosition(1, 2, 3);
    p.setVelocity(0, 4, 0);
    p.setLife(20);
    const CVector3 a{2, 0, 0};
    const CVector3 b{0, -2, 0};
    p.update(a, b);
    EXPECT_FLOAT_EQ(p.getVelocity().x, 1.0f);
    EXPECT_FLOAT_EQ(p.getVelocity().y, 3.0f);
    EXPECT_FLOAT_EQ(p.getPosition().x, 1.5f);
    EXPECT_FLOAT_EQ(p.getPosition().y, 3.5f);
    EXPECT_FLOAT_EQ(p.getPosition().z, 3.0f);
    EXPECT_FLOAT_EQ(p.getLife(), 15.0f);  // 10 per second
    EXPECT_EQ(a.x, 2.0f);
    EXPECT_EQ(b.y, -2.0f);
}

TEST_F(ParticleTest, FadingFollowsTheRemainingShareOfLife) {
    setFrameTime(0);
    CParticle p;
    p.setLife(8);
    p.updateFaded({}, {});
    EXPECT_FLOAT_EQ(p.getColor()[3], 1.0f);
    setFrameTime(600);  // 6 life units pass
    p.updateFaded({}, {});
    p.updateFaded({}, {});
    EXPECT_FLOAT_EQ(p.getColor()[3], 2.0f / 8.0f);
    p.setLife(0);
    p.updateFaded({}, {});
    EXPECT_FLOAT_EQ(p.getColor()[3], 0.1f);
    EXPECT_EQ(p.getColor()[0], 1.0f);  // only alpha changes
}

TEST_F(ParticleTest, DeadParticlesRespawnInPlace) {
    CParticleSystem fountain;
    configureFountain(fountain);
    fountain.setFading(false);
    fountain.emit(1);
    CParticle* p = fountain.getParticle(0);
    p->setPosition(500, 500, 500);
    p->setLife(1);
    setFrameTime(100);       // exactly one life unit
    fountain.step(*p);       // still alive at the start of the frame
    EXPECT_FLOAT_EQ(p->getLife(), 0.0f);
    EXPECT_GT(p->getPosition().y, 500.0f);
    setFrameTime(0);
    fountain.step(*p);       // life 0 counts as dead
    EXPECT_EQ(fountain.getParticle(0), p);
    EXPECT_LT(p->getPosition().x, 58.0f);
    EXPECT_EQ(p->getPosition().y, 20.0f);
    EXPECT_GE(p->getLife(), 2.0f);
    EXPECT_EQ(p->getColor()[1], 0.4f);
}

TEST_F(ParticleTest, FountainMovesUnderForceAndGravity) {
    CParticleSystem fountain;
    fountain.setSpawnRangeX(0, 0, 1.0f);
    fountain.setSpawnRangeZ(0, 0, 1.0f);
    fountain.setVelocityRangeY(0, 0, 1.0f);
    fountain.setLifeRange(100, 100);
    fountain.setForce(1, 0, 0);
    fountain.setGravity(2);
    fountain.emit(1);
    setFrameTime(1000);
    CParticle& p = *fountain.getParticle(0);
    fountain.step(p);
    EXPECT_FLOAT_EQ(p.getVelocity().x, 1.0f);
    EXPECT_FLOAT_EQ(p.getVelocity().y, -2.0f);
    EXPECT_FLOAT_EQ(p.getLife(), 90.0f);
    EXPECT_FLOAT_EQ(p.getColor()[3], 1.0f);  // faded from the full life
}

TEST_F(ParticleTest, PointSpritesNeverShrinkBelowTenPixels) {
    CParticleSystem fountain;
    fountain.setPointSize(50.0f);
    CCamera camera;
    EngineGlobals::camera = &camera;
    camera.positionCamera(0, 0, 40, 0, 0, 0, 0, 1, 0);  // 40 units away: 50 - 40 / 4
    EXPECT_FLOAT_EQ(fountain.minimumPointSize(), 40.0f);
    camera.positionCamera(0, 0, 1000, 0, 0, 0, 0, 1, 0);
    EXPECT_FLOAT_EQ(fountain.minimumPointSize(), 10.0f);
}

TEST_F(ParticleTest, RainDropsStartBetweenBottomAndTop) {
    CRainParticlesystem rain;
    rain.setPosition(10, 5, -10);
    rain.setColor(0.7f, 0.7f, 0.7f, 0.5f);
    rain.setSpawnRangeX(0, 150, 1.0f);
    rain.setSpawnRangeZ(0, 150, 1.0f);
    rain.setVelocity(0, -90.08f, 0);
    rain.setDropSize(0.2f, 3, 0.2f);
    rain.setRandomSeed(kSeed);
    rain.createDrops(300, 150.0f, 0.0f);
    ASSERT_EQ(rain.getDropCount(), 300);
    for (int i = 0; i < 300; ++i) {
        const CParticle& drop = *rain.getDrop(i);
        const CVector3 pos = drop.getPosition();
        EXPECT_GE(pos.x, 11.0f);
        EXPECT_LE(pos.x, 160.0f);
        EXPECT_GE(pos.y, 6.0f);
        EXPECT_LE(pos.y, 155.0f);
        EXPECT_GE(pos.z, -9.0f);
        EXPECT_LE(pos.z, 140.0f);
        EXPECT_FLOAT_EQ(drop.getVelocity().y, -90.08f);
        EXPECT_FLOAT_EQ(drop.getSize().y, 3.0f);
        EXPECT_FLOAT_EQ(drop.getColor()[3], 0.5f);
    }
    EXPECT_EQ(rain.getDrop(300), nullptr);
}

TEST_F(ParticleTest, RainWithAThinRangeStartsAtTheTop) {
    CRainParticlesystem rain;
    rain.setPosition(0, 2, 0);
    rain.createDrops(5, 0.5f, 0.0f);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(rain.getDrop(i)->getPosition().y, 2.5f);
}

TEST_F(ParticleTest, RainWrapsToTheTopKeepingTheOvershoot) {
    CRainParticlesystem rain;
    rain.setPosition(0, 10, 0);
    rain.createDrops(1, 30.0f, 0.0f);
    CParticle& drop = *rain.getDrop(0);
    drop.setPosition(3, -0.5f, 4);
    drop.setLife(0.1f);
    setFrameTime(0);
    rain.stepDrop(drop);
    EXPECT_FLOAT_EQ(drop.getPosition().x, 3.0f);
    EXPECT_FLOAT_EQ(drop.getPosition().y, 39.5f);
    EXPECT_FLOAT_EQ(drop.getPosition().z, 4.0f);
    drop.setPosition(3, 0.0f, 4);  // exactly at the bottom wraps too
    rain.stepDrop(drop);
    EXPECT_FLOAT_EQ(drop.getPosition().y, 40.0f);
}

TEST_F(ParticleTest, RainFallsUnderForceAndIgnoresLife) {
    CRainParticlesystem rain;
    rain.setVelocity(0, -10, 0);
    rain.setForce(0, -4, 0);
    rain.createDrops(1, 30.0f, 0.0f);
    CParticle& drop = *rain.getDrop(0);
    drop.setPosition(0, 20, 0);
    drop.setLife(0);
    setFrameTime(500);
    rain.stepDrop(drop);
    EXPECT_FLOAT_EQ(drop.getVelocity().y, -12.0f);
    EXPECT_FLOAT_EQ(drop.getPosition().y, 14.0f);
    EXPECT_FLOAT_EQ(drop.getColor()[3], 0.5f);  // never faded
}
