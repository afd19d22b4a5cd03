#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PngEncoder.h"

// A picture whose alpha is 1 everywhere is stored as RGB, any other as RGBA;
// both decode to the picture's bytes, carry no time stamp and repeat exactly.
TEST(PngEncoder, RoundTripsAsRgbWhenOpaqueAndRgbaOtherwise) {
    for (const bool opaque : {false, true}) {
        SCOPED_TRACE(opaque ? "opaque" : "translucent");
        Image picture(37, 5);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.set(x, y, {x / 36.0f, y / 4.0f, 0.3f, opaque ? 1.0f : (x + 1) / 37.0f});  // never 0
        const std::vector<std::uint8_t> png = encodePng(picture);
        // Colour type byte of the IHDR chunk (8-byte signature, 8-byte chunk head, 9 bytes in).
        EXPECT_EQ(png.at(25), opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA);

        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
        image.format = PNG_FORMAT_RGBA;
        std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
        ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr));
        EXPECT_EQ(image.width, 37u);
        EXPECT_EQ(image.height, 5u);
        EXPECT_EQ(rgba, picture.toRgba8());

        const std::string time = "tIME";
        EXPECT_EQ(std::search(png.begin(), png.end(), time.begin(), time.end()), png.end());
        EXPECT_EQ(png, encodePng(picture));
    }
}
