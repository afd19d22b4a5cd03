#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include "graphics/CTGALoader.h"
#include "graphics/TextureImage.h"
#include "graphics/bmp.h"
#include "graphics/pcx.h"
#include "support/ImageMagick.h"

namespace {
// Rows bottom first with `channels` bytes per pixel -> rows top first, RGBA.
std::vector<std::uint8_t> toTopDownRgba(const PixelBuffer& pixels, int width, int height, int channels) {
    std::vector<std::uint8_t> out(std::size_t(width) * height * 4, 255);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < channels; ++c)
                out[(std::size_t(height - 1 - y) * width + x) * 4 + c] =
                    pixels[(std::size_t(y) * width + x) * channels + c];
    return out;
}
}  // namespace

EngineDecode engineDecode(const std::string& kind, const std::vector<std::uint8_t>& bytes) {
    EngineDecode result;
    TextureImage image;
    if (kind == "tga") {
        CTGALoader loader;
        result.ok = loader.decode(bytes.data(), bytes.size(), "test.tga");
        result.message = loader.message();
        image.width = static_cast<int>(loader.width);
        image.height = static_cast<int>(loader.height);
        image.components = static_cast<int>(loader.bytesPerPixel);
        image.texels = loader.imageData;
    } else if (kind == "bmp") {
        result.ok = decodeBmp(bytes.data(), bytes.size(), "test.bmp", image, result.message);
    } else {
        result.ok = decodePcx(bytes.data(), bytes.size(), "test.pcx", image, result.message);
    }
    if (!result.ok)
        return result;
    result.width = image.width;
    result.height = image.height;
    result.channels = image.components;
    if (image.texels.size() != std::size_t(image.width) * image.height * image.components) {
        result.ok = false;
        result.message = "decoded buffer has the wrong size";
        return result;
    }
    result.rgba = toTopDownRgba(image.texels, image.width, image.height, image.components);
    return result;
}

Bytes& Bytes::u8(unsigned v) {
    data.push_back(static_cast<std::uint8_t>(v));
    return *this;
}
Bytes& Bytes::u16(unsigned v) { return u8(v & 0xFF).u8(v >> 8); }
Bytes& Bytes::u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
Bytes& Bytes::fill(std::size_t n, unsigned v) {
    data.insert(data.end(), n, static_cast<std::uint8_t>(v));
    return *this;
}
Bytes& Bytes::raw(const std::vector<std::uint8_t>& v) {
    data.insert(data.end(), v.begin(), v.end());
    return *this;
}

void expectDecodesLikeImageMagick(const std::string& kind, const std::string& name,
                                  const std::vector<std::uint8_t>& file) {
    const EngineDecode got = engineDecode(kind, file);
    ASSERT_TRUE(got.ok) << got.message;
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(ImageMagick::writeFile(name, file), ref));
    EXPECT_EQ(got.rgba, ref.rgba) << name;
}
