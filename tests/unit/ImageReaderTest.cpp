#include <gtest/gtest.h>

#include <map>

#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

// Every variant ImageMagick writes decodes to exactly the pixels ImageMagick
// reads back. The picture is 301 pixels wide, so uncompressed rows are
// padded, and most files are larger than the file reader's buffer.
namespace {
struct Variant {
    const char* name;
    const char* options;  // convert options and output format prefix
    int channels;
    // ImageMagick takes the bits of a 1-bit PCX the other way round from its
    // header palette (black, white); the engine, like SDL_image, follows it.
    bool inverted = false;
};

const Variant kVariants[] = {
    {"tga24", "-type TrueColor TGA:", 3},
    {"tga24rle", "-type TrueColor -compress RLE TGA:", 3},
    {"tga32", "-alpha set -channel A -fx i/w +channel -type TrueColorAlpha TGA:", 4},
    {"tga32rle", "-alpha set -channel A -fx i/w +channel -type TrueColorAlpha -compress RLE TGA:", 4},
    {"tga24top", "-type TrueColor -orient TopLeft TGA:", 3},
    {"tga32toprle",
     "-alpha set -channel A -fx i/w +channel -type TrueColorAlpha -compress RLE -orient TopLeft TGA:", 4},
    {"bmp24", "-type TrueColor BMP3:", 3},
    {"bmp24v5", "-type TrueColor BMP:", 3},
    {"bmp8", "-colors 200 -type palette -compress None BMP3:", 3},
    {"bmp8rle", "-colors 200 -type palette -compress RLE BMP3:", 3},
    {"bmp4", "-colors 16 -compress None BMP3:", 3},
    {"bmp1", "-monochrome BMP3:", 3},
    {"bmp8os2", "-colors 200 -type palette BMP2:", 3},
    {"bmp24os2", "-type TrueColor BMP2:", 3},
    {"pcx1", "-monochrome -set colorspace sRGB -type palette PCX:", 3, true},
    {"pcx8", "-colors 200 -type palette PCX:", 3},
    {"pcx24", "-type TrueColor PCX:", 3},
};

std::string kindOf(const Variant& v) { return std::string(v.name).substr(0, 3); }

// Writes each variant once per run.
const std::string& variantFile(const Variant& v) {
    static std::map<std::string, std::string> made;
    auto it = made.find(v.name);
    if (it == made.end()) {
        const std::string path = ImageMagick::tempDir() + "/" + v.name + "." + kindOf(v);
        const bool ok = ImageMagick::convert("rose: -resize 301x203! " + std::string(v.options) + path);
        it = made.emplace(v.name, ok ? path : std::string()).first;
    }
    return it->second;
}

class ImageMagickWritten : public ::testing::TestWithParam<Variant> {};
}  // namespace

// Streamed from the file and decoded from memory alike; packed as R, G, B
// (, A) for the readers' public results, in place, still the same pixels.
TEST_P(ImageMagickWritten, DecodesToTheSamePixels) {
    const Variant& v = GetParam();
    ASSERT_FALSE(variantFile(v).empty()) << "convert could not write " << v.name;
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(variantFile(v), ref));
    if (v.inverted)
        for (std::size_t i = 0; i < ref.rgba.size(); ++i)
            ref.rgba[i] = i % 4 == 3 ? ref.rgba[i] : 255 - ref.rgba[i];
    DecodedImage fromMemory, fromFile;
    std::string message;
    ASSERT_TRUE(engineDecode(kindOf(v), ImageMagick::readFile(variantFile(v)), fromMemory, message)) << message;
    ASSERT_TRUE(ImageFile::decode(variantFile(v), decoderFor(kindOf(v)), fromFile, message)) << message;
    EXPECT_EQ(fromMemory.width, ref.width);
    EXPECT_EQ(fromMemory.height, ref.height);
    EXPECT_EQ(fromMemory.channels(), v.channels);
    EXPECT_TRUE(topDownRgba(fromMemory) == ref.rgba);
    EXPECT_TRUE(fromFile.pixels == fromMemory.pixels);

    fromFile.packRgb();
    ASSERT_EQ(fromFile.pixels.size(), std::size_t(ref.width) * ref.height * v.channels);
    bool same = true;
    for (std::size_t i = 0, n = fromFile.pixels.size(); i < n && same; ++i) {
        const std::size_t pixel = i / v.channels, x = pixel % ref.width, y = ref.height - 1 - pixel / ref.width;
        same = fromFile.pixels[i] == ref.rgba[(y * ref.width + x) * 4 + i % v.channels];
    }
    EXPECT_TRUE(same) << "packed pixels differ";
}

// A valid file cut anywhere fails cleanly with a message, or (when only
// unused trailing bytes are gone) still gives the full picture.
TEST_P(ImageMagickWritten, CutCopiesFailCleanly) {
    const std::vector<std::uint8_t> whole = ImageMagick::readFile(variantFile(GetParam()));
    DecodedImage full;
    std::string message;
    ASSERT_TRUE(engineDecode(kindOf(GetParam()), whole, full, message)) << message;
    const std::vector<std::uint8_t> fullRgba = topDownRgba(full);
    for (std::size_t length = 0; length < whole.size(); length += 1 + whole.size() / 300) {
        DecodedImage got;
        const bool ok = engineDecode(kindOf(GetParam()), {whole.begin(), whole.begin() + length}, got, message);
        EXPECT_TRUE(ok ? topDownRgba(got) == fullRgba : !message.empty() && got.empty()) << "length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, ImageMagickWritten, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });
