#include "graphics/CTGA.h"

#include <algorithm>

#include "bytes/ByteReader.h"
#include "bytes/TgaDecoder.h"
#include "graphics/TextureUpload.h"

bool CTGA::compareBytes(std::size_t n, const std::uint8_t* data, const std::uint8_t* templ) {
    return std::equal(data, data + n, templ);
}

bool CTGA::decode(ByteReader& in) {
    // Only type 2 is accepted; the byte layer's decoder does the rest.
    TgaHeader header;
    DecodedImage image;
    std::string ignored;
    if (!TgaDecoder::readStart(in, std::string(), header, ignored) || header.type() != 2 ||
        !TgaDecoder::readPixels(in, std::string(), false, header, image, ignored))
        return false;
    bitsPerPixel = image.fileBits;
    width = static_cast<unsigned>(image.width);
    height = static_cast<unsigned>(image.height);
    image.packRgb();
    imageData = std::move(image.pixels);
    return true;
}

bool CTGA::load(const std::string& path) {
    ByteReader in;
    if (!in.open(path) || !decode(in))
        return false;
    textureId = TextureUpload::create(imageData.data(), static_cast<int>(width), static_cast<int>(height),
                                      bitsPerPixel == 24 ? GL_RGB : GL_RGBA, TextureUpload::Options{});
    return true;
}
