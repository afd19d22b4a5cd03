#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "graphics/CFont.h"
#include "graphics/CFontManager.h"
#include "graphics/CShader.h"
#include "graphics/CShaderManager.h"
#include "runtime/EngineGlobals.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"
#include "support/SlotGuard.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255};

// A 128 x 128 font image (8 x 8 texels a cell), transparent except set 0
// 'A' white, set 0 'B' white at half opacity, set 1 'A' red, set 1 'B' red
// at half opacity.
const std::string& fontImage() {
    static const std::string path = [] {
        std::vector<std::uint8_t> bgra(128 * 128 * 4, 0);
        auto cell = [&](int index, bool red, std::uint8_t alpha) {
            for (int y = index / 16 * 8; y < index / 16 * 8 + 8; ++y)
                for (int x = index % 16 * 8; x < index % 16 * 8 + 8; ++x) {
                    std::uint8_t* p = &bgra[(std::size_t(127 - y) * 128 + x) * 4];  // bottom row first
                    p[0] = p[1] = red ? 0 : 255;
                    p[2] = 255;
                    p[3] = alpha;
                }
        };
        cell('A' - 32, false, 255);
        cell('B' - 32, false, 128);
        cell('A' - 32 + 128, true, 255);
        cell('B' - 32 + 128, true, 128);
        return ImageMagick::writeFile("font.tga",
                                      Bytes().raw({0, 0, 2}).fill(9, 0).u16(128).u16(128).u8(32).u8(8).raw(bgra).data);
    }();
    return path;
}

// Everything a print may touch, as numbers.
std::vector<double> glSnapshot() {
    std::vector<double> s;
    for (GLenum cap : {GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_SCISSOR_TEST, GL_TEXTURE_2D})
        s.push_back(glIsEnabled(cap));
    GLint active = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &active);
    for (GLenum unit : {GL_TEXTURE0, GL_TEXTURE1}) {
        glActiveTexture(unit);
        GLint binding = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &binding);
        s.push_back(binding);
    }
    glActiveTexture(static_cast<GLenum>(active));
    for (GLenum name :
         {GL_ACTIVE_TEXTURE, GL_BLEND_SRC, GL_BLEND_DST, GL_MATRIX_MODE, GL_CURRENT_PROGRAM, GL_LIST_BASE}) {
        GLint value = 0;
        glGetIntegerv(name, &value);
        s.push_back(value);
    }
    for (GLenum name : {GL_PROJECTION_MATRIX, GL_MODELVIEW_MATRIX, GL_CURRENT_COLOR, GL_VIEWPORT}) {
        GLfloat values[16] = {};
        glGetFloatv(name, values);
        s.insert(s.end(), values, values + 16);
    }
    return s;
}

// Columns of row y whose red is above half.
int litColumns(int y) {
    int count = 0;
    for (int x = 0; x < TestWindow::width(); ++x)
        count += TestWindow::pixel(x, y)[0] > 128;
    return count;
}

class FontGl : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(256, 64));
        shaderSlot.emplace(EngineGlobals::shaderManager, BuiltInShaders::get());
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        font = std::make_unique<CFont>();
        ASSERT_TRUE(font->load(fontImage()));
    }
    void TearDown() override {
        font.reset();
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    std::optional<SlotGuard<CShaderManager>> shaderSlot;  // the programs need the window
    std::unique_ptr<CFont> font;
};
}  // namespace

// Text lands at window pixels whatever projection the frame uses: glyphs
// 16 x 16, the pen advancing by 12; at scale 2 ten glyphs advance 240.
TEST_F(FontGl, GlyphsLandAtWindowPixels) {
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(3, 4, -5);
    EXPECT_TRUE(font->print(10, 20, FONT_NORMAL, "AA"));
    EXPECT_GT(TestWindow::pixel(14, 24)[0], 240);
    EXPECT_GT(TestWindow::pixel(33, 33)[0], 240);  // second glyph: x 22..37
    EXPECT_EQ(TestWindow::pixel(14, 37), kBlack);
    EXPECT_EQ(litColumns(28), 28);
    TestWindow::open(256, 64);

    glClear(GL_COLOR_BUFFER_BIT);
    font->print(0, 0, FONT_NORMAL, 1, 1, 1, 1, 2, 2, "AAAAAAAAAA");
    EXPECT_GT(TestWindow::pixel(244, 26)[0], 240);  // last glyph: x 216..247, y 0..31
    EXPECT_EQ(TestWindow::pixel(249, 16), kBlack);
    EXPECT_EQ(TestWindow::pixel(230, 33), kBlack);
}

// Colours reach the glyphs through the program (the stored record is kept
// red, blue, green, alpha; three-value forms use alpha 1). Bold sets draw
// twice, one pixel apart: a half-opaque glyph gets denser and wider. Sets
// above 3 act as 3.
TEST_F(FontGl, ColoursAndBoldSets) {
    font->setColor(FontColor{1.0f, 0.0f, 0.5f, 0.0f});
    font->print(20, 0, FONT_NORMAL, 0, 1, 0, "A");
    EXPECT_EQ(TestWindow::pixel(28, 8), (Rgba{0, 255, 0, 255}));
    font->setColor(FontColor{1.0f, 0.0f, 0.5f, 1.0f});
    font->print(CVector2(0, 0), FONT_NORMAL, "A");
    EXPECT_NEAR(TestWindow::pixel(8, 8)[1], 128, 2);
    EXPECT_EQ(TestWindow::pixel(8, 8)[2], 0);

    glClear(GL_COLOR_BUFFER_BIT);
    font->setColor(1, 1, 1, 1);
    font->print(0, 0, FONT_NORMAL, "B");
    font->print(0, 20, FONT_NORMAL_BOLD, "B");
    font->print(0, 40, 7, 1, 1, 1, 1, 1, 1, "B");
    EXPECT_NEAR(TestWindow::pixel(8, 8)[0], 128, 3);
    EXPECT_NEAR(TestWindow::pixel(8, 28)[0], 191, 3);
    EXPECT_EQ(TestWindow::pixel(16, 8), kBlack);
    EXPECT_GT(TestWindow::pixel(16, 28)[0], 0);
    EXPECT_EQ(TestWindow::pixel(8, 48)[1], 0);  // second style: red
    EXPECT_NEAR(TestWindow::pixel(8, 48)[0], 191, 3);
}

// A print leaves every piece of state it touches as it found it, from two
// opposite starting points; an empty text touches nothing at all.
TEST_F(FontGl, PrintLeavesTheStateAsFound) {
    GLuint names[2];
    glGenTextures(2, names);
    glBindTexture(GL_TEXTURE_2D, names[0]);
    glActiveTexture(GL_TEXTURE1);
    glBindTexture(GL_TEXTURE_2D, names[1]);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glBlendFunc(GL_ONE, GL_ZERO);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-3, 3, -2, 2, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(3, 4, 5);
    glMatrixMode(GL_TEXTURE);
    glListBase(7);
    glColor4f(0.2f, 0.3f, 0.4f, 0.5f);
    BuiltInShaders::get()->getShader(COLOR)->bind();
    std::vector<double> before = glSnapshot();
    font->print(5, 5, FONT_ALTERNATE_BOLD, "AB");
    EXPECT_EQ(glSnapshot(), before);

    glUseProgram(0);
    glActiveTexture(GL_TEXTURE0);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glEnable(GL_SCISSOR_TEST);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_DST_COLOR, GL_SRC_COLOR);
    before = glSnapshot();
    font->print(5, 5, FONT_NORMAL, "A");
    EXPECT_EQ(glSnapshot(), before);

    glClear(GL_COLOR_BUFFER_BIT);
    const std::vector<std::uint8_t> pixels = TestWindow::pixels();
    EXPECT_TRUE(font->print(5, 5, FONT_NORMAL, ""));
    EXPECT_EQ(glSnapshot(), before);
    EXPECT_EQ(TestWindow::pixels(), pixels);

    for (GLenum cap : {GL_BLEND, GL_SCISSOR_TEST, GL_TEXTURE_2D})
        glDisable(cap);
    glBlendFunc(GL_ONE, GL_ZERO);
    glDeleteTextures(2, names);
    TestWindow::open(256, 64);
}

// Codes without a glyph print blank: they neither call display lists that
// belong to something else nor borrow the other set's glyphs.
TEST_F(FontGl, CodesOutsideTheGlyphRangePrintBlank) {
    auto redLists = [](GLsizei n) {  // each fills the window red
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
    font->load(fontImage());
    const GLuint above = redLists(200);
    ASSERT_EQ(font->getListBase(), below + 64);
    ASSERT_EQ(above, font->getListBase() + 256);

    const std::string codes = std::string("\x05\x1F") + char(161) + char(200) + char(255) + "A";
    font->print(0, 0, FONT_NORMAL, codes);
    font->print(0, 30, FONT_ALTERNATE, codes);
    EXPECT_EQ(litColumns(20), 0);
    EXPECT_EQ(TestWindow::pixel(30, 8), kBlack);  // code 161 is not set 1's glyph
    EXPECT_GT(TestWindow::pixel(66, 8)[0], 240);  // 'A' after five blanks
    glDeleteLists(below, 64);
    glDeleteLists(above, 200);
}

// Fonts are numbered from 1; 0 or a number past the end give the last one.
// A font whose image is missing is still registered and prints harmlessly.
TEST_F(FontGl, ManagerNumbersFontsFromOne) {
    CFontManager manager;
    EXPECT_EQ(manager.getFont(1), nullptr);
    testing::internal::CaptureStdout();
    manager.loadFont(fontImage());
    manager.loadFont("no/such/font.tga");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loading Font: " + fontImage() +
                                                          "\nLoading Font: no/such/font.tga\n"
                                                          "\nCould not open texture file: no/such/font.tga");
    EXPECT_NE(manager.getFont(1), manager.getFont(2));
    EXPECT_EQ(manager.getFont(0), manager.getFont(2));
    EXPECT_EQ(manager.getFont(3), manager.getFont(2));
    EXPECT_TRUE(manager.getFont(2)->print(0, 0, FONT_NORMAL, "A"));
}
