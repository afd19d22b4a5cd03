#include <gtest/gtest.h>

#include "support/TestWindow.h"  // brings in GLEW, which must precede GLU

#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <type_traits>
#include <vector>

#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "runtime/EngineGlobals.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"

namespace {

constexpr int kSize = 64;
using Rgba = std::array<std::uint8_t, 4>;

// Quad from (x0, y0) to (x1, y1) at depth 0, texture coordinates u0..u1, v0..v1.
void quad(float x0, float y0, float x1, float y1, float u0 = 0, float v0 = 0, float u1 = 1, float v1 = 1) {
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0), glVertex2f(x0, y0);
    glTexCoord2f(u1, v0), glVertex2f(x1, y0);
    glTexCoord2f(u1, v1), glVertex2f(x1, y1);
    glTexCoord2f(u0, v1), glVertex2f(x0, y1);
    glEnd();
}

std::string infoLog(GLhandleARB object) {
    GLint length = 0;
    glGetObjectParameterivARB(object, GL_OBJECT_INFO_LOG_LENGTH_ARB, &length);
    std::string log(static_cast<size_t>(std::max(length, 1)), '\0');
    glGetInfoLogARB(object, length, nullptr, log.data());
    return log;
}

void setUniform4f(const CShader& shader, const char* name, float x, float y, float z, float w) {
    glUniform4fARB(glGetUniformLocationARB(shader.getProgram(), name), x, y, z, w);
}

// Light 0 shines along +z in eye space with full diffuse light and a scene
// ambient of 0.1, so a white texel comes out as (0.1 + N.L) * 255.
void setUpLight0() {
    const GLfloat direction[] = {0, 0, 1, 0}, white[] = {1, 1, 1, 1}, black[] = {0, 0, 0, 1};
    const GLfloat sceneAmbient[] = {0.1f, 0.1f, 0.1f, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, direction);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_AMBIENT, black);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, sceneAmbient);
    for (GLenum material : {GL_DIFFUSE, GL_AMBIENT})
        glMaterialfv(GL_FRONT_AND_BACK, material, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
}

int litValue(float nDotL) { return static_cast<int>((0.1f + nDotL) * 255.0f + 0.5f); }

// The suite runs in a process of its own (see run_gl_suites.py); each test
// restores the GL state it changes so the next one starts from the defaults.
class ShaderProgramsGl : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(kSize, kSize));
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        statePushed = true;
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override {
        glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
        if (!statePushed)
            return;
        glUseProgramObjectARB(0);
        glActiveTextureARB(GL_TEXTURE1_ARB);
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glActiveTextureARB(GL_TEXTURE0_ARB);
        glPopAttrib();
        TestWindow::open(kSize, kSize);  // resets the projection and modelview
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    static CShader& program(Default_Shader_Types id) { return *BuiltInShaders::get()->getShader(id); }

    // A nearest-sampled, edge-clamped texture (so any softening seen comes
    // from the programs), bound to `unit`. A depth texture is set up for
    // comparisons the way the shadow pass does it.
    template <typename Texel>
    GLuint texture(GLenum unit, int width, int height, const std::vector<Texel>& data) {
        textures.push_back(0);
        glGenTextures(1, &textures.back());
        glActiveTextureARB(unit);
        glBindTexture(GL_TEXTURE_2D, textures.back());
        for (GLenum filter : {GL_TEXTURE_MIN_FILTER, GL_TEXTURE_MAG_FILTER})
            glTexParameteri(GL_TEXTURE_2D, filter, GL_NEAREST);
        for (GLenum wrap : {GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T})
            glTexParameteri(GL_TEXTURE_2D, wrap, GL_CLAMP_TO_EDGE);
        if constexpr (std::is_same_v<Texel, float>) {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, width, height, 0, GL_DEPTH_COMPONENT, GL_FLOAT,
                         data.data());
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_R_TO_TEXTURE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
        } else {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, data.data());
        }
        glActiveTextureARB(GL_TEXTURE0_ARB);
        return textures.back();
    }
    GLuint grey(std::uint8_t level, GLenum unit = GL_TEXTURE1_ARB) {
        return texture(unit, 1, 1, std::vector<Rgba>{{level, level, level, 255}});
    }
    static void bindTexture(GLenum unit, GLuint name) {
        glActiveTextureARB(unit);
        glBindTexture(GL_TEXTURE_2D, name);
        glActiveTextureARB(GL_TEXTURE0_ARB);
    }

    std::vector<GLuint> textures;
    bool statePushed = false;
};

}  // namespace

TEST_F(ShaderProgramsGl, AllBuiltInProgramsCompileAndLink) {
    const CShaderManager& manager = *BuiltInShaders::get();
    ASSERT_EQ(manager.getCount(), BUILT_IN_SHADER_COUNT);
    for (int id = 0; id < manager.getCount(); ++id) {
        const GLhandleARB handle = manager.getShader(id)->getProgram();
        ASSERT_NE(handle, 0u) << "program " << id << " was not built";
        GLint linked = 0;
        glGetObjectParameterivARB(handle, GL_OBJECT_LINK_STATUS_ARB, &linked);
        GLsizei count = 0;
        GLhandleARB attached[2] = {};
        glGetAttachedObjectsARB(handle, 2, &count, attached);
        std::string logs = infoLog(handle);
        for (GLsizei i = 0; i < count; ++i)
            logs += infoLog(attached[i]);
        EXPECT_TRUE(linked) << "program " << id << ":\n" << logs;
    }
}

// Textured quads are tinted through "colors" (program 0, which must ignore
// the current colour) and rain drops through the current colour (program 2).
TEST_F(ShaderProgramsGl, TextureIsMultipliedByItsTint) {
    texture(GL_TEXTURE0_ARB, 2, 1, std::vector<Rgba>{{200, 100, 40, 255}, {0, 200, 100, 255}});
    for (Default_Shader_Types id : {SIMPLE_TEXTURE, COLOR_WITH_TEXTURE}) {
        CShader& shader = program(id);
        shader.bind();
        setUniform4f(shader, "colors", 0.5f, 1.0f, 0.25f, 1.0f);
        id == SIMPLE_TEXTURE ? glColor4f(0, 0, 0, 1) : glColor4f(0.5f, 1.0f, 0.25f, 1.0f);
        quad(0, 0, kSize, kSize);
        shader.unbind();
        const Rgba left = TestWindow::pixel(kSize / 4, kSize / 2), right = TestWindow::pixel(3 * kSize / 4, kSize / 2);
        const Rgba expectedLeft{100, 100, 10, 255}, expectedRight{0, 200, 25, 255};
        for (int c = 0; c < 3; ++c) {
            EXPECT_NEAR(left[c], expectedLeft[c], 2) << "program " << id << " channel " << c;
            EXPECT_NEAR(right[c], expectedRight[c], 2) << "program " << id << " channel " << c;
        }
    }
}

// Per-vertex directional light on a red texture: faces turned to the light,
// at 60 degrees and away from it get full, half and no diffuse light.
TEST_F(ShaderProgramsGl, VertexLightingFollowsTheNormal) {
    texture(GL_TEXTURE0_ARB, 1, 1, std::vector<Rgba>{{255, 0, 0, 255}});
    setUpLight0();
    program(DIR_PER_VERTEX_TEX).bind();
    const float third = kSize / 3.0f;
    const float normals[3][3] = {{0, 0, 1}, {0.8660254f, 0, 0.5f}, {0, 0, -1}};
    const int expected[3] = {255, litValue(0.5f), litValue(0.0f)};
    for (int i = 0; i < 3; ++i) {
        glNormal3fv(normals[i]);
        quad(i * third, 0, (i + 1) * third, kSize);
    }
    program(DIR_PER_VERTEX_TEX).unbind();
    for (int i = 0; i < 3; ++i) {
        const Rgba p = TestWindow::pixel(static_cast<int>((i + 0.5f) * third), kSize / 2);
        EXPECT_NEAR(p[0], expected[i], 3) << "face " << i;
        EXPECT_EQ(p[1], 0) << "the texture must modulate the light, face " << i;
    }
}

namespace {

// Loads texture matrix 1 as the shadow pass does, here for the 2D window: eye
// x maps to s = sScale * x + sOffset, y to t = y / kSize, z to r = 0.5 + 0.5 z.
// Then draws white, lit strips from y0 to y1 at eye depth z with the program.
void drawShadowReceivers(CShader& shader, float sScale, float sOffset,
                         std::initializer_list<std::array<float, 3>> strips) {
    const GLfloat m[16] = {sScale, 0, 0, 0, 0, 1.0f / kSize, 0, 0, 0, 0, 0.5f, 0, sOffset, 0, 0.5f, 1};
    glActiveTextureARB(GL_TEXTURE1_ARB);
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(m);
    glMatrixMode(GL_MODELVIEW);
    glActiveTextureARB(GL_TEXTURE0_ARB);
    glClear(GL_COLOR_BUFFER_BIT);
    shader.bind();
    shader.setUniform1i("shadowMap", 1);
    glNormal3f(0, 0, 1);
    for (const auto& [y0, y1, z] : strips) {
        glPushMatrix();
        glTranslatef(0, 0, z);
        quad(0, y0, kSize, y1);
        glPopMatrix();
    }
    shader.unbind();
}

}  // namespace

// With a stored depth of 0.5, a receiver in front of it (r = 0.3) is lit and
// one behind it (r = 0.7) keeps only the ambient light; the depth follows the
// eye-space position. Across an edge between lit and occluded texels (the
// window spans 16 texels there) the filtered program passes through values in
// between, while the single-tap one switches at once.
TEST_F(ShaderProgramsGl, ShadowMapsCompareTheEyeSpaceDepth) {
    grey(255, GL_TEXTURE0_ARB);
    std::vector<float> edgeDepths(512 * 8);
    for (size_t i = 0; i < edgeDepths.size(); ++i)
        edgeDepths[i] = (i % 512) < 256 ? 1.0f : 0.0f;
    const GLuint flat = texture(GL_TEXTURE1_ARB, 512, 8, std::vector<float>(512 * 8, 0.5f));
    const GLuint edge = texture(GL_TEXTURE1_ARB, 512, 8, edgeDepths);
    setUpLight0();
    const int shadowed = litValue(0.0f);

    for (Default_Shader_Types id : {SHADOW_MAP, SHADOW_MAP_PCF}) {
        SCOPED_TRACE(id == SHADOW_MAP ? "single tap" : "filtered");
        bindTexture(GL_TEXTURE1_ARB, flat);
        drawShadowReceivers(program(id), 1.0f / kSize, 0.0f, {{0, kSize / 2, -0.4f}, {kSize / 2, kSize, 0.4f}});
        EXPECT_GE(TestWindow::pixel(kSize / 2, kSize / 4)[0], 250);
        EXPECT_NEAR(TestWindow::pixel(kSize / 2, 3 * kSize / 4)[0], shadowed, 3);

        bindTexture(GL_TEXTURE1_ARB, edge);
        drawShadowReceivers(program(id), 16.0f / 512 / kSize, 0.5f - 8.0f / 512, {{0, kSize, 0.0f}});
        int between = 0;
        for (int x = 0; x < kSize; ++x) {
            const int red = TestWindow::pixel(x, kSize / 2)[0];
            between += red > shadowed + 20 && red < 235;
        }
        EXPECT_GE(TestWindow::pixel(0, kSize / 2)[0], 250);
        EXPECT_NEAR(TestWindow::pixel(kSize - 1, kSize / 2)[0], shadowed, 3);
        if (id == SHADOW_MAP_PCF)
            EXPECT_GE(between, 4);
        else
            EXPECT_EQ(between, 0);
    }
}

// Seen obliquely from the +u (or +v) side, a raised surface shows texels
// further along +u (+v) and a sunken one texels further back; mid grey is the
// face itself. The square in z = 0 (u along +x, v along +y) shows only
// coordinates 0.4..0.6 of a colour map that is black below 0.5 and white
// above along u or v, so small shifts of the lookup cover many pixels.
TEST_F(ShaderProgramsGl, ParallaxShiftsTheLookupTowardsTheEye) {
    CShader& parallax = program(PARALLAX_MAP);
    const GLuint heights[3] = {grey(0), grey(128), grey(255)};  // sunken, flat, raised
    for (const bool alongU : {true, false}) {
        SCOPED_TRACE(alongU ? "along u" : "along v");
        std::vector<Rgba> texels;
        for (int v = 0; v < 64; ++v)
            for (int u = 0; u < 64; ++u) {
                const std::uint8_t level = (alongU ? u : v) >= 32 ? 255 : 0;
                texels.push_back({level, level, level, 255});
            }
        texture(GL_TEXTURE0_ARB, 64, 64, texels);
        const float eyeX = alongU ? 1.5f : 0.0f, eyeY = alongU ? 0.0f : 1.5f;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(60.0, 1.0, 0.1, 10.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(eyeX, eyeY, 1.5, 0, 0, 0, 0, 1, 0);

        int white[3] = {};
        for (int height = 0; height < 3; ++height) {
            bindTexture(GL_TEXTURE1_ARB, heights[height]);
            glClear(GL_COLOR_BUFFER_BIT);
            parallax.bind();
            parallax.setUniform1i("testTexture", 0);
            parallax.setUniform1i("HeightTexture", 1);
            setUniform4f(parallax, "Eye", eyeX, eyeY, 1.5f, 1.0f);
            setUniform4f(parallax, "Tangent", 1, 0, 0, 0);
            setUniform4f(parallax, "BiNormal", 0, -1, 0, 0);  // the model loader's binormal points along -v
            setUniform4f(parallax, "Normal", 0, 0, 1, 0);
            quad(-1, -1, 1, 1, 0.4f, 0.4f, 0.6f, 0.6f);
            parallax.unbind();
            const auto pixels = TestWindow::pixels();
            for (size_t i = 0; i < pixels.size(); i += 4)
                white[height] += pixels[i] > 128;
        }
        EXPECT_GT(white[1], 100);
        EXPECT_GT(white[2], white[1] + 20);
        EXPECT_LT(white[0], white[1] - 20);
    }
}

namespace {

// The console text between a progress line and the next one.
std::string reportAfter(const std::string& out, const std::string& progress) {
    const size_t line = out.find(progress + "\n");
    if (line == std::string::npos)
        return "";
    const size_t from = line + progress.size() + 1;
    return out.substr(from, out.find("Loading ", from) - from);
}

}  // namespace

// A source that does not compile and a pair that does not link are each
// reported right after their progress line, with the file names and the
// driver's log. They keep their ids with program 0, so binding one selects
// fixed-function rendering rather than leaving the previous program on.
TEST(ShaderBuildFailures, ReportedWithTheDriversLogAndKeepTheirIds) {
    namespace fs = std::filesystem;
    ASSERT_TRUE(TestWindow::open(kSize, kSize));
    const fs::path dir = fs::path(ImageMagick::tempDir()) / "broken";
    fs::create_directories(dir / "shaders");
    fs::copy("shaders", dir / "shaders", fs::copy_options::recursive);
    std::ofstream(dir / "shaders/color.frag") << "void main() { gl_FragColor = notDeclared; }\n";
    std::ofstream(dir / "shaders/toonf2.vert") << "void helper() {}\n";  // compiles; nothing to run
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    CShaderManager manager;
    testing::internal::CaptureStdout();
    manager.loadBuiltInShaders();
    const std::string out = testing::internal::GetCapturedStdout();
    fs::current_path(previous);

    const std::string compile = reportAfter(out, "Loading simple color shader...");
    EXPECT_EQ(compile.rfind("\nCannot compile fragment shader: shaders/color.frag\n", 0), 0u) << out;
    EXPECT_NE(compile.find("notDeclared"), std::string::npos) << compile;
    const std::string link = reportAfter(out, "Loading Toon shader...");
    EXPECT_EQ(link.rfind("\nCannot link shader program of shaders/toonf2.vert and shaders/toonf2.frag:\n", 0), 0u)
        << out;
    EXPECT_NE(link.find("main"), std::string::npos) << link;
    EXPECT_EQ(out.find("Cannot ", out.find("Cannot ", out.find("Cannot ") + 1) + 1), std::string::npos) << out;

    ASSERT_EQ(manager.getCount(), BUILT_IN_SHADER_COUNT);
    for (int id = 0; id < manager.getCount(); ++id)
        EXPECT_EQ(manager.getShader(id)->getProgram() == 0, id == COLOR || id == TOON) << "program " << id;
    manager.getShader(SIMPLE_TEXTURE)->bind();
    manager.getShader(COLOR)->bind();
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}
