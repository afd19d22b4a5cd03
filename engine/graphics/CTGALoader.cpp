#include "graphics/CTGALoader.h"

#include <algorithm>
#include <cstdio>

#include "bytes/ByteReader.h"
#include "bytes/DecodedImage.h"
#include "bytes/TextFormat.h"
#include "graphics/TextureUpload.h"

bool CTGALoader::compareHeader(const std::uint8_t* templ, Header header, std::size_t n) {
    return std::equal(templ, templ + std::min(n, header.size()), header.begin());
}

bool CTGALoader::failed() {
    imageData.clear();
    imageData.shrink_to_fit();
    return false;
}

bool CTGALoader::load(const std::string& path) {
    ByteReader in;
    if (!in.open(path)) {
        message_ =
            TextFormat::format("\nCould not open texture file: %.*s", static_cast<int>(path.size()), path.data());
        failed();
    } else if (decode(in, path)) {
        upload();
        return true;
    }
    std::fputs(message_.c_str(), stdout);
    return false;
}

bool CTGALoader::decode(ByteReader& in, const std::string& name) {
    message_.clear();
    header_ = TgaHeader{};
    if (!TgaDecoder::readStart(in, name, header_, message_))
        return failed();
    fileHeader = header_.fileHeader;
    switch (header_.type()) {
    case 2:
        return loadUncompressed(name, in);
    case 10:
        return loadCompressed(name, in);
    default:
        TgaDecoder::rejectType(name, message_);
        return failed();
    }
}

bool CTGALoader::loadUncompressed(const std::string& path, ByteReader& in) { return loadPixels(path, in, false); }

bool CTGALoader::loadCompressed(const std::string& path, ByteReader& in) { return loadPixels(path, in, true); }

bool CTGALoader::loadPixels(const std::string& path, ByteReader& in, bool compressed) {
    DecodedImage image;
    const bool ok = TgaDecoder::readPixels(in, path, compressed, header_, image, message_);
    infoHeader = header_.infoHeader;
    width = headerWidth = header_.width();
    height = headerHeight = header_.height();
    bitsPerPixel = headerBitsPerPixel = header_.bits();
    if (!ok)
        return failed();
    image.packRgb();
    format = image.layout == PixelLayout::Rgba ? GL_RGBA : GL_RGB;
    bytesPerPixel = bitsPerPixel / 8;
    imageSize = static_cast<unsigned>(image.pixels.size());
    imageData = std::move(image.pixels);
    return true;
}

void CTGALoader::upload() {
    textureId = TextureUpload::create(imageData.data(), static_cast<int>(width), static_cast<int>(height), format,
                                      TextureUpload::Options{});
}
