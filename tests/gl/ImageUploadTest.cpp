#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <cstring>
#include <vector>

#include "core/CUtils.h"
#include "graphics/CTGALoader.h"
#include "graphics/TextureUpload.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// Level 0 of a texture, tightly packed, in its row order.
std::vector<std::uint8_t> level0(GLuint name, int channels) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * channels);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, channels == 4 ? GL_RGBA : GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glDeleteTextures(1, &name);
    return pixels;
}

// A 16 x 8 file written by ImageMagick and its pixels, rows bottom first
// unless topFirst.
struct Picture {
    std::string path;
    std::vector<std::uint8_t> pixels;
};
Picture picture(const std::string& name, const std::string& options, int channels, bool topFirst = false) {
    Picture p{ImageMagick::tempDir() + "/" + name, {}};
    EXPECT_TRUE(ImageMagick::convert("rose: -crop 16x8+20+20 +repage " + options + p.path));
    ImageMagick::Reference ref;
    EXPECT_TRUE(ImageMagick::reference(p.path, ref));
    for (int row = 0; row < 8; ++row)
        for (int i = 0; i < 16 * 4; ++i)
            if (i % 4 < channels)
                p.pixels.push_back(ref.rgba[(topFirst ? row : 7 - row) * 16 * 4 + i]);
    return p;
}
}  // namespace

// The utilities' loaders pick the reader by name: the engine's readers give
// the rows bottom first, SDL_image top first; unreadable files give 0.
TEST(ImageUpload, UtilitiesLoadEveryKind) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    CUtils utils;
    const Picture bmp = picture("u8.bmp", "-colors 200 -type palette -compress RLE BMP3:", 3);
    const Picture pcx = picture("u24.pcx", "-type TrueColor ", 3);
    const Picture png = picture("u32.png", "-alpha set -channel A -fx i/w +channel ", 4, true);
    const Picture sdlBmp = picture("s24.bmp", "-type TrueColor BMP3:", 3);
    testing::internal::CaptureStdout();
    EXPECT_EQ(level0(utils.loadTexture(bmp.path), 3), bmp.pixels);
    EXPECT_EQ(level0(utils.loadTexture(pcx.path), 3), pcx.pixels);
    EXPECT_EQ(level0(utils.loadTexture(png.path), 4), png.pixels);
    EXPECT_EQ(level0(utils.loadBmpTexture(sdlBmp.path), 3), sdlBmp.pixels);
    EXPECT_EQ(utils.loadTexture("no/such/picture.png"), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Texels size: nem 8 bit: 384\nIMG Load utan...\nLoading Texture: " + sdlBmp.path +
                  "\nIMG Load utan...\nFailed to load the image: no/such/picture.png\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(utils.loadTexture("no/such/picture.bmp"), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "error: couldn't open \"no/such/picture.bmp\"!\n");
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}

// A TGA texture keeps its exact size and file row order; rows of an odd
// width are not read past their end.
TEST(ImageUpload, TgaTextureOfOddWidth) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    Bytes file;
    file.raw({0, 0, 2}).fill(9, 0).u16(5).u16(3).u8(24).u8(0);
    std::vector<std::uint8_t> expected;
    for (unsigned i = 0; i < 15; ++i) {
        file.u8(i).u8(100 + i).u8(200 + i);
        expected.insert(expected.end(), {std::uint8_t(200 + i), std::uint8_t(100 + i), std::uint8_t(i)});
    }
    CTGALoader loader;
    ASSERT_TRUE(loader.load(ImageMagick::writeFile("odd.tga", file.data)));
    EXPECT_EQ(level0(loader.textureId, 3), expected);
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Every layout the readers produce goes up as it is: B, G, R orders, rows
// padded to four bytes or not (rows of two pixels of three bytes are not
// aligned), the unused byte of 32-bit BMP rows, palette indices. Whether
// mipmapped or not, handed over as rows or as an image to pack in place,
// level 0 holds the picture's R, G, B (, A), bottom row first.
TEST(ImageUpload, DecodedLayoutsGoUpAsTheyAre) {
    ASSERT_TRUE(TestWindow::open(64, 64));
    const std::uint8_t rgba[4][4] = {{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 100, 110, 120}, {130, 140, 150, 1}};
    for (PixelLayout layout : {PixelLayout::Rgb, PixelLayout::Rgba, PixelLayout::Bgr, PixelLayout::Bgra,
                               PixelLayout::Bgrx, PixelLayout::Indexed})
        for (int variant = 0; variant < 4; ++variant) {
            const bool padRows = variant & 1, asRows = variant & 2;
            DecodedImage image;
            ASSERT_TRUE(image.allocate(2, 2, layout, padRows));
            std::vector<std::uint8_t> expected;
            for (std::size_t i = 0; i < 4; ++i) {
                const std::uint8_t* c = rgba[i];
                std::uint8_t* dst = image.row(i / 2) + i % 2 * DecodedImage::bytesPerPixel(layout);
                const bool bgr =
                    layout == PixelLayout::Bgr || layout == PixelLayout::Bgra || layout == PixelLayout::Bgrx;
                const std::uint8_t pixel[4] = {bgr ? c[2] : c[0], c[1], bgr ? c[0] : c[2], c[3]};
                if (layout == PixelLayout::Indexed) {
                    image.palette.set(200 + unsigned(i), c[0], c[1], c[2]);
                    dst[0] = std::uint8_t(200 + i);
                } else {
                    std::memcpy(dst, pixel, DecodedImage::bytesPerPixel(layout));
                }
                expected.insert(expected.end(), c, c + image.channels());
            }
            TextureUpload::Options options;
            options.mipmaps = variant == 1 || variant == 2;
            const GLuint name = asRows ? TextureUpload::create(image.pixels.data(), image.rowStride, 2, 2, layout,
                                                               &image.palette, options)
                                       : TextureUpload::create(image, options);
            EXPECT_EQ(level0(name, DecodedImage::channelsOf(layout)), expected)
                << "layout " << int(layout) << " variant " << variant;
        }
    EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR));
}
