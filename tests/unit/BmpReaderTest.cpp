#include <gtest/gtest.h>

#include "bytes/BmpDecoder.h"
#include "bytes/ByteReader.h"
#include "core/CUtils.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// A Windows BMP: file header, 40-byte information header, colour map of
// B, G, R, 0 entries, then the pixel data as given.
std::vector<std::uint8_t> bmpFile(std::int32_t width, std::int32_t height, unsigned bits, unsigned compression,
                                  const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& pixels) {
    const auto offset = static_cast<std::uint32_t>(54 + palette.size() * 4);
    Bytes b;
    b.u8('B').u8('M').u32(offset + static_cast<std::uint32_t>(pixels.size())).u32(0).u32(offset);
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
}  // namespace

// Layouts ImageMagick reads but does not write: 4-bit runs (alternating
// nibbles, literal runs with and without padding, end of line, a jump),
// 8-bit runs spilling into the next row, rows stored top first, 32 bits.
TEST(BmpReader, HandMadeFilesReadAsImageMagickReadsThem) {
    expectDecodesLikeImageMagick(
        "bmp", "rle4.bmp",
        bmpFile(9, 4, 4, 2, kPalette16, {5, 0x12, 0, 3, 0x34, 0x50, 0, 0,    0, 5, 0x67, 0x89, 0xA0, 0,
                                         2, 0xBB, 0, 2, 2,    1,    3, 0xCD, 0, 0, 0,    0,    0,    1}));
    expectDecodesLikeImageMagick("bmp", "rle8.bmp",
                                 bmpFile(7, 4, 8, 1, kPalette16, {3, 4, 0, 3, 9, 10, 11, 0,  0, 0, 12, 7, 0, 4, 1, 2,
                                                                  3, 4, 0, 2, 1, 0,  2,  15, 0, 0, 0,  0, 0, 0, 0, 1}));
    std::vector<std::uint8_t> topDown, bgrx;
    for (unsigned y = 0; y < 3; ++y) {
        for (unsigned x = 0; x < 3; ++x)
            topDown.insert(topDown.end(), {std::uint8_t(x * 80), std::uint8_t(y * 100), 0x40});
        topDown.insert(topDown.end(), 3, 0);
    }
    for (unsigned i = 0; i < 6; ++i)
        bgrx.insert(bgrx.end(), {std::uint8_t(i * 40), std::uint8_t(200 - i * 30), std::uint8_t(i * 7), 255});
    expectDecodesLikeImageMagick("bmp", "topdown.bmp", bmpFile(3, -3, 24, 0, {}, topDown));
    expectDecodesLikeImageMagick("bmp", "bgrx.bmp", bmpFile(3, 2, 32, 0, {}, bgrx));
}

// Palette images become R, G, B in place; rows one index wide are padded
// to four bytes in the file, more than their colours take.
TEST(BmpReader, NarrowPaletteImagesPackToTheirColours) {
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> rows;
    for (std::uint32_t i = 0; i < 12; ++i) {
        palette.push_back((i * 20 + 10) << 16);
        rows.insert(rows.end(), {std::uint8_t(i), 0, 0, 0});
    }
    DecodedImage image;
    std::string error;
    const std::vector<std::uint8_t> file = bmpFile(1, 12, 8, 0, palette, rows);
    ByteReader in(file);
    ASSERT_TRUE(decodeBmp(in, "narrow.bmp", image, error)) << error;
    image.packRgb();
    for (std::size_t y = 0; y < 12; ++y)
        EXPECT_EQ(image.row(y)[0], y * 20 + 10) << "row " << y;  // bottom-up, as stored
}

// Values from the file never lead outside a buffer: indices beyond the
// colour map are black, runs and jumps past the last pixel are cut off.
TEST(BmpReader, HostileValuesStayInside) {
    DecodedImage image;
    std::string message;
    ASSERT_TRUE(engineDecode("bmp", bmpFile(4, 1, 8, 0, {0x112233, 0x445566}, {1, 200, 255, 0}), image, message))
        << message;
    std::vector<std::uint8_t> rgba = topDownRgba(image);
    EXPECT_EQ(std::vector<std::uint8_t>(rgba.begin(), rgba.begin() + 12),
              (std::vector<std::uint8_t>{0x44, 0x55, 0x66, 255, 0, 0, 0, 255, 0, 0, 0, 255}));
    ASSERT_TRUE(engineDecode("bmp", bmpFile(3, 2, 8, 1, {0x0000FF, 0x00FF00}, {255, 1, 0, 2, 200, 200, 255, 1}), image,
                             message))
        << message;
    rgba = topDownRgba(image);
    EXPECT_EQ(rgba[1] + rgba[4 * 5 + 1], 2 * 255);  // all green
    EXPECT_TRUE(engineDecode("bmp", bmpFile(3, 2, 4, 2, kPalette16, {0, 2, 255, 255}), image, message));
}

TEST(BmpReader, RefusedFilesAndTheirMessages) {
    const std::vector<std::uint8_t> pixels(64, 0);
    const std::string unsupported = "unsupported bitmap type or bad filecompression type (";
    EXPECT_EQ(refusal("bmp", bmpFile(4, 4, 32, 3, {}, pixels)), unsupported + "3)\n");
    EXPECT_EQ(refusal("bmp", bmpFile(4, 4, 16, 0, {}, pixels)), unsupported + "0)\n");
    EXPECT_EQ(refusal("bmp", bmpFile(4, -4, 8, 1, kPalette16, pixels)), unsupported + "1)\n");
    EXPECT_EQ(refusal("bmp", bmpFile(100000, 100000, 24, 0, {}, pixels)), "x.bmp has an invalid size!\n");
    EXPECT_EQ(refusal("bmp", bmpFile(40, 40, 24, 0, {}, pixels)), "x.bmp is truncated or damaged!\n");
    EXPECT_EQ(refusal("bmp", bmpFile(4, 4, 8, 1, kPalette16, {3, 1, 0})), "x.bmp is truncated or damaged!\n");
    auto broken = bmpFile(1, 1, 24, 0, {}, {1, 2, 3, 0});
    broken[14] = 20;  // no such header size
    EXPECT_EQ(refusal("bmp", broken), "x.bmp is not a valid BMP file!\n");
    broken[0] = 'P';
    EXPECT_EQ(refusal("bmp", broken), "x.bmp is not a valid BMP file!\n");
}

// The utilities' SDL reader: a 3-pixel row is padded to 12 bytes in the
// surface and comes out unpadded, R, G, B, bottom row first; so do the
// colours of a palette surface.
TEST(BmpReader, UtilitiesImageDataHonoursTheRowPitch) {
    const std::string path = ImageMagick::writeFile(
        "pitch.bmp",
        bmpFile(3, 2, 24, 0, {}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 11, 12, 13, 14, 15, 16, 17, 18, 19, 0, 0, 0}));
    const ImageData image = CUtils().loadImageData(path);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.data, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4, 9, 8, 7, 13, 12, 11, 16, 15, 14, 19, 18, 17}));
    const std::string indexed = ImageMagick::writeFile(
        "pitch8.bmp", bmpFile(3, 2, 8, 0, {0x010203, 0x040506, 0x070809}, {2, 1, 0, 0, 0, 0, 1, 0}));
    EXPECT_EQ(CUtils().loadImageData(indexed).data,
              (std::vector<std::uint8_t>{7, 8, 9, 4, 5, 6, 1, 2, 3, 1, 2, 3, 1, 2, 3, 4, 5, 6}));
    testing::internal::CaptureStdout();
    EXPECT_TRUE(CUtils().loadImageData("no/such/file.bmp").data.empty());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Failed loading no/such/file.bmp \n");
}
