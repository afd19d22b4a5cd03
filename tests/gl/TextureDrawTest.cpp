#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <SDL.h>

#include <array>
#include <cmath>
#include <memory>
#include <optional>

#include "graphics/CTexture.h"
#include "graphics/CTextureManager.h"
#include "runtime/EngineGlobals.h"
#include "support/BuiltInShaders.h"
#include "support/ImageMagick.h"
#include "support/SlotGuard.h"

namespace {
using Rgba = std::array<std::uint8_t, 4>;
const Rgba kBlack = {0, 0, 0, 255}, kRed = {255, 0, 0, 255}, kGreen = {0, 255, 0, 255}, kBlue = {0, 0, 255, 255},
           kWhite = {255, 255, 255, 255};

// An 8 x 8 picture in 4 x 4 quadrants: red, green over blue, white.
SDL_Surface* quadrants() {
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, 8, 8, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const Rgba& c = y < 4 ? (x < 4 ? kRed : kGreen) : (x < 4 ? kBlue : kWhite);
            std::copy(c.begin(), c.end(), static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * 4);
        }
    return s;
}

std::string saveBmp(const std::string& name, SDL_Surface* surface) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    return path;
}

// The built-in programs and a texture registry in the engine's slots.
class TextureDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(TestWindow::open(64, 64));
        shaderSlot.emplace(EngineGlobals::shaderManager, BuiltInShaders::get());
        testing::internal::CaptureStdout();
        capturing = true;
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        texture = std::make_unique<CTexture>();
        texture->createFromSurface(quadrants());
    }
    void TearDown() override {
        if (capturing)
            testing::internal::GetCapturedStdout();
        texture.reset();
        EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
    }

    CTextureManager registry;
    SlotGuard<CTextureManager> registrySlot{EngineGlobals::textureManager, &registry};
    std::optional<SlotGuard<CShaderManager>> shaderSlot;  // the programs need the window
    std::unique_ptr<CTexture> texture;
    bool capturing = false;
};
}  // namespace

// Scale 2 doubles the picture about its top-left corner, which stays at the
// position; a region draw shows only its part (here the left half).
TEST_F(TextureDraw, ScaleAndRegion) {
    texture->drawAt(10, 20, 2, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(10, 20), kRed);
    EXPECT_EQ(TestWindow::pixel(18, 20), kGreen);
    EXPECT_EQ(TestWindow::pixel(10, 28), kBlue);
    EXPECT_EQ(TestWindow::pixel(25, 35), kWhite);
    EXPECT_EQ(TestWindow::pixel(26, 35), kBlack);
    EXPECT_EQ(TestWindow::pixel(25, 36), kBlack);

    glClear(GL_COLOR_BUFFER_BIT);
    texture->drawRegionAt(10, 10, TexRect{1, 0.5f, 0, 0}, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(13, 17), kBlue);
    EXPECT_EQ(TestWindow::pixel(14, 10), kBlack);
    texture->setPosX(40);
    texture->draw();
    EXPECT_EQ(TestWindow::pixel(47, 7), kWhite);
    EXPECT_EQ(TestWindow::pixel(48, 7), kBlack);
}

// A quarter turn moves each quadrant one corner on around the picture's own
// centre (counter-clockwise as OpenGL counts, clockwise on the y-down
// screen), at any position and scale.
TEST_F(TextureDraw, RotationTurnsAboutThePictureCentre) {
    texture->drawAt(20, 20, 1, 90, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(21, 21), kBlue);
    EXPECT_EQ(TestWindow::pixel(26, 21), kRed);
    EXPECT_EQ(TestWindow::pixel(26, 26), kGreen);
    EXPECT_EQ(TestWindow::pixel(28, 21), kBlack);
    glClear(GL_COLOR_BUFFER_BIT);
    texture->drawAt(CVector2(20, 20), 2, 180, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(21, 21), kWhite);
    EXPECT_EQ(TestWindow::pixel(34, 34), kRed);
    EXPECT_EQ(TestWindow::pixel(36, 36), kBlack);
}

// The tint reaches the picture through "colors"; drawAtRgb uses the
// texture's own opacity, and one never given an opacity draws opaque.
TEST_F(TextureDraw, TintAndOpacity) {
    texture->drawAt(0, 0, 1, 0, 1, 0, 0, 1);
    EXPECT_EQ(TestWindow::pixel(6, 6), kRed);    // white
    EXPECT_EQ(TestWindow::pixel(6, 1), kBlack);  // green

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    EXPECT_TRUE(std::isnan(texture->getAlpha()));
    texture->drawAtRgb(0, 0, 1, 0, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(6, 6), kWhite);
    texture->setAlpha(0.5f);
    texture->drawAtRgb(20, 0, 1, 0, 1, 1, 1);
    EXPECT_NEAR(TestWindow::pixel(26, 6)[0], 128, 2);
    glDisable(GL_BLEND);
    glClearColor(0, 0, 0, 1);
    float modelview[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    EXPECT_EQ(modelview[12], 0.0f);
}

// Files of other pixel formats (24-bit B, G, R rows with padding, 8-bit
// palette) show their own colours.
TEST_F(TextureDraw, FilesOfOtherPixelFormats) {
    SDL_Surface* bgr = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 1, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    const std::uint8_t row[9] = {0, 0, 255, 0, 255, 0, 255, 0, 0};
    std::copy(row, row + 9, static_cast<std::uint8_t*>(bgr->pixels));
    CTexture fromBmp(saveBmp("bgr.bmp", bgr));
    fromBmp.drawAt(0, 0, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(0, 0), kRed);
    EXPECT_EQ(TestWindow::pixel(2, 0), kBlue);

    const std::string png = ImageMagick::tempDir() + "/palette.png";
    ASSERT_TRUE(ImageMagick::convert("-size 1x1 xc:lime xc:red +append -type palette PNG8:" + png));
    CTexture paletted(png);
    paletted.drawAt(10, 10, 1, 0, 1, 1, 1, 1);
    EXPECT_EQ(TestWindow::pixel(10, 10), kGreen);
    EXPECT_EQ(TestWindow::pixel(11, 10), kRed);
}

// A missing file leaves an empty texture (size 0, no name, nothing to
// reload). The registry keeps each texture once, reloads them with new
// names (releasing the old ones) and forgets destroyed ones.
TEST_F(TextureDraw, MissingFilesAndTheRegistry) {
    testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    CTexture missing("no/such/image.png", 0.5f);
    missing.reload();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\nLoading Texture: no/such/image.png\nFailed to load the image: no/such/image.png\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(missing.getTextureId(), 0u);
    EXPECT_EQ(missing.getWidth(), 0.0f);
    EXPECT_EQ(missing.getAlpha(), 0.5f);

    const std::string path = saveBmp("reg.bmp", quadrants());
    auto a = std::make_unique<CTexture>(path);
    CTexture b(path);
    EXPECT_NE(a->getTextureId(), b.getTextureId());
    registry.addTexture(&b);
    EXPECT_EQ(registry.getCount(), 3);
    const GLuint before = b.getTextureId();
    registry.reloadAll();
    EXPECT_EQ(registry.getCount(), 3);
    EXPECT_NE(b.getTextureId(), before);
    EXPECT_FALSE(glIsTexture(before));
    a.reset();
    EXPECT_EQ(registry.getCount(), 2);
    EXPECT_EQ(registry.getTexture(1), &b);
}
