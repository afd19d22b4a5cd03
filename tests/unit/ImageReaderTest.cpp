#include <gtest/gtest.h>

#include <map>

#include "support/ImageMagick.h"
#include "support/ImageTestSupport.h"

// Every variant ImageMagick can write decodes to exactly the pixels
// ImageMagick itself reads back. The source is 37 pixels wide so every row
// of the uncompressed formats carries padding.
namespace {
struct Variant {
    const char* name;
    const char* kind;
    const char* options;  // convert options and output prefix
    int channels;
    bool inverted = false;  // black and white exchanged in ImageMagick's reading
};

const char* const kSource = "rose: -crop 37x23+5+5 +repage";
const char* const kAlpha = "-alpha set -channel A -fx i/w +channel";

const Variant kVariants[] = {
    {"tga24", "tga", "-type TrueColor TGA:", 3},
    {"tga24rle", "tga", "-type TrueColor -compress RLE TGA:", 3},
    {"tga32", "tga", "%A -type TrueColorAlpha TGA:", 4},
    {"tga32rle", "tga", "%A -type TrueColorAlpha -compress RLE TGA:", 4},
    {"tga24top", "tga", "-type TrueColor -orient TopLeft TGA:", 3},
    {"bmp24", "bmp", "-type TrueColor BMP3:", 3},
    {"bmp24v5", "bmp", "-type TrueColor BMP:", 3},
    {"bmp8", "bmp", "-colors 200 -type palette -compress None BMP3:", 3},
    {"bmp8rle", "bmp", "-colors 200 -type palette -compress RLE BMP3:", 3},
    {"bmp4", "bmp", "-colors 16 -compress None BMP3:", 3},
    {"bmp1", "bmp", "-monochrome BMP3:", 3},
    {"bmp8os2", "bmp", "-colors 200 -type palette BMP2:", 3},
    {"bmp24os2", "bmp", "-type TrueColor BMP2:", 3},
    // ImageMagick reads (and writes) the bits of a 1-bit PCX the other way
    // round from its header palette (black, white); the engine, like
    // SDL_image, takes bit 1 as palette entry 1.
    {"pcx1", "pcx", "-monochrome -set colorspace sRGB -type palette PCX:", 3, true},
    {"pcx8", "pcx", "-colors 200 -type palette PCX:", 3},
    {"pcx24", "pcx", "-type TrueColor PCX:", 3},
};

// Writes the variant once per run and returns its path.
const std::string& variantFile(const Variant& v) {
    static std::map<std::string, std::string> made;
    auto it = made.find(v.name);
    if (it != made.end())
        return it->second;
    std::string options = v.options;
    if (options.rfind("%A", 0) == 0)
        options = kAlpha + options.substr(2);
    const std::string path = ImageMagick::tempDir() + "/" + v.name + "." + v.kind;
    const bool ok = ImageMagick::convert(std::string(kSource) + " " + options + path);
    return made[v.name] = ok ? path : std::string();
}

class ImageMagickWritten : public ::testing::TestWithParam<Variant> {};
}  // namespace

TEST_P(ImageMagickWritten, DecodesToTheSamePixels) {
    const Variant& v = GetParam();
    const std::string& path = variantFile(v);
    ASSERT_FALSE(path.empty()) << "convert could not write " << v.name;
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(path, ref));
    if (v.inverted)
        for (std::size_t i = 0; i < ref.rgba.size(); ++i)
            ref.rgba[i] = i % 4 == 3 ? ref.rgba[i] : 255 - ref.rgba[i];
    const EngineDecode got = engineDecode(v.kind, ImageMagick::readFile(path));
    ASSERT_TRUE(got.ok) << got.message;
    EXPECT_EQ(got.width, ref.width);
    EXPECT_EQ(got.height, ref.height);
    EXPECT_EQ(got.channels, v.channels);
    ASSERT_EQ(got.rgba.size(), ref.rgba.size());
    std::size_t firstDiff = 0;
    while (firstDiff < ref.rgba.size() && got.rgba[firstDiff] == ref.rgba[firstDiff])
        ++firstDiff;
    EXPECT_EQ(firstDiff, ref.rgba.size()) << "first difference at pixel " << firstDiff / 4 << " channel "
                                          << firstDiff % 4;
}

// Cutting a valid file anywhere gives either a clean failure with a message
// or (for trailing bytes nobody needs) the full image; never a crash or a
// wrongly sized buffer.
TEST_P(ImageMagickWritten, TruncatedCopiesFailCleanly) {
    const Variant& v = GetParam();
    const std::string& path = variantFile(v);
    ASSERT_FALSE(path.empty());
    const std::vector<std::uint8_t> whole = ImageMagick::readFile(path);
    const EngineDecode full = engineDecode(v.kind, whole);
    ASSERT_TRUE(full.ok) << full.message;
    const std::size_t step = std::max<std::size_t>(1, whole.size() / 400);
    for (std::size_t length = 0; length < whole.size(); length += step) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        const EngineDecode got = engineDecode(v.kind, cut);
        if (got.ok)
            EXPECT_EQ(got.rgba, full.rgba) << "length " << length;
        else
            EXPECT_FALSE(got.message.empty()) << "length " << length;
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, ImageMagickWritten, ::testing::ValuesIn(kVariants),
                         [](const ::testing::TestParamInfo<Variant>& info) { return std::string(info.param.name); });
