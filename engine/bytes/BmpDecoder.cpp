#include "bytes/BmpDecoder.h"

#include <algorithm>
#include <cstring>

#include "bytes/ByteReader.h"
#include "bytes/ImageLimits.h"
#include "bytes/TextFormat.h"

namespace {
enum Compression : std::uint32_t { kNone = 0, kRle8 = 1, kRle4 = 2 };
const std::uint32_t kFileHeaderSize = 14;
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
    BmpDecoder(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error)
        : in_(in), name_(name), image_(image), error_(error) {}

    bool run() {
        if (!readHeader())
            return false;
        if (!supported())
            return fail(TextFormat::format("unsupported bitmap type or bad filecompression type (%i)\n",
                                           static_cast<int>(h_.compression)));
        if (!ImageLimits::allowed(h_.width, h_.height, h_.bits == 32 ? 4 : 3))
            return invalidSize();
        if (!readPalette() || !in_.seek(h_.pixelOffset))
            return truncated();
        return h_.compression == kNone ? readRows() : readRle();
    }

private:
    bool fail(std::string message) {
        error_ = std::move(message);
        image_.clear();
        return false;
    }
    bool truncated() { return fail(TextFormat::format("%s is truncated or damaged!\n", name_.c_str())); }
    bool invalidSize() { return fail(TextFormat::format("%s has an invalid size!\n", name_.c_str())); }

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
        if (!in_.seek(kFileHeaderSize + std::size_t(h_.headerSize)))
            return false;
        const std::uint8_t* map = in_.take(entries * entrySize);
        if (!map)
            return false;
        for (std::size_t i = 0; i < entries; ++i) {
            const std::uint8_t* bgr = map + i * entrySize;
            image_.palette.set(static_cast<unsigned>(i), bgr[2], bgr[1], bgr[0]);
        }
        return true;
    }

    bool allocate(PixelLayout layout, bool padRows) {
        if (!image_.allocate(int(h_.width), int(h_.height), layout, padRows))
            return invalidSize();
        image_.fileBits = h_.bits;
        image_.fileCompression = h_.compression;
        return true;
    }

    // Rows are padded to four bytes in the file; the last row's padding
    // may be missing. 8, 24 and 32-bit rows are read as they are, bottom-up
    // files in one piece; 1 and 4-bit rows are unpacked to one index each.
    bool readRows() {
        const std::size_t width = std::size_t(h_.width), height = std::size_t(h_.height);
        const std::size_t used = (width * h_.bits + 7) / 8;
        const std::size_t stride = (used + 3) / 4 * 4;
        if (in_.remaining() < stride * (height - 1) + used)
            return truncated();
        const bool asStored = h_.bits >= 8;
        if (!allocate(h_.bits == 24   ? PixelLayout::Bgr
                      : h_.bits == 32 ? PixelLayout::Bgrx
                                      : PixelLayout::Indexed,
                      asStored))
            return false;
        if (asStored && !h_.topDown) {
            std::memset(image_.row(height - 1) + used, 0, stride - used);
            return in_.read_bytes(image_.pixels.data(), stride * (height - 1) + used) || truncated();
        }
        for (std::size_t row = 0; row < height; ++row) {
            std::uint8_t* dst = image_.row(h_.topDown ? height - 1 - row : row);
            if (asStored ? !in_.read_bytes(dst, used) : !unpackRow(dst, width, used))
                return truncated();
            std::memset(dst + image_.rowBytes(), 0, image_.rowStride - image_.rowBytes());
            in_.skip(std::min(stride - used, in_.remaining()));
        }
        return true;
    }

    // 1 and 4 bits, most significant bits first.
    bool unpackRow(std::uint8_t* dst, std::size_t width, std::size_t used) {
        const std::uint8_t* src = in_.take(used);
        if (!src)
            return false;
        const unsigned bits = h_.bits;
        const unsigned mask = (1u << bits) - 1;
        for (std::size_t x = 0; x < width; ++x) {
            const std::size_t bit = x * bits;
            dst[x] = static_cast<std::uint8_t>((src[bit / 8] >> (8 - bits - bit % 8)) & mask);
        }
        return true;
    }

    // Run-length data: pairs (count, value) or escapes 0 followed by
    // 0 (end of line), 1 (end of bitmap), 2 (move by dx, dy) or n >= 3 (n
    // literal pixels, padded to a 16-bit boundary). Runs that pass the end of
    // a row go on in the next row; nothing is written past the last pixel.
    bool readRle() {
        const bool four = h_.compression == kRle4;
        if (!allocate(PixelLayout::Indexed, false))
            return false;
        // Pixels the data never reaches keep colour-map entry 0.
        std::memset(image_.pixels.data(), 0, image_.pixels.size());
        std::size_t x = 0;
        std::size_t y = 0;
        while (y < std::size_t(h_.height)) {
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
        const std::size_t total = image_.pixels.size();
        const std::size_t start = y * std::size_t(h_.width) + x;
        x += count;
        if (start >= total)
            return;
        count = std::min(count, total - start);
        std::uint8_t* dst = image_.pixels.data() + start;
        if (!four && repeat) {
            std::memset(dst, src[0], count);
        } else if (!four) {
            std::memcpy(dst, src, count);
        } else {
            for (std::size_t i = 0; i < count; ++i) {
                const std::uint8_t byte = src[repeat ? 0 : i / 2];
                dst[i] = i % 2 ? byte & 0x0F : byte >> 4;
            }
        }
    }

    ByteReader& in_;
    const std::string& name_;
    DecodedImage& image_;
    std::string& error_;
    Header h_;
};
}  // namespace

bool decodeBmp(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error) {
    error.clear();
    image.clear();
    return BmpDecoder(in, name, image, error).run();
}
