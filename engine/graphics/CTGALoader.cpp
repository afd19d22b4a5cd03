#include "graphics/CTGALoader.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "bytes/ByteReader.h"
#include "bytes/FileBytes.h"
#include "bytes/PixelConvert.h"
#include "bytes/TextFormat.h"
#include "graphics/TextureImage.h"
#include "graphics/TextureUpload.h"

namespace {
const std::uint8_t kUncompressedHeader[11] = {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const std::uint8_t kCompressedHeader[11] = {0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
// Image descriptor bit: rows are stored top row first.
const std::uint8_t kTopOrigin = 0x20;
}  // namespace

bool CTGALoader::compareHeader(const std::uint8_t* templ, Header header, std::size_t n) {
    return std::equal(templ, templ + std::min(n, header.size()), header.begin());
}

bool CTGALoader::fail(const char* text, const std::string& path) {
    message_ = TextFormat::format(text, static_cast<int>(path.size()), path.data());
    imageData.clear();
    imageData.shrink_to_fit();
    return false;
}

bool CTGALoader::load(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    const bool ok = FileBytes::read(path, bytes) ? decode(bytes.data(), bytes.size(), path)
                                                 : fail("\nCould not open texture file: %.*s", path);
    if (!ok) {
        std::fputs(message_.c_str(), stdout);
        return false;
    }
    upload();
    return true;
}

bool CTGALoader::decode(const std::uint8_t* data, std::size_t size, const std::string& name) {
    message_.clear();
    ByteReader in(data, size);
    if (!in.read_u8(idLength_))
        return fail("\nFailed to read TGAcomment: %.*s", name);
    if (!in.read_bytes(fileHeader.data(), fileHeader.size()))
        return fail("\nCould not read file header: %.*s", name);
    if (compareHeader(kUncompressedHeader, fileHeader, fileHeader.size()))
        return loadUncompressed(name, in);
    if (compareHeader(kCompressedHeader, fileHeader, fileHeader.size()))
        return loadCompressed(name, in);
    return fail("\nTGA file be type 2 or type 10, Invalid Image: %.*s", name);
}

// Reads and checks the size fields and steps over the image ID.
bool CTGALoader::readInfo(const std::string& path, ByteReader& in) {
    if (!in.read_bytes(infoHeader.data(), infoHeader.size()))
        return fail("Could not read info header: %.*s", path);
    width = infoHeader[1] * 256u + infoHeader[0];
    height = infoHeader[3] * 256u + infoHeader[2];
    bitsPerPixel = infoHeader[4];
    headerWidth = width;
    headerHeight = height;
    headerBitsPerPixel = bitsPerPixel;
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || !ImageLimits::allowed(width, height, bitsPerPixel / 8))
        return fail("Invalid texture information: %.*s", path);
    format = bitsPerPixel == 24 ? GL_RGB : GL_RGBA;
    bytesPerPixel = bitsPerPixel / 8;
    imageSize = bytesPerPixel * width * height;
    in.skip(std::min<std::size_t>(idLength_, in.remaining()));
    return true;
}

bool CTGALoader::loadUncompressed(const std::string& path, ByteReader& in) {
    if (!readInfo(path, in))
        return false;
    const std::uint8_t* pixels = in.take(imageSize);
    if (!pixels)
        return fail("Could not read image data: %.*s", path);
    try {
        imageData.resize(imageSize);
    } catch (const std::bad_alloc&) {
        return fail("Could not allocate memory for image: %.*s", path);
    }
    PixelConvert::bgrToRgb(pixels, bytesPerPixel, imageData.data(), bytesPerPixel, std::size_t(width) * height);
    orientRows();
    return true;
}

bool CTGALoader::loadCompressed(const std::string& path, ByteReader& in) {
    if (!readInfo(path, in))
        return false;
    // Each packet costs at least a header and one pixel value and yields at
    // most 128 pixels, so a short file cannot make us allocate the full size.
    const std::size_t reachable = in.remaining() / (1 + bytesPerPixel) * 128;
    const std::size_t capacity = std::min(std::size_t(width) * height, reachable);
    try {
        imageData.resize(capacity * bytesPerPixel);
    } catch (const std::bad_alloc&) {
        return fail("Could not allocate memory for image: %.*s", path);
    }
    if (!decodeRle(path, in, capacity))
        return false;
    orientRows();
    return true;
}

bool CTGALoader::decodeRle(const std::string& path, ByteReader& in, std::size_t capacityPixels) {
    const std::size_t bpp = bytesPerPixel;
    const std::size_t pixelCount = std::size_t(width) * height;
    std::uint8_t* out = imageData.data();
    for (std::size_t done = 0; done < pixelCount;) {
        std::uint8_t header;
        if (!in.read_u8(header))
            return fail("Could not read RLE header: %.*s", path);
        const bool run = header >= 128;
        const std::size_t count = run ? header - 127u : header + 1u;
        if (count > pixelCount - done)
            return fail("Too many pixels read: %.*s", path);
        const std::uint8_t* src = in.take(run ? bpp : bpp * count);
        // A packet present in full always fits the capacity; the second test
        // only guards the buffer.
        if (!src || count > capacityPixels - done)
            return fail(run ? "Could not read from file: %.*s" : "Could not read image data: %.*s", path);
        std::uint8_t* dst = out + done * bpp;
        PixelConvert::bgrToRgb(src, bpp, dst, bpp, run ? 1 : count);
        if (run)
            PixelConvert::repeatPixel(dst, bpp, count);
        done += count;
    }
    return true;
}

void CTGALoader::orientRows() {
    if (infoHeader[5] & kTopOrigin)
        PixelConvert::flipRows(imageData.data(), std::size_t(width) * bytesPerPixel, height);
}

void CTGALoader::upload() {
    textureId = TextureUpload::create(imageData.data(), static_cast<int>(width), static_cast<int>(height), format,
                                      TextureUpload::Options{});
}
