#include "bytes/PcxDecoder.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "bytes/ByteReader.h"
#include "bytes/ImageLimits.h"
#include "bytes/TextFormat.h"

namespace {
const std::size_t kHeaderSize = 128;
const std::size_t kPaletteTrailerSize = 769;
const std::uint8_t kManufacturer = 10;
const std::uint8_t kPaletteMarker = 12;
const unsigned kRunFlag = 192;

struct Header {
    std::uint8_t manufacturer = 0;
    std::uint8_t bitsPerPlane = 0;
    std::uint16_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    std::uint8_t palette16[48] = {};  // 16 RGB entries
    std::uint8_t planes = 0;
    std::uint16_t bytesPerLine = 0;
};

bool readHeader(ByteReader& file, Header& h) {
    const std::uint8_t* raw = file.take(kHeaderSize);
    if (!raw)
        return false;
    ByteReader in(raw, kHeaderSize);
    std::uint8_t version, encoding, reserved;
    return in.read_u8(h.manufacturer) && in.read_u8(version) && in.read_u8(encoding) && in.read_u8(h.bitsPerPlane) &&
           in.read_u16(h.xMin) && in.read_u16(h.yMin) && in.read_u16(h.xMax) && in.read_u16(h.yMax) && in.skip(4) &&
           in.read_bytes(h.palette16, sizeof h.palette16) && in.read_u8(reserved) && in.read_u8(h.planes) &&
           in.read_u16(h.bytesPerLine);
}

// Run-length byte stream: a byte of 192 or more gives a run of (byte - 192)
// copies of the next byte. Runs carry over from one scan line to the next.
class RleStream {
public:
    explicit RleStream(ByteReader& in) : in_(in) {}

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
            if (c < kRunFlag) {
                *dst++ = c;
                --n;
            } else {
                pending_ = c - kRunFlag;
                if (!in_.read_u8(value_))
                    return false;
            }
        }
        return true;
    }

private:
    ByteReader& in_;
    std::size_t pending_ = 0;
    std::uint8_t value_ = 0;
};

class PcxDecoder {
public:
    PcxDecoder(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error)
        : in_(in), name_(name), image_(image), error_(error) {}

    bool run() {
        if (!readHeader(in_, h_))
            return fail(TextFormat::format("error: \"%s\" is too short for a pcx file!\n", name_.c_str()));
        if (h_.manufacturer != kManufacturer)
            return fail(TextFormat::format("error: bad version number! (%i)\n", h_.manufacturer));
        const unsigned bitCount = unsigned(h_.bitsPerPlane) * h_.planes;
        if (!supported())
            return fail(TextFormat::format("error: unknown %i bitcount pcx files\n", static_cast<int>(bitCount)));
        if (h_.xMax < h_.xMin || h_.yMax < h_.yMin ||
            !ImageLimits::allowed(h_.xMax - h_.xMin + 1u, h_.yMax - h_.yMin + 1u, 3))
            return badSize();
        width_ = std::size_t(h_.xMax) - h_.xMin + 1;
        height_ = std::size_t(h_.yMax) - h_.yMin + 1;
        // A scan line must hold every pixel of the row.
        if (std::size_t(h_.bytesPerLine) * 8 < width_ * h_.bitsPerPlane)
            return fail(TextFormat::format("error: bad bytes per line! (%i)\n", h_.bytesPerLine));
        if (bitCount == 8 ? !readPalette256() : !usePalette16())
            return false;
        if (!reachable())
            return truncated();
        if (!image_.allocate(int(width_), int(height_), bitCount == 24 ? PixelLayout::Rgb : PixelLayout::Indexed,
                             false))
            return badSize();
        image_.fileBits = bitCount;
        image_.fileCompression = 1;
        return readLines();
    }

private:
    bool fail(std::string message) {
        error_ = std::move(message);
        image_.clear();
        return false;
    }
    bool truncated() { return fail(TextFormat::format("error: \"%s\" is truncated!\n", name_.c_str())); }
    bool badSize() { return fail(TextFormat::format("error: bad image size in \"%s\"!\n", name_.c_str())); }

    bool supported() const {
        const unsigned bits = h_.bitsPerPlane, planes = h_.planes;
        return (bits == 1 && (planes == 1 || planes == 4)) || (bits == 8 && (planes == 1 || planes == 3));
    }

    bool usePalette16() {
        for (unsigned i = 0; i < 16; ++i)
            image_.palette.set(i, h_.palette16[i * 3], h_.palette16[i * 3 + 1], h_.palette16[i * 3 + 2]);
        return true;
    }

    // The 256-colour palette sits in the last 769 bytes, after the marker;
    // the pixel data is fenced off before it.
    bool readPalette256() {
        const std::size_t size = in_.size();
        if (size < kHeaderSize + kPaletteTrailerSize)
            return fail(TextFormat::format("error: \"%s\" has no colormap!\n", name_.c_str()));
        const std::size_t dataEnd = size - kPaletteTrailerSize;
        const std::uint8_t* trailer = in_.seek(dataEnd) ? in_.take(kPaletteTrailerSize) : nullptr;
        if (!trailer)
            return truncated();
        if (trailer[0] != kPaletteMarker)
            return fail(TextFormat::format("error: colormap's first byte must be 0x0c! (%#x)\n", trailer[0]));
        const std::uint8_t* map = trailer + 1;
        for (unsigned i = 0; i < 256; ++i)
            image_.palette.set(i, map[i * 3], map[i * 3 + 1], map[i * 3 + 2]);
        in_.seek(kHeaderSize);
        in_.fence(dataEnd);
        return true;
    }

    // Two bytes of run-length data give at most 63 bytes, so a file too
    // short for its picture is known before anything is allocated.
    bool reachable() const {
        const std::size_t remaining = in_.remaining();
        const std::size_t most = remaining / 2 * (255 - kRunFlag) + remaining % 2;
        return most / height_ >= lineBytes();
    }

    std::size_t lineBytes() const { return std::size_t(h_.bytesPerLine) * h_.planes; }

    // The first scan line is the top row of the picture, the last image row.
    // Scan lines of 8-bit images whose width is their length go straight in.
    bool readLines() {
        RleStream stream(in_);
        const bool direct = h_.planes == 1 && h_.bitsPerPlane == 8 && h_.bytesPerLine == width_;
        std::vector<std::uint8_t> line(direct ? 0 : lineBytes());
        for (std::size_t row = 0; row < height_; ++row) {
            std::uint8_t* dst = image_.row(height_ - 1 - row);
            if (!stream.fill(direct ? dst : line.data(), lineBytes()))
                return truncated();
            if (!direct)
                convertLine(line.data(), dst);
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
            std::memcpy(dst, line, width_);
            return;
        default:
            for (std::size_t x = 0; x < width_; ++x)
                dst[x] = planarIndex(line, x);
        }
    }

    // Index of pixel x in a 1-bit image of one or four planes.
    std::uint8_t planarIndex(const std::uint8_t* line, std::size_t x) const {
        unsigned index = 0;
        for (unsigned plane = 0; plane < h_.planes; ++plane)
            if (line[plane * std::size_t(h_.bytesPerLine) + x / 8] & (0x80 >> (x % 8)))
                index |= 1u << plane;
        return static_cast<std::uint8_t>(index);
    }

    ByteReader& in_;
    const std::string& name_;
    DecodedImage& image_;
    std::string& error_;
    Header h_;
    std::size_t width_ = 0;
    std::size_t height_ = 0;
};
}  // namespace

bool decodePcx(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error) {
    error.clear();
    image.clear();
    return PcxDecoder(in, name, image, error).run();
}
