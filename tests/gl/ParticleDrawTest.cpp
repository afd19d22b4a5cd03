#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <string>

#include "particles/CParticleSystem.h"
#include "particles/CRainParticlesystem.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "support/BuiltInShaders.h"
#include "support/ManualClock.h"
#include "support/SlotGuard.h"
#include "support/TestWindow.h"

namespace {
constexpr int kSize = 128;
constexpr int kMid = kSize / 2;
// With a 60 degree field of view from 5 units away, one world unit covers
// about 22 pixels: a 2 x 2 billboard is about 44 pixels wide.
constexpr int kInsideQuad = 18;
constexpr int kOutsideQuad = 26;

using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack{0, 0, 0, 255};
const Rgba kRed{255, 0, 0, 255};
const Rgba kGreen{0, 255, 0, 255};

// An 8 x 8 uncompressed TGA, red on the left half and green on the right.
std::string writeSplitTexture() {
    const std::string path = testing::TempDir() + "particle_split.tga";
    std::string bytes{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 8, 0, 24, 0};
    for (int i = 0; i < 64; ++i)
        bytes += i % 8 < 4 ? std::string("\0\0\xff", 3) : std::string("\0\xff\0", 3);  // BGR
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// Red on the left of the centre, green on the right.
void expectSplitAround(int x, int y, int reach) {
    EXPECT_EQ(TestWindow::pixel(x - reach, y), kRed);
    EXPECT_EQ(TestWindow::pixel(x + reach, y), kGreen);
}

// A particle or drop that stays where it is: no offsets, no velocity, a long
// life, opaque colour, no fading, and no frame time passing.
void stillFountain(CParticleSystem& fountain, float red, float green, float blue) {
    fountain.setSpawnRangeX(0, 0, 1.0f);
    fountain.setSpawnRangeZ(0, 0, 1.0f);
    fountain.setVelocityRangeY(0, 0, 1.0f);
    fountain.setLifeRange(100, 100);
    fountain.setFading(false);
    fountain.setColor(red, green, blue, 1.0f);
}

class ParticleDrawTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(kSize, kSize));
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, 1.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        lookFrom(0, 0, 5);
        glEnable(GL_DEPTH_TEST);
        clear(0.0f);
    }
    void TearDown() override {
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_TEXTURE_2D);
        glLoadIdentity();
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    void lookFrom(float x, float y, float z) {
        camera.positionCamera(x, y, z, 0, 0, 0, 0, 1, 0);
        glLoadIdentity();
        camera.look();
    }
    // Depth writes back on and blending off after every draw.
    static void expectQuadBatchClosed() {
        GLboolean depthWrites = GL_FALSE;
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
        EXPECT_EQ(depthWrites, GL_TRUE);
        EXPECT_FALSE(glIsEnabled(GL_BLEND));
    }
    static void clear(float grey) {
        glClearColor(grey, grey, grey, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    ManualClock clock;  // frame time 0: nothing moves between draws
    CCamera camera;
    SlotGuard<CCamera> cameraSlot{EngineGlobals::camera, &camera};
};

}  // namespace

// The sprite's size comes from the minimum point size: the configured size
// less a quarter of the camera distance, never below ten pixels. Each sprite
// shows the whole texture, left to right.
TEST_F(ParticleDrawTest, PointSpritesTakeTheirSizeFromTheCameraDistance) {
    CParticleSystem fountain;
    stillFountain(fountain, 1, 1, 1);
    fountain.setPointSize(31.25f);  // 30 pixels from 5 units away
    fountain.init(1, writeSplitTexture().c_str(), true, true);
    ASSERT_NE(fountain.getTexture(), 0u);
    fountain.draw();
    expectSplitAround(kMid, kMid - 12, 12);
    EXPECT_EQ(TestWindow::pixel(kMid + 18, kMid), kBlack);

    // Further away, while the view stays: 31.25 - 60 / 4 = 16.25 pixels, then the floor.
    for (const auto& [distance, inside, outside] : {std::array<int, 3>{60, 6, 10}, {400, 3, 8}}) {
        clear(0.0f);
        camera.positionCamera(0, 0, static_cast<float>(distance), 0, 0, 0, 0, 1, 0);
        fountain.draw();
        expectSplitAround(kMid, kMid, inside);
        EXPECT_EQ(TestWindow::pixel(kMid + outside, kMid), kBlack) << distance;
    }
    EXPECT_FALSE(glIsEnabled(GL_POINT_SPRITE_ARB));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));  // the 3D frame goes on
    expectQuadBatchClosed();
}

// A quad in the xy plane would be edge-on from the side; a billboard is not,
// and shows the whole texture, left to right.
TEST_F(ParticleDrawTest, BillboardsFaceTheCameraFromAnySide) {
    CParticleSystem fountain;
    stillFountain(fountain, 1, 1, 1);
    fountain.init(1, writeSplitTexture().c_str(), false, true);
    for (const CVector3 eye : {CVector3{0, 0, 5}, CVector3{5, 0, 0}, CVector3{3, 0, -4}}) {
        clear(0.0f);
        lookFrom(eye.x, eye.y, eye.z);
        fountain.draw();
        expectSplitAround(kMid, kMid - kInsideQuad, kInsideQuad);
        expectSplitAround(kMid, kMid + kInsideQuad, kInsideQuad);
        EXPECT_EQ(TestWindow::pixel(kMid + kOutsideQuad, kMid), kBlack);
        EXPECT_EQ(TestWindow::pixel(kMid, kMid - kOutsideQuad), kBlack);
    }
    expectQuadBatchClosed();
}

// Additive: 0.2 grey + 0.5 * red. Alpha blending: half red, half grey.
TEST_F(ParticleDrawTest, BlendModeFollowsTheAlphaBlendFlag) {
    for (const bool alphaBlend : {false, true}) {
        CParticleSystem fountain;
        stillFountain(fountain, 1, 0, 0);
        fountain.setColor(1, 0, 0, 0.5f);
        fountain.init(1, "Data/Particle/none.png", false, alphaBlend);
        clear(0.2f);
        fountain.draw();
        const Rgba p = TestWindow::pixel(kMid, kMid);
        EXPECT_NEAR(p[0], alphaBlend ? 153 : 179, 2) << "alpha blend " << alphaBlend;
        EXPECT_NEAR(p[1], alphaBlend ? 26 : 51, 2) << "alpha blend " << alphaBlend;
    }
}

// Drawn through the built-in colour-with-texture program, which is unbound
// again afterwards.
TEST_F(ParticleDrawTest, RainDropsAreTexturedAdditiveBillboards) {
    SlotGuard shaders(EngineGlobals::shaderManager, BuiltInShaders::get());
    CRainParticlesystem rain;
    rain.setPosition(0, -1, 0);
    rain.setColor(1, 1, 1, 1);
    rain.setDropSize(1, 1, 1);
    rain.init(1, 1.0f, 0.0f, writeSplitTexture().c_str());  // the one drop starts at the origin
    clear(0.0f);
    lookFrom(5, 0, 0);
    rain.draw();
    expectSplitAround(kMid, kMid + kInsideQuad, kInsideQuad);
    EXPECT_EQ(TestWindow::pixel(kMid + kOutsideQuad, kMid), kBlack);
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0);
    expectQuadBatchClosed();
}
