#include "support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include "bytes/BmpDecoder.h"
#include "bytes/ByteReader.h"
#include "bytes/PcxDecoder.h"
#include "bytes/TgaDecoder.h"
#include "support/ImageMagick.h"

ImageDecoder decoderFor(const std::string& kind) {
    return kind == "tga" ? &decodeTga : kind == "bmp" ? &decodeBmp : &decodePcx;
}

bool engineDecode(const std::string& kind, const std::vector<std::uint8_t>& bytes, DecodedImage& image,
                  std::string& message) {
    ByteReader in(bytes);
    if (!decoderFor(kind)(in, "test." + kind, image, message))
        return false;
    const std::size_t rowBytes = image.rowBytes();
    if ((image.rowStride != rowBytes && image.rowStride != (rowBytes + 3) / 4 * 4) ||
        image.pixels.size() != image.rowStride * std::size_t(image.height)) {
        message = "decoded buffer has the wrong shape";
        return false;
    }
    return true;
}

std::string refusal(const std::string& kind, const std::vector<std::uint8_t>& bytes) {
    DecodedImage image;
    std::string error;
    ByteReader in(bytes);
    EXPECT_FALSE(decoderFor(kind)(in, "x." + kind, image, error));
    EXPECT_TRUE(image.empty());
    return error;
}

std::vector<std::uint8_t> topDownRgba(const DecodedImage& image) {
    const std::size_t rowBytes = std::size_t(image.width) * 4;
    std::vector<std::uint8_t> out(rowBytes * std::size_t(image.height));
    for (std::size_t y = 0; y < std::size_t(image.height); ++y)
        image.copyRow(y, out.data() + (std::size_t(image.height) - 1 - y) * rowBytes, 4);
    return out;
}

void expectDecodesLikeImageMagick(const std::string& kind, const std::string& name,
                                  const std::vector<std::uint8_t>& file) {
    DecodedImage image;
    std::string message;
    ASSERT_TRUE(engineDecode(kind, file, image, message)) << message;
    ImageMagick::Reference ref;
    ASSERT_TRUE(ImageMagick::reference(ImageMagick::writeFile(name, file), ref));
    EXPECT_EQ(topDownRgba(image), ref.rgba) << name;
}
