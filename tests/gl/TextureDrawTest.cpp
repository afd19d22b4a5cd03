#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <SDL.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>

#include "core/EngineGlobals.h"
#include "graphics/CTexture.h"
#include "graphics/CTextureManager.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255}, kRed = {255, 0, 0, 255}, kGreen = {0, 255, 0, 255}, kBlue = {0, 0, 255, 255},
           kWhite = {255, 255, 255, 255};

// An 8 x 8 surface in four 4 x 4 quadrants: red, green over blue, white.
SDL_Surface* quadrantSurface() {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
    auto* p = static_cast<std::uint8_t*>(s->pixels);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const Rgba& c = y < 4 ? (x < 4 ? kRed : kGreen) : (x < 4 ? kBlue : kWhite);
            std::copy(c.begin(), c.end(), p + y * s->pitch + x * 4);
        }
    return s;
}

// The built-in programs and a texture registry in the engine's slots.
class TextureDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(64, 64));
        EngineGlobals::shaderManager = BuiltInShaders::get();
        EngineGlobals::textureManager = &registry;
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        texture = std::make_unique<CTexture>();
        texture->createFromSurface(quadrantSurface());
    }
    void TearDown() override {
        texture.reset();
        EngineGlobals::shaderManager = nullptr;
        EngineGlobals::textureManager = nullptr;
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    CTextureManager registry;
    std::unique_ptr<CTexture> texture;
};

std::string writeBmp(const std::string& name, SDL_Surface* surface) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    return path;
}
}  // namespace

// Scale 2 doubles the size about the top-left corner, which stays at the
// position; the image shows upright.
TEST_F(TextureDraw, DrawAtScaleTwoKeepsTheCorner) {
    texture->drawAt(10, 20, 2, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(10, 20), kRed);
    EXPECT_EQ(TestWindow::pixel(17, 27), kRed);
    EXPECT_EQ(TestWindow::pixel(18, 20), kGreen);
    EXPECT_EQ(TestWindow::pixel(10, 28), kBlue);
    EXPECT_EQ(TestWindow::pixel(25, 35), kWhite);
    EXPECT_EQ(TestWindow::pixel(26, 35), kBlack);
    EXPECT_EQ(TestWindow::pixel(25, 36), kBlack);
    EXPECT_EQ(TestWindow::pixel(9, 20), kBlack);

    glClear(GL_COLOR_BUFFER_BIT);
    texture->setPosX(3);
    texture->setPosY(4);
    texture->draw();
    EXPECT_EQ(TestWindow::pixel(3, 4), kRed);
    EXPECT_EQ(TestWindow::pixel(10, 11), kWhite);
    EXPECT_EQ(TestWindow::pixel(11, 11), kBlack);
}

// The left half of the image at half its width, and the top half.
TEST_F(TextureDraw, DrawRegionShowsTheRectangle) {
    texture->drawRegionAt(10, 10, TexRect{1, 0.5f, 0, 0}, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(10, 10), kRed);
    EXPECT_EQ(TestWindow::pixel(13, 17), kBlue);
    EXPECT_EQ(TestWindow::pixel(14, 10), kBlack);

    texture->drawRegion(CVector2(30, 30), TexRect{1, 1, 0.5f, 0}, 2, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(30, 30), kRed);
    EXPECT_EQ(TestWindow::pixel(45, 37), kGreen);
    EXPECT_EQ(TestWindow::pixel(30, 38), kBlack);
}

// A quarter turn moves each quadrant to the next corner around the image's
// own centre (counter-clockwise as OpenGL counts, clockwise on a y-down
// screen), whatever the position and scale.
TEST_F(TextureDraw, RotationTurnsAboutTheImageCentre) {
    texture->drawAt(20, 20, 1, 90, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(21, 21), kBlue);
    EXPECT_EQ(TestWindow::pixel(26, 21), kRed);
    EXPECT_EQ(TestWindow::pixel(26, 26), kGreen);
    EXPECT_EQ(TestWindow::pixel(21, 26), kWhite);
    EXPECT_EQ(TestWindow::pixel(28, 21), kBlack);

    glClear(GL_COLOR_BUFFER_BIT);
    texture->drawAt(CVector2(20, 20), 2, 180, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(21, 21), kWhite);
    EXPECT_EQ(TestWindow::pixel(34, 34), kRed);
    EXPECT_EQ(TestWindow::pixel(36, 36), kBlack);
}

// The tint reaches the picture through the program's "colors"; the
// texture's own opacity is used by drawAtRgb, and a texture never given one
// draws opaque.
TEST_F(TextureDraw, TintAndOpacity) {
    texture->drawAt(0, 0, 1, 0, 1, 0, 0, 1);
    EXPECT_EQ(TestWindow::pixel(6, 6), kRed);    // white tinted red
    EXPECT_EQ(TestWindow::pixel(6, 1), kBlack);  // green tinted red
    EXPECT_EQ(TestWindow::pixel(1, 1), kRed);

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_TRUE(std::isnan(texture->getAlpha()));
    texture->drawAtRgb(0, 0, 1, 0, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(6, 6), kWhite);
    texture->setAlpha(0.5f);
    glClear(GL_COLOR_BUFFER_BIT);
    texture->drawAtRgb(0, 0, 1, 0, 1, 1, 1);
    const Rgba mixed = TestWindow::pixel(6, 6);
    EXPECT_NEAR(mixed[0], 128, 2);
    EXPECT_EQ(mixed[2], 255);
    glDisable(GL_BLEND);
    glClearColor(0, 0, 0, 1);

    // The draw leaves the colour white and the modelview matrix as it was.
    float colour[4], modelview[16];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(colour[0] + colour[1] + colour[2], 3.0f);
    EXPECT_EQ(modelview[12], 0.0f);
}

// Surfaces of other formats (24-bit BGR rows with padding, 8-bit palette)
// upload with the right colours.
TEST_F(TextureDraw, LoadsFilesOfEveryPixelFormat) {
    SDL_Surface* bgr = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    auto* p = static_cast<std::uint8_t*>(bgr->pixels);
    const std::uint8_t rows[2][9] = {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {255, 255, 255, 0, 0, 0, 0, 0, 255}};
    for (int y = 0; y < 2; ++y)
        std::copy(rows[y], rows[y] + 9, p + y * bgr->pitch);
    testing::internal::CaptureStdout();
    CTexture fromFile(writeBmp("bgr.bmp", bgr));
    const std::string transcript = testing::internal::GetCapturedStdout();
    EXPECT_NE(transcript.find("\nLoading Texture: "), std::string::npos);
    EXPECT_EQ(fromFile.getWidth(), 3.0f);
    fromFile.drawAt(0, 0, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(0, 0), kRed);
    EXPECT_EQ(TestWindow::pixel(1, 0), kGreen);
    EXPECT_EQ(TestWindow::pixel(2, 0), kBlue);
    EXPECT_EQ(TestWindow::pixel(0, 1), kWhite);
    EXPECT_EQ(TestWindow::pixel(2, 1), kRed);

    const std::string palette = ImageMagick::tempDir() + "/palette.png";
    ASSERT_TRUE(ImageMagick::convert("-size 1x1 xc:lime xc:red +append -type palette PNG8:" + palette));
    testing::internal::CaptureStdout();
    CTexture paletted(palette);
    testing::internal::GetCapturedStdout();
    paletted.drawAt(10, 10, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(10, 10), kGreen);
    EXPECT_EQ(TestWindow::pixel(11, 10), kRed);
}

// A missing file is reported and leaves an empty texture: size 0, no name,
// nothing to reload, nothing registered.
TEST_F(TextureDraw, MissingFileLeavesAnEmptyTexture) {
    testing::internal::CaptureStdout();
    CTexture missing("no/such/image.png");
    CTexture missingWithAlpha("no/such/image.png", 0.5f);
    missing.reload();
    const std::string transcript = testing::internal::GetCapturedStdout();
    EXPECT_EQ(transcript.rfind("\nLoading Texture: no/such/image.png\nFailed to load the image: no/such/image.png\n"
                               "\nLoading Texture: ",
                               0),
              0u);
    EXPECT_EQ(missing.getTextureId(), 0u);
    EXPECT_EQ(missing.getWidth(), 0.0f);
    EXPECT_EQ(missingWithAlpha.getHeight(), 0.0f);
    EXPECT_EQ(missingWithAlpha.getAlpha(), 0.5f);
    EXPECT_TRUE(missing.getFileName().empty());
    EXPECT_EQ(registry.getCount(), 1);  // only the fixture's texture
}

// The registry keeps each texture once, forgets destroyed ones, and reloads
// everything from the files (new names, no duplicates).
TEST_F(TextureDraw, RegistryKeepsEachTextureOnce) {
    const std::string path = writeBmp("reg.bmp", quadrantSurface());
    testing::internal::CaptureStdout();
    auto a = std::make_unique<CTexture>(path);
    CTexture b(path);
    EXPECT_NE(a->getTextureId(), b.getTextureId());
    EXPECT_EQ(registry.getCount(), 3);
    registry.addTexture(&b);
    EXPECT_EQ(registry.getCount(), 3);

    const GLuint before = b.getTextureId();
    registry.reloadAll();
    EXPECT_EQ(registry.getCount(), 3);
    EXPECT_NE(b.getTextureId(), before);
    EXPECT_FALSE(glIsTexture(before));  // the old name is released
    a.reset();
    EXPECT_EQ(registry.getCount(), 2);
    EXPECT_EQ(registry.getTexture(1), &b);
    EXPECT_EQ(registry.getTexture(2), nullptr);
    testing::internal::GetCapturedStdout();
}
