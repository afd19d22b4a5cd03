#include <gtest/gtest.h>

#include <map>

#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

// Every variant ImageMagick writes decodes to exactly the pixels ImageMagick
// reads back. The source is 37 pixels wide, so uncompressed rows are padded.
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
        const bool ok = ImageMagick::convert("rose: -crop 37x23+5+5 +repage " + std::string(v.options) + path);
        it = made.emplace(v.name, ok ? path : std::string()).first;
    }
    return it->second;
}

class ImageMagickWritten : public ::testing::TestWithParam<Variant> {};
}  // namespace

TEST_P(ImageMagickWritten, DecodesToTheSamePixels) {
    const Variant& v = GetParam();
    ASSERT_FALSE(variantFile(v).empty()) << "convert could not write " << v.name;
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(variantFile(v), ref));
    if (v.inverted)
        for (std::size_t i = 0; i < ref.rgba.size(); ++i)
            ref.rgba[i] = i % 4 == 3 ? ref.rgba[i] : 255 - ref.rgba[i];
    const EngineDecode got = engineDecode(kindOf(v), ImageMagick::readFile(variantFile(v)));
    ASSERT_TRUE(got.ok) << got.message;
    EXPECT_EQ(got.width, ref.width);
    EXPECT_EQ(got.height, ref.height);
    EXPECT_EQ(got.channels, v.channels);
    EXPECT_TRUE(got.rgba == ref.rgba);
}

// A valid file cut anywhere fails cleanly with a message, or (when only
// unused trailing bytes are gone) still gives the full picture.
TEST_P(ImageMagickWritten, CutCopiesFailCleanly) {
    const std::vector<std::uint8_t> whole = ImageMagick::readFile(variantFile(GetParam()));
    const EngineDecode full = engineDecode(kindOf(GetParam()), whole);
    ASSERT_TRUE(full.ok) << full.message;
    for (std::size_t length = 0; length < whole.size(); length += 1 + whole.size() / 300) {
        const EngineDecode got = engineDecode(kindOf(GetParam()), {whole.begin(), whole.begin() + length});
        EXPECT_TRUE(got.ok ? got.rgba == full.rgba : !got.message.empty()) << "length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, ImageMagickWritten, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });
