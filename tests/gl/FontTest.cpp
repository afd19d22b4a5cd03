#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "core/EngineGlobals.h"
#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255};
const int kCell = 8;  // texels per glyph cell side

// A 128 x 128 font image (32-bit TGA, bottom row first) whose cells are
// transparent except: set 0 'A' opaque white, set 0 'B' white at half
// opacity, set 1 'A' opaque red, set 1 'B' red at half opacity.
std::string writeFontImage() {
    const int side = 16 * kCell;
    std::vector<std::uint8_t> bgra(std::size_t(side) * side * 4, 0);
    auto fillCell = [&](int cell, bool red, std::uint8_t alpha) {
        const int left = cell % 16 * kCell, top = cell / 16 * kCell;
        for (int y = top; y < top + kCell; ++y)
            for (int x = left; x < left + kCell; ++x) {
                std::uint8_t* p = &bgra[(std::size_t(side - 1 - y) * side + x) * 4];
                p[0] = red ? 0 : 255;
                p[1] = red ? 0 : 255;
                p[2] = 255;
                p[3] = alpha;
            }
    };
    fillCell('A' - 32, false, 255);
    fillCell('B' - 32, false, 128);
    fillCell('A' - 32 + 128, true, 255);
    fillCell('B' - 32 + 128, true, 128);
    Bytes file;
    file.u8(0).u8(0).u8(2).fill(9, 0).u16(side).u16(side).u8(32).u8(8).raw(bgra);
    return ImageMagick::writeFile("font.tga", file.data);
}

// Everything a print may touch.
struct GlState {
    std::array<GLboolean, 5> enabled{};
    GLint blendSrc = 0, blendDst = 0, matrixMode = 0, activeUnit = 0, program = 0, listBase = 0;
    std::array<GLint, 2> bindings{};
    std::array<GLfloat, 16> projection{}, modelview{};
    std::array<GLfloat, 4> colour{};
    std::array<GLint, 4> viewport{};

    static GlState read() {
        GlState s;
        const GLenum caps[] = {GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_SCISSOR_TEST, GL_TEXTURE_2D};
        for (std::size_t i = 0; i < s.enabled.size(); ++i)
            s.enabled[i] = glIsEnabled(caps[i]);
        glGetIntegerv(GL_BLEND_SRC, &s.blendSrc);
        glGetIntegerv(GL_BLEND_DST, &s.blendDst);
        glGetIntegerv(GL_MATRIX_MODE, &s.matrixMode);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &s.activeUnit);
        glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
        glGetIntegerv(GL_LIST_BASE, &s.listBase);
        for (int unit = 0; unit < 2; ++unit) {
            glActiveTexture(GL_TEXTURE0 + unit);
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.bindings[unit]);
        }
        glActiveTexture(static_cast<GLenum>(s.activeUnit));
        glGetFloatv(GL_PROJECTION_MATRIX, s.projection.data());
        glGetFloatv(GL_MODELVIEW_MATRIX, s.modelview.data());
        glGetFloatv(GL_CURRENT_COLOR, s.colour.data());
        glGetIntegerv(GL_VIEWPORT, s.viewport.data());
        return s;
    }
    bool operator==(const GlState& o) const {
        return enabled == o.enabled && blendSrc == o.blendSrc && blendDst == o.blendDst &&
               matrixMode == o.matrixMode && activeUnit == o.activeUnit && program == o.program &&
               listBase == o.listBase && bindings == o.bindings && projection == o.projection &&
               modelview == o.modelview && colour == o.colour && viewport == o.viewport;
    }
};

class FontGl : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(256, 64));
        EngineGlobals::shaderManager = BuiltInShaders::get();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        static const std::string path = writeFontImage();
        font = std::make_unique<CFont>();
        ASSERT_TRUE(font->load(path));
    }
    void TearDown() override {
        font.reset();
        EngineGlobals::shaderManager = nullptr;
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    std::unique_ptr<CFont> font;
};

// How many columns of row y are lit (red channel above half).
int litColumns(int y) {
    int count = 0;
    for (int x = 0; x < TestWindow::width(); ++x)
        count += TestWindow::pixel(x, y)[0] > 128;
    return count;
}
}  // namespace

// Text lands at window pixels whatever projection and modelview the frame
// uses: each glyph a 16 x 16 quad, the pen advancing by 12.
TEST_F(FontGl, GlyphsLandAtWindowPixels) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-1, 1, -1, 1, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(3, 4, -5);
    EXPECT_TRUE(font->print(10, 20, FONT_NORMAL, "AA"));
    EXPECT_GT(TestWindow::pixel(14, 24)[0], 240);
    EXPECT_GT(TestWindow::pixel(33, 33)[0], 240);  // second glyph: x 22..37
    EXPECT_EQ(TestWindow::pixel(39, 28), kBlack);
    EXPECT_EQ(TestWindow::pixel(14, 37), kBlack);
    EXPECT_EQ(TestWindow::pixel(8, 24), kBlack);
    EXPECT_EQ(litColumns(28), 28);

    // Ten glyphs at scale 2: 240 pixels of advance, glyphs 32 high.
    glClear(GL_COLOR_BUFFER_BIT);
    font->print(0, 0, FONT_NORMAL, 1, 1, 1, 1, 2, 2, "AAAAAAAAAA");
    EXPECT_GT(TestWindow::pixel(244, 16)[0], 240);  // last glyph: x 216..247
    EXPECT_EQ(TestWindow::pixel(249, 16), kBlack);
    EXPECT_GT(TestWindow::pixel(230, 26)[0], 240);  // y 0..31
    EXPECT_EQ(TestWindow::pixel(230, 33), kBlack);
}

// The colour comes through the program: stored colours are kept red,
// blue, green, alpha; the forms with three colour values use alpha 1.
TEST_F(FontGl, ColoursOfThePrintForms) {
    font->setColor(FontColor{1.0f, 0.0f, 0.5f, 1.0f});
    font->print(CVector2(0, 0), FONT_NORMAL, "A");
    Rgba p = TestWindow::pixel(8, 8);
    EXPECT_EQ(p[0], 255);
    EXPECT_NEAR(p[1], 128, 2);
    EXPECT_EQ(p[2], 0);

    glEnable(GL_BLEND);  // left on by the caller; the print must keep it
    font->setColor(0, 0, 1, 0.0f);
    font->print(20, 0, FONT_NORMAL, 0, 1, 0, "A");  // alpha 1, not the stored 0
    EXPECT_EQ(TestWindow::pixel(28, 8), (Rgba{0, 255, 0, 255}));
    font->print(CVector2(40, 0), FONT_NORMAL, "A");  // stored alpha 0: invisible
    EXPECT_EQ(TestWindow::pixel(48, 8), kBlack);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    glDisable(GL_BLEND);
}

// Bold sets draw the glyph twice, one pixel apart: a half-transparent glyph
// gets denser and one column wider. Sets above 3 act as 3.
TEST_F(FontGl, BoldSetsDrawTwoPasses) {
    font->print(0, 0, FONT_NORMAL, "B");
    EXPECT_NEAR(TestWindow::pixel(8, 8)[0], 128, 3);
    glClear(GL_COLOR_BUFFER_BIT);
    font->print(0, 0, FONT_NORMAL_BOLD, "B");
    EXPECT_NEAR(TestWindow::pixel(8, 8)[0], 191, 3);

    glClear(GL_COLOR_BUFFER_BIT);
    font->print(0, 0, 7, 1, 1, 1, 1, 1, 1, "B");
    const Rgba bold = TestWindow::pixel(8, 8);
    EXPECT_NEAR(bold[0], 191, 3);  // second style: red
    EXPECT_EQ(bold[1], 0);
    EXPECT_GT(TestWindow::pixel(16, 8)[0], 0);   // the second pass reaches one column further
    EXPECT_EQ(TestWindow::pixel(17, 8), kBlack);
    glClear(GL_COLOR_BUFFER_BIT);
    font->print(0, 0, FONT_ALTERNATE, "B");
    EXPECT_EQ(TestWindow::pixel(16, 8), kBlack);
}

// A print leaves every piece of state it touches as it found it, from two
// opposite starting points; an empty text touches nothing at all.
TEST_F(FontGl, PrintLeavesTheStateAsFound) {
    CShader* other = BuiltInShaders::get()->getShader(COLOR);
    GLuint names[2];
    glGenTextures(2, names);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, names[1]);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, names[0]);
    glActiveTexture(GL_TEXTURE1);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glBlendFunc(GL_ONE, GL_ZERO);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-3, 3, -2, 2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(3, 4, 5);
    glMatrixMode(GL_TEXTURE);
    glListBase(7);
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    other->bind();
    const GlState lit = GlState::read();
    font->print(5, 5, FONT_ALTERNATE_BOLD, "AB");
    EXPECT_TRUE(GlState::read() == lit);
    other->unbind();

    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glEnable(GL_SCISSOR_TEST);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
    const GlState plain = GlState::read();
    font->print(5, 5, FONT_NORMAL, "A");
    EXPECT_TRUE(GlState::read() == plain);

    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<std::uint8_t> before = TestWindow::pixels();
    EXPECT_TRUE(font->print(5, 5, FONT_NORMAL, ""));
    EXPECT_TRUE(GlState::read() == plain);
    EXPECT_EQ(TestWindow::pixels(), before);

    glDisable(GL_BLEND);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_TEXTURE_2D);
    glBlendFunc(GL_ONE, GL_ZERO);
    glActiveTexture(GL_TEXTURE0);
    glDeleteTextures(2, names);
    TestWindow::open(256, 64);
}

// Codes without a glyph print blank: they neither call display lists that
// belong to something else nor borrow the other set's glyphs.
TEST_F(FontGl, CodesOutsideTheGlyphRangePrintBlank) {
    // Full-window red quads in lists just below and just above the font's.
    auto redLists = [](GLsizei n) {
        const GLuint first = glGenLists(n);
        for (GLsizei i = 0; i < n; ++i) {
            glNewList(first + i, GL_COMPILE);
            glDisable(GL_TEXTURE_2D);
            glRectf(-1000, -1000, 1000, 1000);
            glEndList();
        }
        return first;
    };
    font.reset();
    const GLuint below = redLists(64);
    font = std::make_unique<CFont>();
    ASSERT_TRUE(font->load(ImageMagick::tempDir() + "/font.tga"));
    const GLuint above = redLists(200);
    ASSERT_EQ(font->getListBase(), below + 64);
    ASSERT_EQ(above, font->getListBase() + 256);

    const std::string codes = std::string("\x05\x1F") + char(161) + char(200) + char(255) + "A";
    font->print(0, 0, FONT_NORMAL, codes);
    font->print(0, 30, FONT_ALTERNATE, codes);
    EXPECT_EQ(litColumns(20), 0);
    EXPECT_GT(TestWindow::pixel(66, 8)[0], 240);  // 'A' after five blanks
    EXPECT_EQ(TestWindow::pixel(58, 8), kBlack);
    EXPECT_EQ(TestWindow::pixel(30, 8), kBlack);  // code 161 does not borrow set 1's glyph
    glDeleteLists(below, 64);
    glDeleteLists(above, 200);
}

// Fonts are numbered from 1; 0 or a number past the end give the last one.
// A font whose image is missing still loads its lists and prints nothing
// harmful.
TEST_F(FontGl, ManagerNumbersFontsFromOne) {
    CFontManager manager;
    EXPECT_EQ(manager.getFont(1), nullptr);
    testing::internal::CaptureStdout();
    manager.loadFont(ImageMagick::tempDir() + "/font.tga");
    manager.loadFont("no/such/font.tga");
    const std::string transcript = testing::internal::GetCapturedStdout();
    EXPECT_EQ(transcript, "Loading Font: " + ImageMagick::tempDir() +
                              "/font.tga\nLoading Font: no/such/font.tga\n"
                              "\nCould not open texture file: no/such/font.tga");
    ASSERT_EQ(manager.getCount(), 2u);
    CFont* first = manager.getFont(1);
    CFont* last = manager.getFont(2);
    EXPECT_NE(first, last);
    EXPECT_EQ(manager.getFont(0), last);
    EXPECT_EQ(manager.getFont(3), last);
    EXPECT_NE(first->getTextureId(), 0u);
    EXPECT_EQ(last->getTextureId(), 0u);
    EXPECT_NE(last->getListBase(), 0u);
    EXPECT_TRUE(last->print(0, 0, FONT_NORMAL, "A"));
}
