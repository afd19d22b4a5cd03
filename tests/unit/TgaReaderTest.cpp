#include <gtest/gtest.h>

#include "bytes/ByteReader.h"
#include "graphics/CTGA.h"
#include "graphics/CTGALoader.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// An 18-byte TGA header (bottom-left origin) and an optional image ID.
Bytes tgaHeader(unsigned type, unsigned width, unsigned height, unsigned bits, const std::string& id = "") {
    Bytes b;
    b.u8(static_cast<unsigned>(id.size())).u8(0).u8(type).fill(9, 0).u16(width).u16(height).u8(bits).u8(0);
    return b.raw(std::vector<std::uint8_t>(id.begin(), id.end()));
}

std::vector<std::uint8_t> bgr(unsigned i) {
    return {std::uint8_t(i * 7), std::uint8_t(i * 13 + 1), std::uint8_t(255 - i)};
}

std::string failure(const std::vector<std::uint8_t>& bytes) {
    CTGALoader loader;
    ByteReader in(bytes);
    EXPECT_FALSE(loader.decode(in, "x.tga"));
    EXPECT_TRUE(loader.imageData.empty());
    return loader.message();
}
}  // namespace

// Packets of every boundary length (raw 1 and 128, run 1 and 128) that also
// cross rows, an image ID and bytes after the last packet: the picture is
// the uncompressed one, and ImageMagick agrees.
TEST(TgaReader, RunLengthPacketsOfEveryBoundaryLength) {
    Bytes plain = tgaHeader(2, 50, 6, 24);
    Bytes packed = tgaHeader(10, 50, 6, 24, "an image id");
    unsigned count = 0;
    auto raw = [&](unsigned n) {
        packed.u8(n - 1);
        for (unsigned k = 0; k < n; ++k, ++count) {
            packed.raw(bgr(count));
            plain.raw(bgr(count));
        }
    };
    auto run = [&](unsigned n, unsigned seed) {
        packed.u8(127 + n).raw(bgr(seed));
        for (unsigned k = 0; k < n; ++k, ++count)
            plain.raw(bgr(seed));
    };
    raw(1);
    run(128, 40);
    raw(128);
    run(1, 41);
    raw(30);
    run(12, 42);  // exactly 300 pixels
    packed.fill(20, 0xEE);
    DecodedImage a, b;
    std::string message;
    ASSERT_TRUE(engineDecode("tga", plain.data, a, message)) << message;
    ASSERT_TRUE(engineDecode("tga", packed.data, b, message)) << message;
    EXPECT_EQ(topDownRgba(a), topDownRgba(b));
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(ImageMagick::writeFile("packets.tga", packed.data), ref));
    EXPECT_EQ(topDownRgba(b), ref.rgba);
}

// Each failure ends with the reader's message and nothing decoded.
TEST(TgaReader, FailuresAndTheirMessages) {
    EXPECT_EQ(failure(tgaHeader(10, 4, 2, 24).u8(127 + 5).raw(bgr(1)).u8(127 + 4).raw(bgr(2)).data),
              "Too many pixels read: x.tga");
    EXPECT_EQ(failure(tgaHeader(10, 4, 2, 24).u8(127 + 4).raw(bgr(1)).u8(127 + 4).u8(1).data),
              "Could not read from file: x.tga");
    EXPECT_EQ(failure(tgaHeader(10, 4, 2, 24).u8(7).raw(bgr(1)).data), "Could not read image data: x.tga");
    EXPECT_EQ(failure(tgaHeader(10, 4, 2, 24).u8(127 + 4).raw(bgr(1)).data), "Could not read RLE header: x.tga");
    // A tiny file claiming the largest allowed picture fails on its data.
    EXPECT_EQ(failure(tgaHeader(10, 8192, 8192, 32).u8(255).fill(4, 9).data), "Could not read RLE header: x.tga");
    EXPECT_EQ(failure(tgaHeader(2, 2, 2, 24).data), "Could not read image data: x.tga");

    const std::string wrongType = "\nTGA file be type 2 or type 10, Invalid Image: x.tga";
    for (unsigned type : {1u, 3u, 9u, 11u})
        EXPECT_EQ(failure(tgaHeader(type, 2, 2, 24).fill(12, 0).data), wrongType);
    Bytes origin = tgaHeader(2, 2, 2, 24).fill(12, 0);
    origin.data[8] = 5;
    EXPECT_EQ(failure(origin.data), wrongType);
    for (unsigned bits : {8u, 16u})
        EXPECT_EQ(failure(tgaHeader(2, 2, 2, bits).fill(8, 0).data), "Invalid texture information: x.tga");
    EXPECT_EQ(failure(tgaHeader(2, 0, 2, 24).data), "Invalid texture information: x.tga");
    EXPECT_EQ(failure(tgaHeader(2, 40000, 2, 24).data), "Invalid texture information: x.tga");
    EXPECT_EQ(failure({}), "\nFailed to read TGAcomment: x.tga");
    EXPECT_EQ(failure({0, 0, 2}), "\nCould not read file header: x.tga");

    CTGALoader loader;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(loader.load("no/such/file.tga"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nCould not open texture file: no/such/file.tga");
}

// The loader's public fields: R, G, B, A rows bottom first, also when the
// file stores its rows top first in packets that cross rows.
TEST(TgaReader, LoaderKeepsRgbaRowsBottomFirst) {
    Bytes file = tgaHeader(10, 3, 2, 32);
    file.data[17] = 0x28;  // top-left origin, 8 alpha bits
    file.u8(3).raw({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}).u8(128 + 1).raw({20, 21, 22, 23});
    CTGALoader loader;
    ByteReader in(file.data);
    ASSERT_TRUE(loader.decode(in, "x.tga")) << loader.message();
    EXPECT_EQ(loader.imageData, (PixelBuffer{15, 14, 13, 16, 22, 21, 20, 23, 22, 21, 20, 23,  // bottom row
                                             3,  2,  1,  4,  7,  6,  5,  8,  11, 10, 9,  12}));
    EXPECT_EQ(loader.width, 3u);
    EXPECT_EQ(loader.headerHeight, 2u);
    EXPECT_EQ(loader.bitsPerPixel, 32u);
    EXPECT_EQ(loader.bytesPerPixel, 4u);
    EXPECT_EQ(loader.imageSize, 24u);
    EXPECT_EQ(loader.format, static_cast<GLenum>(GL_RGBA));
    EXPECT_EQ(loader.fileHeader[1], 10);
    EXPECT_EQ(loader.infoHeader[5], 0x28);
}

// The simple reader takes uncompressed files only, with the same pixels.
TEST(TgaReader, SimpleReaderTakesUncompressedOnly) {
    const auto plain = tgaHeader(2, 2, 1, 32, "id").raw({1, 2, 3, 4, 5, 6, 7, 8}).data;
    CTGA simple;
    ByteReader in(plain);
    ASSERT_TRUE(simple.decode(in));
    EXPECT_EQ(simple.imageData, (PixelBuffer{3, 2, 1, 4, 7, 6, 5, 8}));
    const auto packed = tgaHeader(10, 1, 1, 24).u8(128).raw({1, 2, 3}).data;
    ByteReader packedIn(packed);
    EXPECT_FALSE(CTGA().decode(packedIn));
}
