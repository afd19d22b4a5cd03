#include "graphics/bmp.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "bytes/ByteReader.h"
#include "bytes/FileBytes.h"
#include "bytes/PixelConvert.h"
#include "bytes/TextFormat.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextureUpload.h"

namespace {
enum Compression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2 };
const std::uint32_t kOs2HeaderSize = 12;
const std::uint32_t kWindowsHeaderSize = 40;

struct Header {
    std::uint32_t pixelOffset = 0;
    std::uint32_t headerSize = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bits = 0;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    bool topDown = false;
};

class BmpDecoder {
public:
    BmpDecoder(const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
               std::string& error)
        : in_(data, size), name_(name), image_(image), error_(error) {}

    bool run(BmpInfo* info) {
        if (!readHeader())
            return false;
        if (info)
            *info = BmpInfo{static_cast<int>(h_.bits), static_cast<int>(h_.compression)};
        if (!supported())
            return fail(TextFormat::format("unsupported bitmap type or bad filecompression type (%i)\n",
                                           static_cast<int>(h_.compression)));
        if (!ImageLimits::allowed(h_.width, h_.height, 3))
            return fail(TextFormat::format("%s has an invalid size!\n", name_.c_str()));
        if (!readPalette() || !in_.seek(h_.pixelOffset))
            return truncated();
        image_.width = static_cast<std::int32_t>(h_.width);
        image_.height = static_cast<std::int32_t>(h_.height);
        image_.format = GL_RGB;
        image_.components = 3;
        image_.texels.resize(std::size_t(h_.width) * h_.height * 3);
        return h_.compression == kNone ? decodeRows() : decodeRle();
    }

private:
    bool fail(std::string message) {
        error_ = std::move(message);
        image_ = TextureImage{};
        return false;
    }
    bool truncated() { return fail(TextFormat::format("%s is truncated or damaged!\n", name_.c_str())); }

    bool readHeader() {
        std::uint8_t magic[2] = {0, 0};
        std::uint32_t fileSize;
        std::uint16_t reserved;
        const bool ok = in_.read_bytes(magic, 2) && in_.read_u32(fileSize) && in_.read_u16(reserved) &&
                        in_.read_u16(reserved) && in_.read_u32(h_.pixelOffset) && in_.read_u32(h_.headerSize);
        if (!ok || magic[0] != 'B' || magic[1] != 'M')
            return fail(TextFormat::format("%s is not a valid BMP file!\n", name_.c_str()));
        // The header's own size tells the OS/2 form from the Windows forms
        // (40 bytes and the longer later versions, which start the same way).
        if (h_.headerSize == kOs2HeaderSize)
            return readOs2Header();
        if (h_.headerSize >= kWindowsHeaderSize)
            return readWindowsHeader();
        return fail(TextFormat::format("%s is not a valid BMP file!\n", name_.c_str()));
    }

    bool readOs2Header() {
        std::uint16_t width, height, planes, bits;
        if (!in_.read_u16(width) || !in_.read_u16(height) || !in_.read_u16(planes) || !in_.read_u16(bits))
            return truncated();
        h_.width = width;
        h_.height = height;
        h_.bits = bits;
        return true;
    }

    bool readWindowsHeader() {
        std::int32_t width, height;
        std::uint16_t planes, bits;
        std::uint32_t imageSize, xResolution, yResolution;
        if (!in_.read_i32(width) || !in_.read_i32(height) || !in_.read_u16(planes) || !in_.read_u16(bits) ||
            !in_.read_u32(h_.compression) || !in_.read_u32(imageSize) || !in_.read_u32(xResolution) ||
            !in_.read_u32(yResolution) || !in_.read_u32(h_.colorsUsed))
            return truncated();
        // A negative height marks rows stored top first.
        h_.topDown = height < 0;
        h_.width = width;
        h_.height = h_.topDown ? -std::int64_t(height) : height;
        h_.bits = bits;
        return true;
    }

    bool supported() const {
        switch (h_.compression) {
        case kNone:
            return h_.bits == 1 || h_.bits == 4 || h_.bits == 8 || h_.bits == 24 || h_.bits == 32;
        case kRle8:
            return h_.bits == 8 && !h_.topDown;
        case kRle4:
            return h_.bits == 4 && !h_.topDown;
        default:
            return false;
        }
    }

    // Colour-map entries beyond what the file holds stay black, so any
    // index read from the pixels is safe.
    bool readPalette() {
        if (h_.bits > 8)
            return true;
        const std::size_t entrySize = h_.headerSize == kOs2HeaderSize ? 3 : 4;
        const std::size_t maximum = std::size_t(1) << h_.bits;
        const std::size_t entries = h_.colorsUsed > 0 && h_.colorsUsed < maximum ? h_.colorsUsed : maximum;
        if (!in_.seek(14 + std::size_t(h_.headerSize)))
            return false;
        const std::uint8_t* map = in_.take(entries * entrySize);
        if (!map)
            return false;
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* bgr = map + i * entrySize;
            palette_.set(static_cast<unsigned>(i), bgr[2], bgr[1], bgr[0]);
        }
        return true;
    }

    std::uint8_t* pixelAt(std::size_t index) { return image_.texels.data() + index * 3; }

    void putIndex(std::uint8_t* dst, unsigned index) const { std::memcpy(dst, &palette_.entries[index], 3); }

    // Rows are padded to four bytes in the file; the last row's padding
    // may be missing.
    bool decodeRows() {
        const std::size_t width = std::size_t(h_.width);
        const std::size_t used = (width * h_.bits + 7) / 8;
        const std::size_t padding = (4 - used % 4) % 4;
        for (std::size_t row = 0; row < std::size_t(h_.height); ++row) {
            const std::uint8_t* src = in_.take(used);
            if (!src)
                return truncated();
            in_.skip(std::min(padding, in_.remaining()));
            const std::size_t target = h_.topDown ? std::size_t(h_.height) - 1 - row : row;
            decodeRow(src, pixelAt(target * width), width);
        }
        return true;
    }

    void decodeRow(const std::uint8_t* src, std::uint8_t* dst, std::size_t width) const {
        switch (h_.bits) {
        case 24:
        case 32:
            PixelConvert::bgrToRgb(src, h_.bits / 8, dst, 3, width);
            return;
        case 8:
            PixelConvert::expandIndices(src, width, palette_, dst);
            return;
        default: {  // 1 and 4 bits, most significant bits first
            const unsigned bits = h_.bits;
            const unsigned mask = (1u << bits) - 1;
            for (std::size_t x = 0; x < width; ++x) {
                const std::size_t bit = x * bits;
                putIndex(dst + x * 3, (src[bit / 8] >> (8 - bits - bit % 8)) & mask);
            }
        }
        }
    }

    // Run-length data: pairs (count, value) or escapes 0 followed by
    // 0 (end of line), 1 (end of bitmap), 2 (move by dx, dy) or n >= 3 (n
    // literal pixels, padded to a 16-bit boundary). Runs that pass the end of
    // a row go on in the next row; nothing is written past the last pixel.
    bool decodeRle() {
        const bool four = h_.compression == kRle4;
        const std::size_t width = std::size_t(h_.width);
        const std::size_t height = std::size_t(h_.height);
        // Pixels the data never reaches keep colour-map entry 0.
        putIndex(pixelAt(0), 0);
        PixelConvert::repeatPixel(pixelAt(0), 3, width * height);
        std::size_t x = 0;
        std::size_t y = 0;
        while (y < height) {
            std::uint8_t count, value;
            if (!in_.read_u8(count) || !in_.read_u8(value))
                return truncated();
            if (count > 0) {
                const std::uint8_t pair[1] = {value};
                writeRun(x, y, count, four, pair, true);
            } else if (value == 0) {
                x = 0;
                ++y;
            } else if (value == 1) {
                break;
            } else if (value == 2) {
                std::uint8_t dx, dy;
                if (!in_.read_u8(dx) || !in_.read_u8(dy))
                    return truncated();
                x += dx;
                y += dy;
            } else {
                const std::size_t bytes = four ? (value + 1u) / 2 : value;
                const std::uint8_t* src = in_.take(bytes);
                if (!src)
                    return truncated();
                writeRun(x, y, value, four, src, false);
                in_.skip(std::min<std::size_t>(bytes % 2, in_.remaining()));
            }
        }
        return true;
    }

    // count pixels from src: one repeated byte (repeat) or successive bytes,
    // each byte one index (8 bits) or two, high nibble first (4 bits).
    void writeRun(std::size_t& x, std::size_t y, std::size_t count, bool four, const std::uint8_t* src, bool repeat) {
        const std::size_t total = std::size_t(h_.width) * std::size_t(h_.height);
        const std::size_t start = y * std::size_t(h_.width) + x;
        x += count;
        if (start >= total)
            return;
        count = std::min(count, total - start);
        std::uint8_t* dst = pixelAt(start);
        if (!four && repeat) {
            putIndex(dst, src[0]);
            PixelConvert::repeatPixel(dst, 3, count);
        } else if (!four) {
            PixelConvert::expandIndices(src, count, palette_, dst);
        } else {
            for (std::size_t i = 0; i < count; ++i, dst += 3) {
                const std::uint8_t byte = src[repeat ? 0 : i / 2];
                putIndex(dst, i % 2 ? byte & 0x0F : byte >> 4);
            }
        }
    }

    ByteReader in_;
    const std::string& name_;
    TextureImage& image_;
    std::string& error_;
    Header h_;
    PixelConvert::Palette32 palette_;
};

// The console trace of an uncompressed load.
void printTrace(const TextureImage& image, const BmpInfo& info) {
    const std::size_t bytes = image.texels.size();
    std::printf("Texels size: nem 8 bit: %d\n", static_cast<int>(bytes));
    if (info.compression != kNone)
        return;
    const bool has318 = bytes > 318;
    switch (info.bitsPerPixel) {
    case 1:
        std::puts("111111111111");
        break;
    case 4:
        std::puts("2111112");
        break;
    case 8:
        std::printf("BITCOUNT %d\n", 8);
        std::puts("8888888888888");
        if (has318)
            std::printf("Texinfo elso elott: %d\n", 0);
        std::printf("8 bites kodolas: %d\n", image.width * image.height);
        if (has318)
            std::printf("texel 318: %d\nTexinfo elso utan: %d\n", image.texels[318], image.texels[318]);
        break;
    case 24:
        std::puts("222222");
        break;
    case 32:
        std::puts("323232323232");
        break;
    }
}
}  // namespace

bool decodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
               std::string& error, BmpInfo* info) {
    error.clear();
    image = TextureImage{};
    return BmpDecoder(data, size, name, image, error).run(info);
}

TextureImage readBmp(const char* path) {
    TextureImage image;
    std::vector<std::uint8_t> bytes;
    if (!FileBytes::readOrReport(path, bytes))
        return image;
    std::string error;
    BmpInfo info;
    if (decodeBmp(bytes.data(), bytes.size(), path, image, error, &info))
        printTrace(image, info);
    else
        std::fputs(error.c_str(), stderr);
    return image;
}

GLuint bmpTexture(const char* path) {
    return TextureUpload::createMipmapped(readBmp(path), ImageLoading::anisotropyEnabled());
}
