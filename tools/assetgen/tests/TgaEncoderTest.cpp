#include <gtest/gtest.h>

#include <vector>

#include "TgaEncoder.h"

// The engine's TGA reader accepts only files whose bytes 1-11 equal its
// uncompressed template, and uploads the first stored row as the bottom row
// of the texture.
TEST(TgaEncoder, HeaderMatchesTheEngineReadersUncompressedTemplate) {
    const std::vector<std::uint8_t> tga = encodeTga(Image(300, 2));
    ASSERT_EQ(tga.size(), 18u + 300u * 2u * 4u);
    // No image ID, the template, width and height little-endian, 32 bits per
    // pixel, 8 alpha bits with the origin at the bottom left.
    EXPECT_EQ(std::vector<std::uint8_t>(tga.begin(), tga.begin() + 18),
              (std::vector<std::uint8_t>{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300 & 0xff, 300 >> 8, 2, 0, 32, 0x08}));
}

TEST(TgaEncoder, StoresBottomRowFirstInBlueGreenRedAlphaOrder) {
    Image image(2, 2);
    image.set(0, 0, {1.0f, 0.0f, 0.0f, 1.0f});  // top left: red
    image.set(1, 0, {0.0f, 1.0f, 0.0f, 1.0f});  // top right: green
    image.set(0, 1, {0.0f, 0.0f, 1.0f, 0.5f});  // bottom left: half-transparent blue
    image.set(1, 1, {1.0f, 1.0f, 1.0f, 0.0f});  // bottom right: transparent white
    const std::vector<std::uint8_t> tga = encodeTga(image);
    const std::vector<std::uint8_t> pixels(tga.begin() + 18, tga.end());
    EXPECT_EQ(pixels, (std::vector<std::uint8_t>{255, 0, 0, 128, 255, 255, 255, 0,   // bottom row
                                                 0, 0, 255, 255, 0, 255, 0, 255}));  // top row
}

TEST(TgaEncoder, RejectsPicturesTooLargeForTheHeader) {
    EXPECT_THROW(encodeTga(Image(70000, 1)), std::invalid_argument);
}
