#include <gtest/gtest.h>

#include "graphics/CTGA.h"
#include "graphics/CTGALoader.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// An 18-byte TGA header (bottom-left origin unless descriptor says so) and
// an optional image ID.
Bytes tgaHeader(unsigned type, unsigned width, unsigned height, unsigned bits, const std::string& id = "",
                unsigned descriptor = 0) {
    Bytes b;
    b.u8(static_cast<unsigned>(id.size())).u8(0).u8(type).fill(5, 0).u16(0).u16(0);
    b.u16(width).u16(height).u8(bits).u8(descriptor);
    b.raw(std::vector<std::uint8_t>(id.begin(), id.end()));
    return b;
}

// Pixel i of a test picture as B, G, R.
std::vector<std::uint8_t> bgr(unsigned i) {
    return {static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(i * 13 + 1), static_cast<std::uint8_t>(255 - i)};
}

std::string decodeMessage(const std::vector<std::uint8_t>& bytes) {
    CTGALoader loader;
    EXPECT_FALSE(loader.decode(bytes.data(), bytes.size(), "x.tga"));
    EXPECT_TRUE(loader.imageData.empty());
    return loader.message();
}
}  // namespace

// Packets of every boundary length (raw 1 and 128, run 1 and 128), packets
// crossing rows, an image ID and bytes after the last packet: the picture is
// the same as the uncompressed file, and ImageMagick agrees.
TEST(TgaReader, RunLengthPacketsOfEveryBoundaryLength) {
    const unsigned width = 50, height = 6;  // 300 pixels
    Bytes plain = tgaHeader(2, width, height, 24);
    Bytes packed = tgaHeader(10, width, height, 24, "an image id");
    std::vector<std::vector<std::uint8_t>> pixels;
    auto raw = [&](unsigned n) {
        packed.u8(n - 1);
        for (unsigned k = 0; k < n; ++k) {
            pixels.push_back(bgr(static_cast<unsigned>(pixels.size())));
            packed.raw(pixels.back());
        }
    };
    auto run = [&](unsigned n, unsigned seed) {
        packed.u8(127 + n).raw(bgr(seed));
        for (unsigned k = 0; k < n; ++k)
            pixels.push_back(bgr(seed));
    };
    raw(1);
    run(128, 40);   // header 255
    raw(128);       // header 127
    run(1, 41);     // header 128
    raw(30);
    run(12, 42);    // ends exactly at the last pixel
    ASSERT_EQ(pixels.size(), width * height);
    packed.fill(20, 0xEE);  // ignored
    for (const auto& p : pixels)
        plain.raw(p);

    const EngineDecode a = engineDecode("tga", plain.data);
    const EngineDecode b = engineDecode("tga", packed.data);
    ASSERT_TRUE(a.ok && b.ok) << a.message << b.message;
    EXPECT_EQ(a.rgba, b.rgba);
    // Bottom-left origin: the first stored pixel is the bottom-left one.
    const std::size_t bottomLeft = std::size_t(height - 1) * width * 4;
    EXPECT_EQ(b.rgba[bottomLeft + 0], pixels[0][2]);
    EXPECT_EQ(b.rgba[bottomLeft + 2], pixels[0][0]);

    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(ImageMagick::writeFile("packets.tga", packed.data), ref));
    EXPECT_EQ(b.rgba, ref.rgba);
}

// Broken run-length data ends with the message that names the problem and
// nothing decoded.
TEST(TgaReader, BrokenRunLengthDataIsReported) {
    Bytes tooMany = tgaHeader(10, 4, 2, 24);
    tooMany.u8(127 + 5).raw(bgr(1)).u8(127 + 4).raw(bgr(2));  // 9 of 8 pixels
    EXPECT_EQ(decodeMessage(tooMany.data), "Too many pixels read: x.tga");

    Bytes cutRun = tgaHeader(10, 4, 2, 24);
    cutRun.u8(127 + 4).raw(bgr(1)).u8(127 + 4).u8(1);
    EXPECT_EQ(decodeMessage(cutRun.data), "Could not read from file: x.tga");

    Bytes cutRaw = tgaHeader(10, 4, 2, 24);
    cutRaw.u8(7).raw(bgr(1)).raw(bgr(2));
    EXPECT_EQ(decodeMessage(cutRaw.data), "Could not read image data: x.tga");

    Bytes noHeader = tgaHeader(10, 4, 2, 24);
    noHeader.u8(127 + 4).raw(bgr(1));
    EXPECT_EQ(decodeMessage(noHeader.data), "Could not read RLE header: x.tga");

    // A tiny file claiming the largest allowed picture fails on its data.
    Bytes huge = tgaHeader(10, 8192, 8192, 32);
    huge.u8(255).fill(4, 9);
    EXPECT_EQ(decodeMessage(huge.data), "Could not read RLE header: x.tga");
}

// Header checks: only true-colour types 2 and 10 with no colour map and a
// zero origin, 24 or 32 bits, sizes within limits.
TEST(TgaReader, HeaderChecksAndTheirMessages) {
    const std::string typeMessage = "\nTGA file be type 2 or type 10, Invalid Image: x.tga";
    for (unsigned type : {1u, 3u, 9u, 11u})
        EXPECT_EQ(decodeMessage(tgaHeader(type, 2, 2, 24).fill(12, 0).data), typeMessage) << type;
    Bytes colourMap = tgaHeader(2, 2, 2, 24).fill(12, 0);
    colourMap.data[1] = 1;
    EXPECT_EQ(decodeMessage(colourMap.data), typeMessage);
    Bytes origin = tgaHeader(2, 2, 2, 24).fill(12, 0);
    origin.data[8] = 5;
    EXPECT_EQ(decodeMessage(origin.data), typeMessage);

    const std::string infoMessage = "Invalid texture information: x.tga";
    EXPECT_EQ(decodeMessage(tgaHeader(2, 2, 2, 16).fill(8, 0).data), infoMessage);
    EXPECT_EQ(decodeMessage(tgaHeader(2, 2, 2, 8).fill(4, 0).data), infoMessage);
    EXPECT_EQ(decodeMessage(tgaHeader(2, 0, 2, 24).data), infoMessage);
    EXPECT_EQ(decodeMessage(tgaHeader(2, 40000, 2, 24).data), infoMessage);

    EXPECT_EQ(decodeMessage({}), "\nFailed to read TGAcomment: x.tga");
    EXPECT_EQ(decodeMessage({0, 0, 2}), "\nCould not read file header: x.tga");
    EXPECT_EQ(decodeMessage(tgaHeader(2, 2, 2, 24).data), "Could not read image data: x.tga");
    EXPECT_EQ(decodeMessage({0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}), "Could not read info header: x.tga");
}

// A missing file is reported by the path-taking load, which leaves the
// texture name alone.
TEST(TgaReader, MissingFileIsReported) {
    CTGALoader loader;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(loader.load("no/such/file.tga"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nCould not open texture file: no/such/file.tga");
    EXPECT_EQ(loader.textureId, 0u);
}

// The simple reader takes uncompressed files only and reads the same pixels
// as the full one.
TEST(TgaReader, SimpleReaderTakesUncompressedOnly) {
    Bytes plain = tgaHeader(2, 3, 1, 32, "id");
    plain.u8(1).u8(2).u8(3).u8(4).u8(5).u8(6).u8(7).u8(8).u8(9).u8(10).u8(11).u8(12);
    CTGA simple;
    ASSERT_TRUE(simple.decode(plain.data.data(), plain.data.size()));
    EXPECT_EQ(simple.bitsPerPixel, 32u);
    EXPECT_EQ(simple.width, 3u);
    EXPECT_EQ(simple.imageData, (std::vector<std::uint8_t>{3, 2, 1, 4, 7, 6, 5, 8, 11, 10, 9, 12}));

    Bytes packed = tgaHeader(10, 1, 1, 24);
    packed.u8(128).u8(1).u8(2).u8(3);
    ASSERT_TRUE(engineDecode("tga", packed.data).ok);
    EXPECT_FALSE(CTGA().decode(packed.data.data(), packed.data.size()));
    EXPECT_FALSE(CTGA().decode(plain.data.data(), 12));
}
