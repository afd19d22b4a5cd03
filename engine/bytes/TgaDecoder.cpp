#include "bytes/TgaDecoder.h"

#include <algorithm>
#include <cstring>

#include "bytes/ByteReader.h"
#include "bytes/ImageLimits.h"
#include "bytes/TextFormat.h"

namespace TgaDecoder {
const std::uint8_t kUncompressedHeader[11] = {0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const std::uint8_t kCompressedHeader[11] = {0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
}  // namespace TgaDecoder

int TgaHeader::type() const {
    const auto is = [this](const std::uint8_t* templ) {
        return std::equal(fileHeader.begin(), fileHeader.end(), templ);
    };
    return is(TgaDecoder::kUncompressedHeader) ? 2 : is(TgaDecoder::kCompressedHeader) ? 10 : 0;
}

namespace {
// Image descriptor bit: rows are stored top row first.
const std::uint8_t kTopOrigin = 0x20;

bool fail(const char* text, const std::string& name, std::string& error) {
    error = TextFormat::format(text, static_cast<int>(name.size()), name.data());
    return false;
}

// Puts the pixels of one packet in place: count pixels from pixel number
// `done` on (in file order), copied from src or, for a run, src's one pixel
// repeated. A packet may cross rows, and rows of a top-origin file go
// bottom first.
void place(DecodedImage& image, bool topOrigin, std::size_t done, std::size_t count, const std::uint8_t* src,
           bool run) {
    const std::size_t bpp = DecodedImage::bytesPerPixel(image.layout);
    const std::size_t width = std::size_t(image.width);
    while (count > 0) {
        const std::size_t y = done / width, x = done % width;
        const std::size_t n = std::min(count, width - x);
        std::uint8_t* dst = image.row(topOrigin ? image.height - 1 - y : y) + x * bpp;
        if (run) {
            std::memcpy(dst, src, bpp);
            PixelConvert::repeatPixel(dst, bpp, n);
        } else {
            std::memcpy(dst, src, n * bpp);
            src += n * bpp;
        }
        done += n;
        count -= n;
    }
}

// Walks the packets of a type 10 file; with image null it only checks them.
bool readPackets(ByteReader& in, const std::string& name, std::size_t pixelCount, std::size_t bpp, bool topOrigin,
                 DecodedImage* image, std::string& error) {
    for (std::size_t done = 0; done < pixelCount;) {
        std::uint8_t header;
        if (!in.read_u8(header))
            return fail("Could not read RLE header: %.*s", name, error);
        const bool run = header >= 128;
        const std::size_t count = run ? header - 127u : header + 1u;
        if (count > pixelCount - done)
            return fail("Too many pixels read: %.*s", name, error);
        const std::uint8_t* src = in.take(run ? bpp : bpp * count);
        if (!src)
            return fail(run ? "Could not read from file: %.*s" : "Could not read image data: %.*s", name, error);
        if (image)
            place(*image, topOrigin, done, count, src, run);
        done += count;
    }
    return true;
}

bool readUncompressed(ByteReader& in, const std::string& name, bool topOrigin, DecodedImage& image,
                      std::string& error) {
    const std::size_t rowBytes = image.rowBytes();
    if (!topOrigin)
        return in.read_bytes(image.pixels.data(), image.pixels.size()) ||
               fail("Could not read image data: %.*s", name, error);
    for (int y = image.height - 1; y >= 0; --y)
        if (!in.read_bytes(image.row(std::size_t(y)), rowBytes))
            return fail("Could not read image data: %.*s", name, error);
    return true;
}

bool readPicture(ByteReader& in, const std::string& name, bool compressed, TgaHeader& header, DecodedImage& image,
                 std::string& error) {
    std::array<std::uint8_t, 6>& info = header.infoHeader;
    if (!in.read_bytes(info.data(), info.size()))
        return fail("Could not read info header: %.*s", name, error);
    const unsigned width = header.width(), height = header.height(), bits = header.bits();
    const bool topOrigin = (info[5] & kTopOrigin) != 0;
    if ((bits != 24 && bits != 32) || !ImageLimits::allowed(width, height, bits / 8))
        return fail("Invalid texture information: %.*s", name, error);
    in.skip(std::min<std::size_t>(header.idLength, in.remaining()));
    const std::size_t bpp = bits / 8;
    const std::size_t pixelCount = std::size_t(width) * height;
    // A file too short for the picture fails before anything is allocated:
    // uncompressed data is counted, and each packet costs at least a header
    // and one pixel value for at most 128 pixels.
    const bool reachable =
        compressed ? in.remaining() / (1 + bpp) * 128 >= pixelCount : in.remaining() >= pixelCount * bpp;
    if (!reachable)  // the packet walk ends in the message of where it stops
        return compressed ? readPackets(in, name, pixelCount, bpp, topOrigin, nullptr, error)
                          : fail("Could not read image data: %.*s", name, error);
    if (!image.allocate(int(width), int(height), bits == 24 ? PixelLayout::Bgr : PixelLayout::Bgra, false))
        return fail("Could not allocate memory for image: %.*s", name, error);
    image.fileBits = bits;
    image.fileCompression = compressed ? 1 : 0;
    return compressed ? readPackets(in, name, pixelCount, bpp, topOrigin, &image, error)
                      : readUncompressed(in, name, topOrigin, image, error);
}
}  // namespace

namespace TgaDecoder {
bool readStart(ByteReader& in, const std::string& name, TgaHeader& header, std::string& error) {
    if (!in.read_u8(header.idLength))
        return fail("\nFailed to read TGAcomment: %.*s", name, error);
    if (!in.read_bytes(header.fileHeader.data(), header.fileHeader.size()))
        return fail("\nCould not read file header: %.*s", name, error);
    return true;
}

bool rejectType(const std::string& name, std::string& error) {
    return fail("\nTGA file be type 2 or type 10, Invalid Image: %.*s", name, error);
}

bool readPixels(ByteReader& in, const std::string& name, bool compressed, TgaHeader& header, DecodedImage& image,
                std::string& error) {
    image.clear();
    if (readPicture(in, name, compressed, header, image, error))
        return true;
    image.clear();
    return false;
}
}  // namespace TgaDecoder

bool decodeTga(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error) {
    image.clear();
    error.clear();
    TgaHeader header;
    if (!TgaDecoder::readStart(in, name, header, error))
        return false;
    const int type = header.type();
    if (type == 0)
        return TgaDecoder::rejectType(name, error);
    return TgaDecoder::readPixels(in, name, type == 10, header, image, error);
}
