#include <gtest/gtest.h>

#include "core/CUtils.h"
#include "graphics/TextureImage.h"
#include "graphics/bmp.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// A Windows BMP: 14-byte file header, 40-byte information header, colour map
// of B, G, R, 0 entries, then the pixel data as given.
std::vector<std::uint8_t> bmpFile(std::int32_t width, std::int32_t height, unsigned bits, unsigned compression,
                                  const std::vector<std::uint32_t>& palette,
                                  const std::vector<std::uint8_t>& pixels) {
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette.size()) * 4;
    Bytes b;
    b.u8('B').u8('M').u32(offset + static_cast<std::uint32_t>(pixels.size())).u16(0).u16(0).u32(offset);
    b.u32(40).u32(static_cast<std::uint32_t>(width)).u32(static_cast<std::uint32_t>(height)).u16(1).u16(bits);
    b.u32(compression).u32(static_cast<std::uint32_t>(pixels.size())).u32(2835).u32(2835);
    b.u32(static_cast<std::uint32_t>(palette.size())).u32(0);
    for (std::uint32_t rgb : palette)
        b.u8(rgb & 0xFF).u8((rgb >> 8) & 0xFF).u8(rgb >> 16).u8(0);
    return b.raw(pixels).data;
}

const std::vector<std::uint32_t> kPalette16 = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                               0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                               0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// Decodes with the engine and with ImageMagick and requires the same pixels.
void expectLikeImageMagick(const std::string& name, const std::vector<std::uint8_t>& file) {
    const EngineDecode got = engineDecode("bmp", file);
    ASSERT_TRUE(got.ok) << got.message;
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(ImageMagick::writeFile(name, file), ref));
    EXPECT_EQ(got.width, ref.width);
    EXPECT_EQ(got.height, ref.height);
    EXPECT_EQ(got.rgba, ref.rgba);
}

std::string failure(const std::vector<std::uint8_t>& file) {
    TextureImage image;
    std::string error;
    EXPECT_FALSE(decodeBmp(file.data(), file.size(), "x.bmp", image, error));
    EXPECT_TRUE(image.texels.empty());
    return error;
}
}  // namespace

// A 2 x 2 true-colour file: rows padded to 8 bytes, bottom row first, blue
// and red exchanged.
TEST(BmpReader, TwoByTwoTrueColour) {
    const auto file = bmpFile(2, 2, 24, 0, {},
                              {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE});
    TextureImage image;
    std::string error;
    ASSERT_TRUE(decodeBmp(file.data(), file.size(), "x.bmp", image, error)) << error;
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.components, 3);
    EXPECT_EQ(image.texels, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}));
}

// Run-length files ImageMagick reads but does not write: 4-bit runs with
// alternating nibbles, literal runs with and without their padding byte,
// end-of-line before the row is full, a position jump, end-of-bitmap;
// the same for 8 bits, plus runs that spill into the next row.
TEST(BmpReader, RunLengthEscapesAsImageMagickReadsThem) {
    const std::vector<std::uint8_t> rle4 = {
        5, 0x12,           // 1 2 1 2 1
        0, 3, 0x34, 0x50,  // literal 3 4 5 (two bytes, no padding)
        0, 0,              // end of line
        0, 5, 0x67, 0x89, 0xA0, 0,  // literal 6 7 8 9 A, padded
        2, 0xBB,           // B B
        0, 2, 2, 1,        // move right 2, up 1: past the row end, so row 3
        3, 0xCD,           // C D C
        0, 0, 0, 0,        // end of lines 2 and 3
        0, 1};             // end of bitmap
    expectLikeImageMagick("rle4.bmp", bmpFile(9, 4, 4, 2, kPalette16, rle4));

    const std::vector<std::uint8_t> rle8 = {
        3, 4,                 // 4 4 4
        0, 3, 9, 10, 11, 0,   // literal, padded
        0, 0,                 // end of line
        12, 7,                // 7 x 12: fills row 1 and spills into row 2
        0, 4, 1, 2, 3, 4,     // literal, even
        0, 2, 1, 0,           // move right 1
        2, 15,
        0, 0, 0, 0, 0, 0,
        0, 1};
    expectLikeImageMagick("rle8.bmp", bmpFile(7, 4, 8, 1, kPalette16, rle8));
}

// Rows stored top first (negative height), 32 bits per pixel, and 4- and
// 1-bit rows whose last byte is only partly used.
TEST(BmpReader, LessCommonUncompressedLayouts) {
    std::vector<std::uint8_t> topDown;
    for (unsigned y = 0; y < 3; ++y) {
        for (unsigned x = 0; x < 3; ++x)
            topDown.insert(topDown.end(), {std::uint8_t(x * 80), std::uint8_t(y * 100), 0x40});
        topDown.insert(topDown.end(), 3, 0);
    }
    expectLikeImageMagick("topdown.bmp", bmpFile(3, -3, 24, 0, {}, topDown));

    std::vector<std::uint8_t> wide;
    for (unsigned i = 0; i < 6; ++i)
        wide.insert(wide.end(), {std::uint8_t(i * 40), std::uint8_t(200 - i * 30), std::uint8_t(i * 7), 255});
    expectLikeImageMagick("bgrx.bmp", bmpFile(3, 2, 32, 0, {}, wide));

    expectLikeImageMagick("four.bmp", bmpFile(3, 2, 4, 0, kPalette16, {0x1F, 0x20, 0, 0, 0xC4, 0x5F, 0, 0}));
    expectLikeImageMagick("one.bmp", bmpFile(10, 2, 1, 0, {0x102030, 0xF0E0D0},
                                             {0xA5, 0xC0, 0, 0, 0x5A, 0x7F, 0, 0}));
}

// Values taken from the file never lead outside a buffer: indices beyond
// the colour map are black, runs past the last pixel are cut off.
TEST(BmpReader, HostileValuesStayInside) {
    const auto shortMap = bmpFile(4, 1, 8, 0, {0x112233, 0x445566}, {1, 200, 255, 0});
    EngineDecode got = engineDecode("bmp", shortMap);
    ASSERT_TRUE(got.ok) << got.message;
    EXPECT_EQ(std::vector<std::uint8_t>(got.rgba.begin(), got.rgba.begin() + 12),
              (std::vector<std::uint8_t>{0x44, 0x55, 0x66, 255, 0, 0, 0, 255, 0, 0, 0, 255}));

    const auto spill = bmpFile(3, 2, 8, 1, {0x0000FF, 0x00FF00}, {255, 1, 0, 2, 200, 200, 255, 1, 0, 1});
    got = engineDecode("bmp", spill);
    ASSERT_TRUE(got.ok) << got.message;
    EXPECT_EQ(got.rgba.size(), 3u * 2 * 4);
    EXPECT_EQ(got.rgba[1], 0xFF);  // all green

    const auto endless = bmpFile(3, 2, 8, 1, kPalette16, {0, 2, 255, 255, 0, 2, 255, 255});
    ASSERT_TRUE(engineDecode("bmp", endless).ok);  // jumps past the end finish the picture
}

// Files the reader refuses, each with its message.
TEST(BmpReader, RefusedFilesAndTheirMessages) {
    const std::vector<std::uint8_t> pixels(64, 0);
    EXPECT_EQ(failure(bmpFile(4, 4, 32, 3, {}, pixels)), "unsupported bitmap type or bad filecompression type (3)\n");
    EXPECT_EQ(failure(bmpFile(4, 4, 16, 0, {}, pixels)), "unsupported bitmap type or bad filecompression type (0)\n");
    EXPECT_EQ(failure(bmpFile(4, -4, 8, 1, kPalette16, pixels)),
              "unsupported bitmap type or bad filecompression type (1)\n");
    EXPECT_EQ(failure(bmpFile(100000, 100000, 24, 0, {}, pixels)), "x.bmp has an invalid size!\n");
    EXPECT_EQ(failure(bmpFile(0, 4, 24, 0, {}, pixels)), "x.bmp has an invalid size!\n");
    EXPECT_EQ(failure(bmpFile(40, 40, 24, 0, {}, pixels)), "x.bmp is truncated or damaged!\n");
    EXPECT_EQ(failure(bmpFile(4, 4, 8, 1, kPalette16, {3, 1, 0})), "x.bmp is truncated or damaged!\n");

    auto notBmp = bmpFile(1, 1, 24, 0, {}, {1, 2, 3, 0});
    notBmp[0] = 'P';
    EXPECT_EQ(failure(notBmp), "x.bmp is not a valid BMP file!\n");
    auto oddHeader = bmpFile(1, 1, 24, 0, {}, {1, 2, 3, 0});
    oddHeader[14] = 20;
    EXPECT_EQ(failure(oddHeader), "x.bmp is not a valid BMP file!\n");
    auto farOffset = bmpFile(1, 1, 24, 0, {}, {1, 2, 3, 0});
    farOffset[10] = 0xFF;
    farOffset[11] = 0xFF;
    EXPECT_EQ(failure(farOffset), "x.bmp is truncated or damaged!\n");
}

// The utilities read a BMP through SDL: rows of a 3-pixel-wide picture are
// padded to 12 bytes in the surface, and the data comes out unpadded, R, G, B,
// bottom row first.
TEST(BmpReader, UtilitiesImageDataHonoursTheRowPitch) {
    const auto file = bmpFile(3, 2, 24, 0, {},
                              {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0});
    const std::string path = ImageMagick::writeFile("pitch.bmp", file);
    const ImageData image = CUtils().loadImageData(path);
    EXPECT_EQ(image.channels, 3);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.data, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));

    testing::internal::CaptureStdout();
    const ImageData missing = CUtils().loadImageData("no/such/file.bmp");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed loading no/such/file.bmp \n");
    EXPECT_TRUE(missing.data.empty());
    EXPECT_EQ(missing.width, 0);
}
