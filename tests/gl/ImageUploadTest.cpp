#include <gtest/gtest.h>

#include "support/TestWindow.h"

#include <vector>

#include "core/CUtils.h"
#include "graphics/CTGALoader.h"
#include "graphics/PixelConvert.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// Level 0 of a texture as tightly packed rows, bottom first.
std::vector<std::uint8_t> textureLevel0(GLuint name, GLenum format) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * (format == GL_RGBA ? 4 : 3));
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return pixels;
}

// ImageMagick's view of a file as RGB (or RGBA) rows bottom first.
std::vector<std::uint8_t> referenceBottomUp(const std::string& path, int channels) {
    ImageMagick::Reference ref;
    EXPECT_TRUE(ImageMagick::reference(path, ref));
    std::vector<std::uint8_t> out;
    for (int y = ref.height - 1; y >= 0; --y)
        for (int x = 0; x < ref.width; ++x)
            for (int c = 0; c < channels; ++c)
                out.push_back(ref.rgba[(std::size_t(y) * ref.width + x) * 4 + c]);
    return out;
}

// A 16 x 8 picture; options end with the output format prefix, if any.
std::string imageFile(const std::string& name, const std::string& options) {
    const std::string path = ImageMagick::tempDir() + "/" + name;
    EXPECT_TRUE(ImageMagick::convert("rose: -crop 16x8+20+20 +repage " + options + path));
    return path;
}

class ImageUpload : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(TestWindow::open(64, 64)); }
    void TearDown() override { EXPECT_EQ(TestWindow::takeGlError(), static_cast<GLenum>(GL_NO_ERROR)); }
    CUtils utils;
};
}  // namespace

// The utilities' loader picks the reader by name and uploads the picture
// bottom row first for the engine's readers, top row first for SDL_image.
TEST_F(ImageUpload, LoadTextureUploadsEveryKind) {
    testing::internal::CaptureStdout();
    const std::string bmp = imageFile("u8.bmp", "-colors 200 -type palette -compress RLE BMP3:");
    const GLuint fromBmp = utils.loadTexture(bmp);
    const std::string pcx = imageFile("u24.pcx", "-type TrueColor ");
    const GLuint fromPcx = utils.loadTexture(pcx);
    const std::string png = imageFile("u32.png", "-alpha set -channel A -fx i/w +channel ");
    const GLuint fromPng = utils.loadTexture(png);
    const std::string transcript = testing::internal::GetCapturedStdout();
    ASSERT_NE(fromBmp, 0u);
    ASSERT_NE(fromPcx, 0u);
    ASSERT_NE(fromPng, 0u);
    EXPECT_EQ(textureLevel0(fromBmp, GL_RGB), referenceBottomUp(bmp, 3));
    EXPECT_EQ(textureLevel0(fromPcx, GL_RGB), referenceBottomUp(pcx, 3));
    std::vector<std::uint8_t> topFirst = referenceBottomUp(png, 4);
    PixelConvert::flipRows(topFirst.data(), 16 * 4, 8);
    EXPECT_EQ(textureLevel0(fromPng, GL_RGBA), topFirst);
    EXPECT_EQ(transcript, "Texels size: nem 8 bit: 384\nIMG Load utan...\n");

    testing::internal::CaptureStdout();
    EXPECT_EQ(utils.loadTexture("no/such/picture.png"), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "IMG Load utan...\nFailed to load the image: no/such/picture.png\n");
    testing::internal::CaptureStderr();
    EXPECT_EQ(utils.loadTexture("no/such/picture.bmp"), 0u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "error: couldn't open \"no/such/picture.bmp\"!\n");
    GLuint names[] = {fromBmp, fromPcx, fromPng};
    glDeleteTextures(3, names);
}

// loadBmpTexture goes through SDL's BMP loader; the data arrives bottom row
// first like the engine's own reader gives it.
TEST_F(ImageUpload, LoadBmpTextureMatchesThePicture) {
    const std::string bmp = imageFile("s24.bmp", "-type TrueColor BMP3:");
    testing::internal::CaptureStdout();
    const GLuint name = utils.loadBmpTexture(bmp);
    EXPECT_EQ(utils.loadBmpTexture("no/such/file.bmp"), 0u);
    const std::string transcript = testing::internal::GetCapturedStdout();
    ASSERT_NE(name, 0u);
    EXPECT_EQ(textureLevel0(name, GL_RGB), referenceBottomUp(bmp, 3));
    EXPECT_EQ(transcript, "Loading Texture: " + bmp + "\nLoading Texture: no/such/file.bmp\n" +
                              "Failed loading no/such/file.bmp \n");
    glDeleteTextures(1, &name);
}

// TGA textures keep their exact size: rows of an odd width are not read
// past their end, and the rows stay in file order.
TEST_F(ImageUpload, TgaTextureOfOddWidth) {
    Bytes file;
    file.u8(0).u8(0).u8(2).fill(9, 0).u16(5).u16(3).u8(24).u8(0);
    std::vector<std::uint8_t> expected;
    for (unsigned i = 0; i < 15; ++i) {
        file.u8(i).u8(100 + i).u8(200 + i);
        expected.insert(expected.end(), {std::uint8_t(200 + i), std::uint8_t(100 + i), std::uint8_t(i)});
    }
    const std::string path = ImageMagick::writeFile("odd.tga", file.data);
    CTGALoader loader;
    ASSERT_TRUE(loader.load(path));
    ASSERT_NE(loader.textureId, 0u);
    EXPECT_EQ(textureLevel0(loader.textureId, GL_RGB), expected);
    glDeleteTextures(1, &loader.textureId);
}
