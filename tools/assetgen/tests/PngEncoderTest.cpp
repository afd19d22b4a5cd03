#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PngEncoder.h"

namespace {

struct Decoded {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

Decoded decode(const std::vector<std::uint8_t>& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Decoded out;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return out;
    image.format = PNG_FORMAT_RGBA;
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) return {};
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    return out;
}

// Colour type byte of the IHDR chunk (8-byte signature, 8-byte chunk head, 9 bytes in).
int colorType(const std::vector<std::uint8_t>& png) { return png.at(25); }

bool hasChunk(const std::vector<std::uint8_t>& png, const std::string& name) {
    return std::search(png.begin(), png.end(), name.begin(), name.end()) != png.end();
}

Image gradientPicture(float alpha) {
    Image image(37, 5);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.set(x, y, {x / 36.0f, y / 4.0f, 0.3f, alpha < 0.0f ? x / 36.0f : alpha});
    return image;
}

}  // namespace

TEST(PngEncoder, TranslucentPictureRoundTripsAsRgba) {
    const Image picture = gradientPicture(-1.0f);
    const std::vector<std::uint8_t> png = encodePng(picture);
    EXPECT_EQ(colorType(png), PNG_COLOR_TYPE_RGB_ALPHA);
    const Decoded decoded = decode(png);
    ASSERT_EQ(decoded.width, 37);
    ASSERT_EQ(decoded.height, 5);
    EXPECT_EQ(decoded.rgba, picture.toRgba8());
}

TEST(PngEncoder, OpaquePictureIsStoredWithoutAlpha) {
    const Image picture = gradientPicture(1.0f);
    const std::vector<std::uint8_t> png = encodePng(picture);
    EXPECT_EQ(colorType(png), PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(decode(png).rgba, picture.toRgba8());
}

TEST(PngEncoder, OutputCarriesNoTimeStampAndRepeatsExactly) {
    const Image picture = gradientPicture(-1.0f);
    const std::vector<std::uint8_t> png = encodePng(picture);
    EXPECT_FALSE(hasChunk(png, "tIME"));
    EXPECT_EQ(png, encodePng(picture));
}
