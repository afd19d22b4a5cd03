#include <gtest/gtest.h>

#include <GL/glew.h>
#include <GL/glu.h>

#include <array>

#include "Models/C3DSObject.h"
#include "Models/CMD2Object.h"
#include "objects3d/C3DGameObject.h"
#include "runtime/EngineGlobals.h"
#include "scene3d/CCamera.h"
#include "support/ImageMagick.h"
#include "support/ManualClock.h"
#include "support/ModelFiles.h"
#include "support/SlotGuard.h"
#include "support/TestWindow.h"

namespace {
constexpr int kSize = 64;
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack{0, 0, 0, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kWhite{255, 255, 255, 255};

// Screen column of x on the plane z = 0 seen from (0, 0, 3) with a 60
// degree view.
int column(float x) { return static_cast<int>(kSize / 2 + x / 1.7320508f * kSize / 2); }

// A square from x0 to x0 + 1, y -0.5 to 0.5 at z = 0, as an MD2 key frame.
ModelFiles::Md2Frame square(const std::string& name, float x0) {
    ModelFiles::Md2Frame frame;
    frame.name = name;
    frame.scale[0] = frame.scale[2] = 1.0f / 255;
    frame.translate[0] = x0;
    frame.translate[2] = -0.5f;
    frame.vertices = {{{0, 0, 0}}, {{255, 0, 0}}, {{255, 0, 255}}, {{0, 0, 255}}};
    return frame;
}

// The quad x, y in [-1, 1] at z = 0 facing +z, its texture red on the left
// half and green on the right, written as OBJ and converted by assimp.
// ImageMagick and assimp are slow to start, so the file is made once per
// process; every test that uses it still checks both steps.
std::string texturedQuad3ds() {
    struct Made {
        bool converted = false, exported = false;
        std::string path;
    };
    static const Made made = [] {
        Made m;
        const std::string dir = ImageMagick::tempDir();
        m.converted = ImageMagick::convert("-size 8x8 xc:red -size 8x8 xc:lime +append " + dir + "/split.bmp");
        ModelFiles::writeText("quad.mtl", "newmtl split\nKd 1 1 1\nmap_Kd split.bmp\n");
        const std::string obj =
            ModelFiles::writeText("quad.obj",
                                  "mtllib quad.mtl\nusemtl split\nv -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\n"
                                  "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nf 1/1 2/2 3/3 4/4\n");
        m.path = dir + "/quad.3ds";
        m.exported = ModelFiles::assimpExport(obj, m.path);
        return m;
    }();
    EXPECT_TRUE(made.converted);
    EXPECT_TRUE(made.exported);
    return made.path;
}

class ModelFormatsDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(kSize, kSize));
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, 1.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        camera.positionCamera(0, 0, 3, 0, 0, 0, 0, 1, 0);
        camera.look();  // also takes the frustum the models cull against
        glClearColor(0, 0, 0, 1);
        clear();
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glColor3f(1, 1, 1);
    }
    void TearDown() override {
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }
    static void clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

    CCamera camera;
    SlotGuard<CCamera> cameraSlot{EngineGlobals::camera, &camera};
};
}  // namespace

// Half way between two key frames the square is drawn half way between
// their places.
TEST_F(ModelFormatsDraw, Md2VerticesBlendBetweenKeyFrames) {
    ModelFiles::Md2File file;
    file.triangles = {{0, 1, 2, 0, 0, 0}, {0, 2, 3, 0, 0, 0}};
    file.frames = {square("move01", -1.5f), square("move02", 0.5f), square("move03", -1.5f)};
    const std::string path = ImageMagick::writeFile("move.md2", ModelFiles::md2(file));
    ManualClock clock(1000);
    CMD2Object model;
    ASSERT_TRUE(model.load(path, ""));
    model.render(false);  // long after the clock started: drawn at the next frame, no further
    EXPECT_EQ(TestWindow::pixel(column(1.0f), kSize / 2), kWhite);
    EXPECT_EQ(TestWindow::pixel(column(-1.0f), kSize / 2), kBlack);
    EXPECT_EQ(model.getCurrentFrame(), 1);

    clock.now += 100;  // half of the 200 ms a frame lasts, back towards frame 0
    clear();
    model.render(false);
    EXPECT_EQ(TestWindow::pixel(column(0.0f), kSize / 2), kWhite);
    EXPECT_EQ(TestWindow::pixel(column(-0.8f), kSize / 2), kBlack);
    EXPECT_EQ(TestWindow::pixel(column(0.8f), kSize / 2), kBlack);
}

TEST_F(ModelFormatsDraw, Textured3dsModelShowsItsTexture) {
    C3DSObject model;
    ASSERT_TRUE(model.load(texturedQuad3ds(), ImageMagick::tempDir() + "/", false));
    ASSERT_NE(model.getTexture(0) + model.getTexture(1), 0);
    for (auto draw : {&C3DSObject::render, &C3DSObject::renderObjectBuffers}) {
        clear();
        (model.*draw)();
        EXPECT_EQ(TestWindow::pixel(column(-0.5f), kSize / 2), kRed);
        EXPECT_EQ(TestWindow::pixel(column(0.5f), kSize / 2), kGreen);
        EXPECT_EQ(TestWindow::pixel(2, 2), kBlack);
    }
    clear();
    model.renderBuffers();  // the whole model, untextured
    EXPECT_EQ(TestWindow::pixel(column(0.5f), kSize / 2), kWhite);
    EXPECT_EQ(model.getVertexCount(), 6u);
}

// Seen from behind, 3DS and OBJ models show nothing; MD2 models draw both
// sides.
TEST_F(ModelFormatsDraw, BackFacesAreCulledFor3dsAndObj) {
    const std::string obj = ModelFiles::writeText("front.obj", "v -1 -1 0\nv 1 -1 0\nv 1 1 0\nv -1 1 0\nf 1 2 3 4\n");
    ModelFiles::Md2File md2;
    md2.triangles = {{0, 1, 2, 0, 0, 0}, {0, 2, 3, 0, 0, 0}};
    md2.frames = {square("still01", -0.5f), square("still02", -0.5f)};
    const std::string md2Path = ImageMagick::writeFile("still.md2", ModelFiles::md2(md2));
    C3DGameObject objModel, model3ds, md2Model;
    ASSERT_TRUE(objModel.loadOBJ(obj, ""));
    ASSERT_TRUE(model3ds.load3DS(ImageMagick::tempDir() + "/", texturedQuad3ds(), 0));
    ASSERT_TRUE(md2Model.loadMD2(md2Path, ""));
    for (C3DGameObject* model : {&objModel, &model3ds, &md2Model}) {
        for (float angle : {0.0f, 180.0f}) {
            clear();
            model->setRotation(angle);
            model->render(false);
            const bool shown = TestWindow::pixel(kSize / 2, kSize / 2) != kBlack;
            EXPECT_EQ(shown, angle == 0.0f || model == &md2Model) << "kind " << model->getKind() << ", " << angle;
        }
        glDisable(GL_TEXTURE_2D);
    }
}
