#include "graphics/CTGA.h"

#include <algorithm>

#include "bytes/FileBytes.h"
#include "graphics/CTGALoader.h"
#include "graphics/TextureUpload.h"

namespace {
const std::uint8_t kUncompressedHeader[11] = {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}

bool CTGA::compareBytes(std::size_t n, const std::uint8_t* data, const std::uint8_t* templ) {
    return std::equal(data, data + n, templ);
}

bool CTGA::decode(const std::uint8_t* data, std::size_t size) {
    // Only type 2 is accepted; the full reader does the rest of the work.
    if (size < 12 || !compareBytes(sizeof kUncompressedHeader, data + 1, kUncompressedHeader))
        return false;
    CTGALoader reader;
    if (!reader.decode(data, size, std::string()))
        return false;
    bitsPerPixel = reader.bitsPerPixel;
    width = reader.width;
    height = reader.height;
    imageData = std::move(reader.imageData);
    return true;
}

bool CTGA::load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    if (!FileBytes::read(path, bytes) || !decode(bytes.data(), bytes.size()))
        return false;
    textureId = TextureUpload::create(imageData.data(), static_cast<int>(width), static_cast<int>(height),
                                      bitsPerPixel == 24 ? GL_RGB : GL_RGBA, TextureUpload::Options{});
    return true;
}
