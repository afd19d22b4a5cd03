#include <gtest/gtest.h>

#include "graphics/TextureImage.h"
#include "graphics/pcx.h"
#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

namespace {
// A PCX header for a width x height picture, then the encoded data, then
// (when given) the 256-colour trailer.
std::vector<std::uint8_t> pcxFile(unsigned width, unsigned height, unsigned bits, unsigned planes,
                                  unsigned bytesPerLine, const std::vector<std::uint8_t>& data,
                                  const std::vector<std::uint8_t>& palette16 = {},
                                  const std::vector<std::uint8_t>& trailer = {}) {
    Bytes b;
    b.u8(10).u8(5).u8(1).u8(bits).u16(0).u16(0).u16(width - 1).u16(height - 1).u16(72).u16(72);
    std::vector<std::uint8_t> map = palette16;
    map.resize(48, 0);
    b.raw(map).u8(0).u8(planes).u16(bytesPerLine).u16(1).fill(58, 0);
    b.raw(data);
    if (!trailer.empty())
        b.u8(12).raw(trailer);
    return b.data;
}

std::vector<std::uint8_t> greyRamp() {
    std::vector<std::uint8_t> trailer;
    for (unsigned i = 0; i < 256; ++i)
        trailer.insert(trailer.end(), {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i / 2)});
    return trailer;
}

void expectLikeImageMagick(const std::string& name, const std::vector<std::uint8_t>& file) {
    const EngineDecode got = engineDecode("pcx", file);
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
    EXPECT_FALSE(decodePcx(file.data(), file.size(), "x.pcx", image, error));
    EXPECT_TRUE(image.texels.empty());
    return error;
}
}  // namespace

// Run bytes: 193 repeats the next byte once, 200 eight times; runs carry on
// into the next scan line; the padding byte of an odd-width row (even bytes
// per line) is dropped; the first scan line is the top row.
TEST(PcxReader, RunsLinesAndPadding) {
    const std::vector<std::uint8_t> data = {193, 7, 5, 200, 9, 3, 4};
    // line 0: 7 5 9 9, line 1: 9 9 9 9, line 2: 9 9 3 4
    const auto file = pcxFile(3, 3, 8, 1, 4, data, {}, greyRamp());
    TextureImage image;
    std::string error;
    ASSERT_TRUE(decodePcx(file.data(), file.size(), "x.pcx", image, error)) << error;
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 3);
    auto index = [&](int x, int y) { return image.texels[(std::size_t(y) * 3 + x) * 3]; };
    EXPECT_EQ(index(0, 2), 7);  // top row is the last texel row
    EXPECT_EQ(index(1, 2), 5);
    EXPECT_EQ(index(2, 2), 9);
    EXPECT_EQ(index(0, 1), 9);
    EXPECT_EQ(index(2, 0), 3);
    EXPECT_EQ(image.texels[1], 255 - 9);  // green of palette entry 9
    expectLikeImageMagick("runs.pcx", file);
}

// Four 1-bit planes select one of the 16 header colours; ImageMagick agrees.
TEST(PcxReader, FourPlaneSixteenColours) {
    std::vector<std::uint8_t> palette;
    for (unsigned i = 0; i < 16; ++i)
        palette.insert(palette.end(), {std::uint8_t(i * 16), std::uint8_t(i * 5), std::uint8_t(255 - i * 9)});
    // 10 x 2 pixels, 2 bytes per plane line, rows of 4 planes; literal bytes
    // below 192 only.
    const std::vector<std::uint8_t> data = {0x55, 0x40, 0x33, 0x00, 0x0F, 0x80, 0x01, 0x40,
                                            0x12, 0x00, 0x34, 0x40, 0x56, 0x80, 0x78, 0x00};
    expectLikeImageMagick("planes.pcx", pcxFile(10, 2, 1, 4, 2, data, palette));
}

// Header values are checked before they are used.
TEST(PcxReader, RefusedFilesAndTheirMessages) {
    const std::vector<std::uint8_t> data(1000, 1);
    EXPECT_EQ(failure(pcxFile(4, 4, 8, 2, 4, data)), "error: unknown 16 bitcount pcx files\n");
    EXPECT_EQ(failure(pcxFile(4, 4, 4, 1, 4, data)), "error: unknown 4 bitcount pcx files\n");
    EXPECT_EQ(failure(pcxFile(4, 4, 8, 3, 2, data)), "error: bad bytes per line! (2)\n");
    EXPECT_EQ(failure(pcxFile(0, 4, 8, 3, 4, data)), "error: bad image size in \"x.pcx\"!\n");
    EXPECT_EQ(failure(pcxFile(30000, 4, 8, 3, 30000, data)), "error: bad image size in \"x.pcx\"!\n");
    EXPECT_EQ(failure(pcxFile(4, 4, 8, 1, 4, data)), "error: colormap's first byte must be 0x0c! (0x1)\n");
    EXPECT_EQ(failure(pcxFile(4, 4, 8, 1, 4, {1, 2})), "error: \"x.pcx\" has no colormap!\n");
    EXPECT_EQ(failure(pcxFile(4, 4, 8, 3, 4, {1, 2, 3})), "error: \"x.pcx\" is truncated!\n");
    // Pixel data never runs into the colour map at the end.
    EXPECT_EQ(failure(pcxFile(4, 4, 8, 1, 4, {1, 2, 3}, {}, greyRamp())), "error: \"x.pcx\" is truncated!\n");
    auto notPcx = pcxFile(1, 1, 8, 3, 2, data);
    notPcx[0] = 11;
    EXPECT_EQ(failure(notPcx), "error: bad version number! (11)\n");
    EXPECT_EQ(failure({10, 5, 1}), "error: \"x.pcx\" is too short for a pcx file!\n");
}
