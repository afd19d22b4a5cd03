#include <gtest/gtest.h>

#include "support/TestWindow.h"  // brings in GLEW, which must precede GLU

#include <GL/glu.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/EngineGlobals.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"

namespace {

constexpr int kSize = 64;
using Rgba = std::array<std::uint8_t, 4>;

// A nearest-sampled 2D texture (so any softening seen comes from the
// programs), created without disturbing the current bindings.
class GlTexture {
public:
    GlTexture(int width, int height, const std::vector<Rgba>& texels) {
        create([&] {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        });
    }
    // A depth texture set up for comparisons the way the shadow pass does it.
    GlTexture(int width, int height, const std::vector<float>& depths) {
        create([&] {
            glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT24, width, height, 0, GL_DEPTH_COMPONENT, GL_FLOAT,
                         depths.data());
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_MODE, GL_COMPARE_R_TO_TEXTURE);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_COMPARE_FUNC, GL_LEQUAL);
        });
    }
    ~GlTexture() { glDeleteTextures(1, &name); }
    GlTexture(const GlTexture&) = delete;
    GlTexture& operator=(const GlTexture&) = delete;

    void bindTo(GLenum unit) const {
        glActiveTextureARB(unit);
        glBindTexture(GL_TEXTURE_2D, name);
        glActiveTextureARB(GL_TEXTURE0_ARB);
    }

private:
    template <typename Fill>
    void create(Fill fill) {
        GLint previous = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &previous);
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        fill();
        glBindTexture(GL_TEXTURE_2D, previous);
    }

    GLuint name = 0;
};

GlTexture grey(std::uint8_t level) { return GlTexture(1, 1, std::vector<Rgba>{{level, level, level, 255}}); }

// Quad from (x0, y0) to (x1, y1) at depth z, texture coordinates u0..u1, v0..v1.
void quad(float x0, float y0, float x1, float y1, float z = 0, float u0 = 0, float v0 = 0, float u1 = 1,
          float v1 = 1) {
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex3f(x0, y0, z);
    glTexCoord2f(u1, v0);
    glVertex3f(x1, y0, z);
    glTexCoord2f(u1, v1);
    glVertex3f(x1, y1, z);
    glTexCoord2f(u0, v1);
    glVertex3f(x0, y1, z);
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
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
}

int litValue(float nDotL) { return static_cast<int>((0.1f + nDotL) * 255.0f + 0.5f); }

}  // namespace

// Loads the built-in programs once; each test restores the GL state it
// changes, since the context is shared with the other suites.
class ShaderProgramsGl : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!TestWindow::open(kSize, kSize))
            return;
        manager = std::make_unique<CShaderManager>();
        testing::internal::CaptureStdout();
        manager->loadBuiltInShaders();
        std::fflush(stdout);
        transcript = testing::internal::GetCapturedStdout();
    }
    static void TearDownTestSuite() { manager.reset(); }

    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(kSize, kSize));
        ASSERT_NE(manager, nullptr);
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        statePushed = true;
        // Start from plain drawing into the window, whatever earlier suites left.
        glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
        for (GLenum cap : {GL_DEPTH_TEST, GL_STENCIL_TEST, GL_CULL_FACE, GL_BLEND, GL_ALPHA_TEST, GL_SCISSOR_TEST,
                           GL_LIGHTING, GL_COLOR_MATERIAL})
            glDisable(cap);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glColor4f(1, 1, 1, 1);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override {
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

    static CShader& program(Default_Shader_Types id) { return *manager->getShader(id); }

    static std::unique_ptr<CShaderManager> manager;
    static std::string transcript;
    bool statePushed = false;
};

std::unique_ptr<CShaderManager> ShaderProgramsGl::manager;
std::string ShaderProgramsGl::transcript;

TEST_F(ShaderProgramsGl, AllBuiltInProgramsCompileAndLink) {
    EXPECT_EQ(transcript.find("Cannot Load"), std::string::npos) << transcript;
    ASSERT_EQ(manager->getCount(), 14);
    for (int id = 0; id < manager->getCount(); ++id) {
        const GLhandleARB handle = manager->getShader(id)->getProgram();
        ASSERT_NE(handle, 0u) << "program " << id;
        GLsizei count = 0;
        GLhandleARB attached[2] = {};
        glGetAttachedObjectsARB(handle, 2, &count, attached);
        ASSERT_EQ(count, 2) << "program " << id;
        for (GLhandleARB shader : attached) {
            GLint compiled = 0;
            glGetObjectParameterivARB(shader, GL_OBJECT_COMPILE_STATUS_ARB, &compiled);
            EXPECT_TRUE(compiled) << "program " << id << ":\n" << infoLog(shader);
        }
        GLint linked = 0;
        glGetObjectParameterivARB(handle, GL_OBJECT_LINK_STATUS_ARB, &linked);
        EXPECT_TRUE(linked) << "program " << id << ":\n" << infoLog(handle);
    }
}

// Textured quads are tinted through "colors" (program 0, which must ignore
// the current colour) and rain drops through the current colour (program 2).
TEST_F(ShaderProgramsGl, TextureIsMultipliedByItsTint) {
    const GlTexture texture(2, 1, std::vector<Rgba>{{200, 100, 40, 255}, {0, 200, 100, 255}});
    texture.bindTo(GL_TEXTURE0_ARB);
    for (Default_Shader_Types id : {SIMPLE_TEXTURE, COLOR_WITH_TEXTURE}) {
        CShader& shader = program(id);
        shader.bind();
        setUniform4f(shader, "colors", 0.5f, 1.0f, 0.25f, 1.0f);
        if (id == SIMPLE_TEXTURE)
            glColor4f(0, 0, 0, 1);
        else
            glColor4f(0.5f, 1.0f, 0.25f, 1.0f);
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
    const GlTexture red(1, 1, std::vector<Rgba>{{255, 0, 0, 255}});
    red.bindTo(GL_TEXTURE0_ARB);
    setUpLight0();
    program(DIR_PER_VERTEX_TEX).bind();
    const float third = kSize / 3.0f;
    const std::array<std::array<float, 3>, 3> normals{{{0, 0, 1}, {0.8660254f, 0, 0.5f}, {0, 0, -1}}};
    for (int i = 0; i < 3; ++i) {
        glNormal3fv(normals[i].data());
        quad(i * third, 0, (i + 1) * third, kSize);
    }
    program(DIR_PER_VERTEX_TEX).unbind();

    const std::array<int, 3> expected{255, litValue(0.5f), litValue(0.0f)};
    for (int i = 0; i < 3; ++i) {
        const Rgba p = TestWindow::pixel(static_cast<int>((i + 0.5f) * third), kSize / 2);
        EXPECT_NEAR(p[0], expected[i], 3) << "face " << i;
        EXPECT_EQ(p[1], 0) << "the texture must modulate the light, face " << i;
    }
}

namespace {

// Texture matrix 1 as the shadow pass loads it, here for the 2D window: eye
// x maps to s = sScale * x + sOffset, y to t = y / kSize, z to r = 0.5 + 0.5 z.
void loadShadowTextureMatrix(float sScale, float sOffset) {
    const GLfloat m[16] = {sScale, 0, 0, 0, 0, 1.0f / kSize, 0, 0, 0, 0, 0.5f, 0, sOffset, 0, 0.5f, 1};
    glActiveTextureARB(GL_TEXTURE1_ARB);
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(m);
    glMatrixMode(GL_MODELVIEW);
    glActiveTextureARB(GL_TEXTURE0_ARB);
}

// A white, lit strip from y0 to y1 drawn with a shadow program, moved to eye depth z.
void drawShadowReceiver(CShader& shader, float y0, float y1, float z) {
    shader.bind();
    shader.setUniform1i("shadowMap", 1);
    glNormal3f(0, 0, 1);
    glPushMatrix();
    glTranslatef(0, 0, z);
    quad(0, y0, kSize, y1);
    glPopMatrix();
    shader.unbind();
}

}  // namespace

// With a stored depth of 0.5, a receiver in front of it (r = 0.3) is lit and
// one behind it (r = 0.7) keeps only the ambient light; the depth follows the
// eye-space position. Across an edge between lit and occluded texels (the
// window spans 16 texels there) the filtered program passes through values in
// between, while the single-tap one switches at once.
TEST_F(ShaderProgramsGl, ShadowMapsCompareTheEyeSpaceDepth) {
    const GlTexture white = grey(255), flat(512, 8, std::vector<float>(512 * 8, 0.5f));
    std::vector<float> edgeDepths(512 * 8);
    for (size_t i = 0; i < edgeDepths.size(); ++i)
        edgeDepths[i] = (i % 512) < 256 ? 1.0f : 0.0f;
    const GlTexture edge(512, 8, edgeDepths);
    white.bindTo(GL_TEXTURE0_ARB);
    setUpLight0();
    const int shadowed = litValue(0.0f);

    for (Default_Shader_Types id : {SHADOW_MAP, SHADOW_MAP_PCF}) {
        flat.bindTo(GL_TEXTURE1_ARB);
        loadShadowTextureMatrix(1.0f / kSize, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        drawShadowReceiver(program(id), 0, kSize / 2, -0.4f);
        drawShadowReceiver(program(id), kSize / 2, kSize, 0.4f);
        EXPECT_GE(TestWindow::pixel(kSize / 2, kSize / 4)[0], 250) << "program " << id;
        EXPECT_NEAR(TestWindow::pixel(kSize / 2, 3 * kSize / 4)[0], shadowed, 3) << "program " << id;

        edge.bindTo(GL_TEXTURE1_ARB);
        loadShadowTextureMatrix(16.0f / 512 / kSize, 0.5f - 8.0f / 512);
        glClear(GL_COLOR_BUFFER_BIT);
        drawShadowReceiver(program(id), 0, kSize, 0.0f);
        int between = 0;
        for (int x = 0; x < kSize; ++x) {
            const int red = TestWindow::pixel(x, kSize / 2)[0];
            between += red > shadowed + 20 && red < 235;
        }
        EXPECT_GE(TestWindow::pixel(0, kSize / 2)[0], 250) << "program " << id;
        EXPECT_NEAR(TestWindow::pixel(kSize - 1, kSize / 2)[0], shadowed, 3) << "program " << id;
        if (id == SHADOW_MAP_PCF)
            EXPECT_GE(between, 4);
        else
            EXPECT_EQ(between, 0);
    }
}

namespace {

// Counts the white pixels of a parallax-mapped square in z = 0 (u along +x,
// v along +y) seen obliquely from (eyeX, eyeY, 1.5). The colour map is black
// below 0.5 and white above along u or v; the square shows only coordinates
// 0.4..0.6, so small shifts of the lookup cover many pixels.
int parallaxWhitePixels(CShader& shader, const GlTexture& heightMap, bool splitAlongU, float eyeX, float eyeY) {
    std::vector<Rgba> texels;
    for (int v = 0; v < 64; ++v)
        for (int u = 0; u < 64; ++u) {
            const std::uint8_t level = (splitAlongU ? u : v) >= 32 ? 255 : 0;
            texels.push_back({level, level, level, 255});
        }
    const GlTexture colourMap(64, 64, texels);
    colourMap.bindTo(GL_TEXTURE0_ARB);
    heightMap.bindTo(GL_TEXTURE1_ARB);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, 1.0, 0.1, 10.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eyeX, eyeY, 1.5, 0, 0, 0, 0, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT);

    shader.bind();
    shader.setUniform1i("testTexture", 0);
    shader.setUniform1i("HeightTexture", 1);
    setUniform4f(shader, "Eye", eyeX, eyeY, 1.5f, 1.0f);
    setUniform4f(shader, "Tangent", 1, 0, 0, 0);
    setUniform4f(shader, "BiNormal", 0, -1, 0, 0);  // the model loader's binormal points along -v
    setUniform4f(shader, "Normal", 0, 0, 1, 0);
    quad(-1, -1, 1, 1, 0, 0.4f, 0.4f, 0.6f, 0.6f);
    shader.unbind();

    const auto pixels = TestWindow::pixels();
    int white = 0;
    for (size_t i = 0; i < pixels.size(); i += 4)
        white += pixels[i] > 128;
    return white;
}

}  // namespace

// Seen from the +u (or +v) side, a raised surface shows texels further along
// +u (+v) and a sunken one texels further back; mid grey is the face itself.
TEST_F(ShaderProgramsGl, ParallaxShiftsTheLookupTowardsTheEye) {
    CShader& parallax = program(PARALLAX_MAP);
    const GlTexture sunken = grey(0), flat = grey(128), raised = grey(255);
    for (const bool alongU : {true, false}) {
        const float eyeX = alongU ? 1.5f : 0.0f, eyeY = alongU ? 0.0f : 1.5f;
        const int low = parallaxWhitePixels(parallax, sunken, alongU, eyeX, eyeY);
        const int mid = parallaxWhitePixels(parallax, flat, alongU, eyeX, eyeY);
        const int high = parallaxWhitePixels(parallax, raised, alongU, eyeX, eyeY);
        EXPECT_GT(mid, 100) << (alongU ? "along u" : "along v");
        EXPECT_GT(high, mid + 20) << (alongU ? "along u" : "along v");
        EXPECT_LT(low, mid - 20) << (alongU ? "along u" : "along v");
    }
}
