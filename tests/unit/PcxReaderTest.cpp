#include <gtest/gtest.h>

#include "bytes/ByteReader.h"
#include "bytes/PcxDecoder.h"
#include "support/ImageTestSupport.h"

namespace {
// A PCX header, the encoded data, and (when given) the 256-colour trailer.
std::vector<std::uint8_t> pcxFile(unsigned width, unsigned height, unsigned bits, unsigned planes,
                                  unsigned bytesPerLine, const std::vector<std::uint8_t>& data,
                                  std::vector<std::uint8_t> palette16 = {}, bool trailer = false) {
    Bytes b;
    b.u8(10).u8(5).u8(1).u8(bits).u16(0).u16(0).u16(width - 1).u16(height - 1).u16(72).u16(72);
    palette16.resize(48, 0);
    b.raw(palette16).u8(0).u8(planes).u16(bytesPerLine).u16(1).fill(58, 0).raw(data);
    if (trailer) {
        b.u8(12);  // marker, then entries (i, 255 - i, i / 2)
        for (unsigned i = 0; i < 256; ++i)
            b.u8(i).u8(255 - i).u8(i / 2);
    }
    return b.data;
}
}  // namespace

// Run byte 193 repeats the next byte once, 200 eight times, across scan
// lines; an odd-width row drops its padding byte; the first scan line is
// the top row. Four 1-bit planes pick one of the 16 header colours.
TEST(PcxReader, RunsPaddingAndPlanesReadAsImageMagickReadsThem) {
    // Lines: 7 5 9 9 | 9 9 9 9 | 9 9 3 4
    const auto runs = pcxFile(3, 3, 8, 1, 4, {193, 7, 5, 200, 9, 3, 4}, {}, true);
    DecodedImage image;
    std::string message;
    ASSERT_TRUE(engineDecode("pcx", runs, image, message)) << message;
    const std::vector<std::uint8_t> rgba = topDownRgba(image);
    EXPECT_EQ(rgba[0], 7);
    EXPECT_EQ(rgba[4 * 2], 9);
    EXPECT_EQ(rgba[4 * 8], 3);  // the 4 is padding
    EXPECT_EQ(rgba[4 * 8 + 1], 255 - 3);
    expectDecodesLikeImageMagick("pcx", "runs.pcx", runs);

    std::vector<std::uint8_t> palette;
    for (unsigned i = 0; i < 16; ++i)
        palette.insert(palette.end(), {std::uint8_t(i * 16), std::uint8_t(i * 5), std::uint8_t(255 - i * 9)});
    expectDecodesLikeImageMagick(
        "pcx", "planes.pcx",
        pcxFile(10, 2, 1, 4, 2,
                {0x55, 0x40, 0x33, 0x00, 0x0F, 0x80, 0x01, 0x40, 0x12, 0x00, 0x34, 0x40, 0x56, 0x80, 0x78, 0x00},
                palette));
}

// Header values are checked before they are used.
TEST(PcxReader, RefusedFilesAndTheirMessages) {
    const std::vector<std::uint8_t> data(1000, 1);
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 8, 2, 4, data)), "error: unknown 16 bitcount pcx files\n");
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 4, 1, 4, data)), "error: unknown 4 bitcount pcx files\n");
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 8, 3, 2, data)), "error: bad bytes per line! (2)\n");
    EXPECT_EQ(refusal("pcx", pcxFile(0, 4, 8, 3, 4, data)), "error: bad image size in \"x.pcx\"!\n");
    EXPECT_EQ(refusal("pcx", pcxFile(30000, 4, 8, 3, 30000, data)), "error: bad image size in \"x.pcx\"!\n");
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 8, 1, 4, data)), "error: colormap's first byte must be 0x0c! (0x1)\n");
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 8, 1, 4, {1, 2})), "error: \"x.pcx\" has no colormap!\n");
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 8, 3, 4, {1, 2, 3})), "error: \"x.pcx\" is truncated!\n");
    // Pixel data never runs on into the colour map at the end.
    EXPECT_EQ(refusal("pcx", pcxFile(4, 4, 8, 1, 4, {1, 2, 3}, {}, true)), "error: \"x.pcx\" is truncated!\n");
    auto notPcx = pcxFile(1, 1, 8, 3, 2, data);
    notPcx[0] = 11;
    EXPECT_EQ(refusal("pcx", notPcx), "error: bad version number! (11)\n");
    EXPECT_EQ(refusal("pcx", {10, 5, 1}), "error: \"x.pcx\" is too short for a pcx file!\n");
}
