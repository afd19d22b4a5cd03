#include <gtest/gtest.h>

#include <GL/glew.h>
#include <GL/glu.h>

#include <array>
#include <fstream>
#include <optional>

#include "Models/CKObject.h"
#include "graphics/CGraphicsCore.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"
#include "support/SlotGuard.h"
#include "support/TestWindow.h"

namespace {
constexpr int kSize = 64;
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack{0, 0, 0, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kWhite{255, 255, 255, 255};

// A 2 x 2 quad at z = 0 facing +z, its colour map red on the left half and
// green on the right; a height map for the parallax path.
std::string writeQuadModel() {
    const std::string dir = ImageMagick::tempDir();
    EXPECT_TRUE(ImageMagick::convert("-size 8x8 xc:red -size 8x8 xc:lime +append " + dir + "/split.bmp"));
    EXPECT_TRUE(ImageMagick::convert("-size 16x8 xc:gray50 " + dir + "/height.bmp"));
    const std::string path = dir + "/quad.xml";
    std::ofstream(path) << R"(<model name="quad" numsubobjects="1" nummaterials="1" numofparallaxmap="1"><data>
<material name="split" opacity="1"><ambient r="1" g="1" b="1" a="1"/><diffuse r="1" g="1" b="1" a="1"/>
<specular r="1" g="1" b="1" a="1"/><texture colormap=")" +
                               dir + R"(/split.bmp"/></material>
<parallaxmap name="flat"><texture heightmap=")" +
                               dir + R"(/height.bmp"/></parallaxmap>
<object name="q" numvertices="4" numfaces="1"><position x="0" y="0" z="0"/><orientation angle="0" x="0" y="1" z="0"/>
<vertex x="-1" y="-1" z="0" u0="0" v0="0"/><vertex x="1" y="-1" z="0" u0="1" v0="0"/>
<vertex x="1" y="1" z="0" u0="1" v0="1"/><vertex x="-1" y="1" z="0" u0="0" v0="1"/>
<face a="0" b="1" c="2" d="3" materialindex="0" parallaxmapindex="0"/></object></data></model>)";
    return path;
}

class NativeModelDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(kSize, kSize));
        shaders.emplace(EngineGlobals::shaderManager, BuiltInShaders::get());
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, 1.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        testing::internal::CaptureStdout();  // the loader's lines
        model.load(path);
        testing::internal::GetCapturedStdout();
    }
    void TearDown() override {
        glDisable(GL_TEXTURE_2D);
        glLoadIdentity();
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    // The camera at (0, 0, 3) looking at target; the frame is drawn looking
    // at the quad whatever the camera's own frustum says.
    void lookAt(float x, float y, float z) {
        camera.positionCamera(0, 0, 3, x, y, z, 0, 1, 0);
        glLoadIdentity();
        camera.look();
        glLoadIdentity();
        gluLookAt(0, 0, 3, 0, 0, 0, 0, 1, 0);
    }

    static inline const std::string path = writeQuadModel();
    std::optional<SlotGuard<CShaderManager>> shaders;
    CCamera camera;
    SlotGuard<CCamera> cameraSlot{EngineGlobals::camera, &camera};
    CKObject model;
};
}  // namespace

TEST_F(NativeModelDraw, TexturedQuadShowsItsColourMap) {
    lookAt(0, 0, 0);
    model.render(true);
    EXPECT_EQ(TestWindow::pixel(kSize / 2 - 8, kSize / 2), kRed);
    EXPECT_EQ(TestWindow::pixel(kSize / 2 + 8, kSize / 2), kGreen);
    EXPECT_EQ(TestWindow::pixel(2, 2), kBlack);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    model.render(false);  // texturing left alone: off, so the white vertex colour shows
    EXPECT_EQ(TestWindow::pixel(kSize / 2, kSize / 2), kWhite);
    EXPECT_EQ(model.getVertexCount(), 4u);
}

// The camera looks away: its frustum holds no part of the quad, so nothing is
// drawn although the frame's own view would show it.
TEST_F(NativeModelDraw, ObjectOutsideTheFrustumIsNotDrawn) {
    lookAt(10, 0, 3);
    model.render(true);
    EXPECT_EQ(TestWindow::pixel(kSize / 2 - 8, kSize / 2), kBlack);
    model.setPosition(0, 0, 0);
    lookAt(0, 0, 0);
    model.drawBoundingBoxes();
    EXPECT_EQ(TestWindow::pixel(kSize / 2, kSize / 2), kBlack);  // outlines only
}

// The parallax program draws the colour map, gets its samplers on units 0
// and 1, and is unbound afterwards.
TEST_F(NativeModelDraw, ParallaxPathDrawsThroughItsProgram) {
    lookAt(0, 0, 0);
    model.renderParallax(true);
    EXPECT_EQ(TestWindow::pixel(kSize / 2 - 8, kSize / 2), kRed);
    EXPECT_EQ(TestWindow::pixel(kSize / 2 + 8, kSize / 2), kGreen);
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    const GLuint program = EngineGlobals::shaderManager->getShader(PARALLAX_MAP)->getProgram();
    GLint heightUnit = -1;
    glGetUniformiv(program, glGetUniformLocation(program, "HeightTexture"), &heightUnit);
    EXPECT_EQ(heightUnit, 1);
}
