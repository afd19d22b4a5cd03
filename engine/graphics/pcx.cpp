#include "graphics/pcx.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "bytes/ByteReader.h"
#include "bytes/FileBytes.h"
#include "bytes/PixelConvert.h"
#include "bytes/TextFormat.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextureUpload.h"

namespace {
const std::size_t kHeaderSize = 128;
const std::size_t kPaletteTrailerSize = 769;
const std::uint8_t kManufacturer = 10;
const std::uint8_t kPaletteMarker = 12;

struct Header {
    std::uint8_t manufacturer = 0;
    std::uint8_t bitsPerPlane = 0;
    std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    const std::uint8_t* palette16 = nullptr;  // 16 RGB entries
    std::uint8_t planes = 0;
    std::uint16_t bytesPerLine = 0;
};

bool parseHeader(const std::uint8_t* raw, Header& h) {
    ByteReader in(raw, kHeaderSize);
    std::uint8_t version, encoding, reserved;
    return in.read_u8(h.manufacturer) && in.read_u8(version) && in.read_u8(encoding) && in.read_u8(h.bitsPerPlane) &&
           in.read_u16(h.xMin) && in.read_u16(h.yMin) && in.read_u16(h.xMax) && in.read_u16(h.yMax) && in.skip(4) &&
           (h.palette16 = in.take(48)) != nullptr && in.read_u8(reserved) && in.read_u8(h.planes) &&
           in.read_u16(h.bytesPerLine);
}

// Run-length byte stream: a byte of 192 or more gives a run of (byte - 192)
// copies of the next byte. Runs carry over from one scan line to the next.
class RleStream {
public:
    explicit RleStream(ByteReader in) : in_(in) {}

    bool fill(std::uint8_t* dst, std::size_t n) {
        while (n > 0) {
            if (pending_ > 0) {
                const std::size_t k = std::min(pending_, n);
                std::memset(dst, value_, k);
                dst += k;
                n -= k;
                pending_ -= k;
                continue;
            }
            std::uint8_t c;
            if (!in_.read_u8(c))
                return false;
            if (c < 192) {
                *dst++ = c;
                --n;
            } else {
                pending_ = c - 192u;
                if (!in_.read_u8(value_))
                    return false;
            }
        }
        return true;
    }

private:
    ByteReader in_;
    std::size_t pending_ = 0;
    std::uint8_t value_ = 0;
};

class PcxDecoder {
public:
    PcxDecoder(const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
               std::string& error)
        : data_(data), size_(size), name_(name), image_(image), error_(error) {}

    bool run() {
        if (size_ < kHeaderSize || !parseHeader(data_, h_))
            return fail(TextFormat::format("error: \"%s\" is too short for a pcx file!\n", name_.c_str()));
        if (h_.manufacturer != kManufacturer)
            return fail(TextFormat::format("error: bad version number! (%i)\n", h_.manufacturer));
        const unsigned bitCount = unsigned(h_.bitsPerPlane) * h_.planes;
        if (!supported())
            return fail(TextFormat::format("error: unknown %i bitcount pcx files\n", static_cast<int>(bitCount)));
        if (h_.xMax < h_.xMin || h_.yMax < h_.yMin ||
            !ImageLimits::allowed(h_.xMax - h_.xMin + 1u, h_.yMax - h_.yMin + 1u, 3))
            return fail(TextFormat::format("error: bad image size in \"%s\"!\n", name_.c_str()));
        width_ = std::size_t(h_.xMax) - h_.xMin + 1;
        height_ = std::size_t(h_.yMax) - h_.yMin + 1;
        // A scan line must hold every pixel of the row.
        if (std::size_t(h_.bytesPerLine) * 8 < width_ * h_.bitsPerPlane)
            return fail(TextFormat::format("error: bad bytes per line! (%i)\n", h_.bytesPerLine));
        std::size_t dataEnd = size_;
        if (bitCount == 8 && !readPalette256(dataEnd))
            return false;
        image_.width = static_cast<std::int32_t>(width_);
        image_.height = static_cast<std::int32_t>(height_);
        image_.format = GL_RGB;
        image_.components = 3;
        image_.texels.resize(width_ * height_ * 3);
        return decodeLines(ByteReader(data_ + kHeaderSize, dataEnd - kHeaderSize));
    }

private:
    bool fail(std::string message) {
        error_ = std::move(message);
        image_ = TextureImage{};
        return false;
    }

    bool supported() const {
        const unsigned bits = h_.bitsPerPlane, planes = h_.planes;
        return (bits == 1 && (planes == 1 || planes == 4)) || (bits == 8 && (planes == 1 || planes == 3));
    }

    // The 256-colour palette sits in the last 769 bytes, after the marker.
    bool readPalette256(std::size_t& dataEnd) {
        if (size_ < kHeaderSize + kPaletteTrailerSize)
            return fail(TextFormat::format("error: \"%s\" has no colormap!\n", name_.c_str()));
        dataEnd = size_ - kPaletteTrailerSize;
        const std::uint8_t marker = data_[dataEnd];
        if (marker != kPaletteMarker)
            return fail(TextFormat::format("error: colormap's first byte must be 0x0c! (%#x)\n", marker));
        const std::uint8_t* map = data_ + dataEnd + 1;
        for (unsigned i = 0; i < 256; ++i)
            palette_.set(i, map[i * 3], map[i * 3 + 1], map[i * 3 + 2]);
        return true;
    }

    // The first scan line is the top row of the picture, the last texel row.
    bool decodeLines(ByteReader pixels) {
        RleStream stream(pixels);
        const std::size_t lineBytes = std::size_t(h_.bytesPerLine) * h_.planes;
        std::vector<std::uint8_t> line(lineBytes);
        for (std::size_t row = 0; row < height_; ++row) {
            if (!stream.fill(line.data(), lineBytes))
                return fail(TextFormat::format("error: \"%s\" is truncated!\n", name_.c_str()));
            convertLine(line.data(), image_.texels.data() + (height_ - 1 - row) * width_ * 3);
        }
        return true;
    }

    void convertLine(const std::uint8_t* line, std::uint8_t* dst) const {
        const std::size_t bpl = h_.bytesPerLine;
        switch (unsigned(h_.bitsPerPlane) * h_.planes) {
        case 24:
            for (std::size_t x = 0; x < width_; ++x, dst += 3) {
                dst[0] = line[x];
                dst[1] = line[bpl + x];
                dst[2] = line[2 * bpl + x];
            }
            return;
        case 8:
            PixelConvert::expandIndices(line, width_, palette_, dst);
            return;
        default:
            for (std::size_t x = 0; x < width_; ++x, dst += 3)
                std::memcpy(dst, h_.palette16 + planarIndex(line, x) * 3, 3);
        }
    }

    // Index of pixel x in a 1-bit image of one or four planes.
    unsigned planarIndex(const std::uint8_t* line, std::size_t x) const {
        unsigned index = 0;
        for (unsigned plane = 0; plane < h_.planes; ++plane)
            if (line[plane * std::size_t(h_.bytesPerLine) + x / 8] & (0x80 >> (x % 8)))
                index |= 1u << plane;
        return index;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    const std::string& name_;
    TextureImage& image_;
    std::string& error_;
    Header h_;
    std::size_t width_ = 0;
    std::size_t height_ = 0;
    PixelConvert::Palette32 palette_;
};
}  // namespace

bool decodePcx(const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
               std::string& error) {
    error.clear();
    image = TextureImage{};
    return PcxDecoder(data, size, name, image, error).run();
}

TextureImage readPcx(const char* path) {
    TextureImage image;
    std::vector<std::uint8_t> bytes;
    if (!FileBytes::readOrReport(path, bytes))
        return image;
    std::string error;
    if (!decodePcx(bytes.data(), bytes.size(), path, image, error))
        std::fputs(error.c_str(), stderr);
    return image;
}

GLuint pcxTexture(const char* path) {
    return TextureUpload::createMipmapped(readPcx(path), ImageLoading::anisotropyEnabled());
}
