#include <gtest/gtest.h>

#include <GL/glew.h>
#include <GL/glu.h>

#include <functional>
#include <memory>

#include "Basic/C3DMath.h"
#include "core/Engine.h"
#include "graphics/CGraphicsCore.h"
#include "objects3d/C3DGameObject.h"
#include "objects3d/C3DGameObjectManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "scene3d/CLight.h"
#include "scene3d/CLightManager.h"
#include "scene3d/CSkyDome.h"
#include "support/ImageMagick.h"
#include "support/ManualClock.h"
#include "support/ModelFiles.h"
#include "support/SlotGuard.h"
#include "support/TestWindow.h"

namespace {
constexpr int kWidth = 320, kHeight = 240;
const CVector3 kEye{0, 40, 30};
const CVector3 kBlockMin{-2, 4, -2}, kBlockMax{2, 8, 2};

// A graphics core that has no frame buffer objects; never initialised, it
// only answers the shadow settings and the window's size.
class NoFramebuffers : public CGraphicsCore {
public:
    bool hasFramebufferObjects() const override { return false; }
    int getWidth() const override { return kWidth; }
    int getHeight() const override { return kHeight; }
};

// A wide ground slab and a block hovering over it, lit from the upper left:
// the block's shadow falls to its right on the ground.
class ShadowScene : public testing::Test {
protected:
    void SetUp() override {
        testing::internal::CaptureStdout();
        engine = std::make_unique<Engine>();
        ASSERT_TRUE(engine->createWindow(kWidth, kHeight, 32, false, false));
        ASSERT_TRUE(TestWindow::attach(kWidth, kHeight));
        light.setPosition(-30, 40, 0, 1);
        EngineGlobals::lightManager->addLight(&light);
        EngineGlobals::lightManager->enableLight(1);
        auto& objects = *EngineGlobals::gameObjectManager;
        auto ground = std::make_unique<C3DGameObject>();
        ASSERT_TRUE(ground->loadNative(ModelFiles::nativeBox("ground", {-20, -1, -20}, {20, 0, 20})));
        objects.addObject(std::move(ground));
        testing::internal::GetCapturedStdout();
        EngineGlobals::graphicsCore->setShadowsEnabled(true);
        EngineGlobals::camera->positionCamera(kEye.x, kEye.y, kEye.z, 0, 0, 0, 0, 1, 0);
    }
    void TearDown() override {
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
        engine.reset();
    }
    // The block that casts the shadow, loaded by load.
    C3DGameObject* addBlock(const std::function<bool(C3DGameObject&)>& load) {
        auto block = std::make_unique<C3DGameObject>();
        testing::internal::CaptureStdout();
        const bool loaded = load(*block);
        testing::internal::GetCapturedStdout();
        EXPECT_TRUE(loaded);
        block->setCastsShadow(true);
        C3DGameObject* held = block.get();
        EngineGlobals::gameObjectManager->addObject(std::move(block));
        return held;
    }
    void addNativeBlock() {
        addBlock([](C3DGameObject& block) {
            return block.loadNative(ModelFiles::nativeBox("block", kBlockMin, kBlockMax));
        });
    }

    void frame() {
        glEnable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glLoadIdentity();
        EngineGlobals::camera->look();
        engine->render();
    }

    // Brightness of the ground point (x, 0, z) on screen.
    int brightness(float x, float z) {
        matrix4x4f view = lookAtMatrix(kEye, {0, 0, 0}, {0, 1, 0});
        matrix4x4f clip = perspectiveMatrix(60, float(kWidth) / kHeight, 0.1f, 3000) * view;
        CVector3 p{x, 0, z};
        const float w = clip.m[3] * x + clip.m[7] * 0 + clip.m[11] * z + clip.m[15];
        clip.transformPoint(p);
        const int sx = static_cast<int>((p.x / w * 0.5f + 0.5f) * kWidth);
        const int sy = static_cast<int>((0.5f - p.y / w * 0.5f) * kHeight);
        const auto rgba = TestWindow::pixel(sx, sy);
        return rgba[0] + rgba[1] + rgba[2];
    }

    std::unique_ptr<Engine> engine;
    CLight light;
    NoFramebuffers noFramebuffers;  // outlives the engine: its end quits SDL too
};
}  // namespace

TEST_F(ShadowScene, StencilVolumesDarkenTheGroundBehindTheBlock) {
    addNativeBlock();
    EngineGlobals::graphicsCore->setShadowType(SHADOW_VOLUMES);
    frame();
    const int lit = brightness(-12, 5), shadowed = brightness(7, 0);
    EXPECT_GT(lit, 200);
    EXPECT_LT(shadowed, lit * 3 / 4) << "lit " << lit << ", shadowed " << shadowed;
}

TEST_F(ShadowScene, ShadowMapDarkensTheGroundBehindTheBlock) {
    addNativeBlock();
    EngineGlobals::graphicsCore->setShadowType(SHADOW_MAPPING);
    frame();
    // The light's strong ambient part still reaches the shadow.
    const int lit = brightness(-12, 5), shadowed = brightness(7, 0);
    EXPECT_GT(lit, 200);
    EXPECT_LT(shadowed, lit - 100) << "lit " << lit << ", shadowed " << shadowed;
    EXPECT_EQ(EngineGlobals::gameObjectManager->getTotalVertexCount(), 16u);
}

// The light's view copied from a 320 x 240 window cannot fill a 512 x 512
// map: the objects are drawn unshadowed, with one warning.
TEST_F(ShadowScene, ShadowMapLargerThanTheWindowNeedsFramebuffers) {
    addNativeBlock();
    noFramebuffers.setShadowsEnabled(true);
    noFramebuffers.setShadowType(SHADOW_MAPPING);
    SlotGuard<CGraphicsCore> core(EngineGlobals::graphicsCore, &noFramebuffers);
    testing::internal::CaptureStdout();
    frame();
    frame();
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string warning = "Warning: the 512x512 shadow map needs frame buffer objects in a 320x240 window";
    EXPECT_NE(out.find(warning), std::string::npos) << out;
    EXPECT_EQ(out.find(warning), out.rfind(warning)) << out;
    EXPECT_GT(brightness(7, 0), brightness(-12, 5) * 3 / 4);
}

TEST_F(ShadowScene, EveryModelFormatCastsAStencilVolume) {
    EngineGlobals::graphicsCore->setShadowType(SHADOW_VOLUMES);
    const std::string obj = ModelFiles::writeText("block.obj", ModelFiles::objBox(kBlockMin, kBlockMax));
    const std::string model3ds = ImageMagick::writeFile("block.3ds", ModelFiles::box3ds(kBlockMin, kBlockMax));
    const std::string md2 = ImageMagick::writeFile("block.md2", ModelFiles::boxMd2(kBlockMin, kBlockMax));
    const std::pair<const char*, std::function<bool(C3DGameObject&)>> formats[] = {
        {"OBJ", [&](C3DGameObject& block) { return block.loadOBJ(obj, ""); }},
        {"3DS", [&](C3DGameObject& block) { return block.load3DS("", model3ds, 0); }},
        {"MD2", [&](C3DGameObject& block) { return block.loadMD2(md2, ""); }}};
    for (const auto& [format, load] : formats) {
        C3DGameObject* block = addBlock(load);
        frame();
        frame();  // an animated model's volume is built from its second frame on
        const int lit = brightness(-12, 5), shadowed = brightness(7, 0);
        EXPECT_GT(lit, 200) << format;
        EXPECT_LT(shadowed, lit * 3 / 4) << format << ": lit " << lit << ", shadowed " << shadowed;
        block->setEnabled(false);
    }
}

// A caster out of the camera's view casts nothing in either mode: a block
// high above the ground under an overhead light leaves the ground lit; the
// same block lowered into view shadows it. Frames follow one another, so the
// shadow map is redrawn whole each time (the window is smaller than it).
TEST_F(ShadowScene, CastersOutOfViewCastNothing) {
    light.setPosition(0, 150, 20, 1);
    C3DGameObject* high = addBlock([](C3DGameObject& b) {
        return b.loadNative(ModelFiles::nativeBox("high", {-3, 58, -3}, {3, 62, 3}));
    });
    C3DGameObject* low = addBlock([](C3DGameObject& b) {
        return b.loadNative(ModelFiles::nativeBox("low", {-3, 10, -3}, {3, 14, 3}));
    });
    for (const sShadowTypes type : {SHADOW_VOLUMES, SHADOW_MAPPING}) {
        EngineGlobals::graphicsCore->setShadowType(type);
        low->setEnabled(false);
        high->setEnabled(true);
        frame();
        const int lit = brightness(-12, 5);
        EXPECT_FALSE(high->isVisible());
        EXPECT_GT(brightness(0, -2), lit - 50) << type;
        high->setEnabled(false);
        low->setEnabled(true);
        frame();
        EXPECT_LT(brightness(0, -2), lit - 100) << type;  // the shadow map keeps the ambient part
    }
}

// Every light drives GL_LIGHT0: enabling the second puts its colours there.
TEST(LightManager, EnablingALightReprogramsLightZero) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    CLight first, second;
    first.setup({0, 1, 0, 0}, {1, 0, 0, 1}, {0.1f, 0, 0, 1}, {1, 1, 1, 1});
    second.setup({0, 1, 0, 0}, {0, 0, 1, 1}, {0, 0, 0.2f, 1}, {0, 0, 0, 1});
    CLightManager manager;
    manager.addLight(&first);
    manager.addLight(&second);
    manager.enableLight(1);
    manager.enableLight(2);
    GLfloat diffuse[4], ambient[4];
    glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glGetLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    EXPECT_EQ(diffuse[0], 0.0f);
    EXPECT_EQ(diffuse[2], 1.0f);
    EXPECT_FLOAT_EQ(ambient[2], 0.2f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST(SkyDome, DomeBuiltFromItsStepsAndTurnedByTheFrameTime) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    const std::string texture = ImageMagick::tempDir() + "/sky.bmp";
    ASSERT_TRUE(ImageMagick::convert("-size 4x4 xc:skyblue " + texture));
    CSkyDome dome;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(dome.init(15, 15, 100, texture));
    EXPECT_EQ(dome.getVertexCount(), 576);
    EXPECT_NEAR(dome.getVertices()[2], 100.0f, 1e-4f);  // the pole comes first
    EXPECT_FLOAT_EQ(dome.getTexCoords()[0], 0.5f);
    EXPECT_FLOAT_EQ(dome.getTexCoords()[1], 0.5f);
    ASSERT_TRUE(dome.init(7, 7, 100, texture));  // 12 bands of 51 segments
    EXPECT_EQ(dome.getVertexCount(), 12 * 51 * 4);
    EXPECT_EQ(dome.getVertices().size(), 12u * 51 * 4 * 3);
    EXPECT_FALSE(dome.init(0, 15, 100, texture));
    EXPECT_FALSE(dome.init(15, 90, 100, texture));
    testing::internal::GetCapturedStdout();

    ManualClock clock;
    clock.setFrameTime(500);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60, 1, 1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 1, 0, 0, 0, 1);  // looking up into the dome
    glClear(GL_COLOR_BUFFER_BIT);
    dome.draw();
    EXPECT_FLOAT_EQ(dome.getAngle(), 0.5f);
    const auto centre = TestWindow::pixel(32, 32);
    EXPECT_GT(centre[2], 200);  // sky blue
    EXPECT_GT(centre[2], centre[0]);
    glDisable(GL_TEXTURE_2D);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}
