#include "BmpEncoder.h"

#include "ByteSink.h"

std::vector<std::uint8_t> encodeBmp(const Image& image) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width()) * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height());
    const std::uint32_t headerBytes = 14 + 40;
    ByteSink out;
    out.u8('B');
    out.u8('M');
    out.u32(headerBytes + pixelBytes);
    out.u32(0);  // two reserved fields
    out.u32(headerBytes);
    out.u32(40);
    out.i32(image.width());
    out.i32(image.height());  // positive: bottom row first
    out.u16(1);               // planes
    out.u16(24);
    out.u32(0);  // no compression
    out.u32(pixelBytes);
    out.u32(2835);  // 72 dots per inch, both ways
    out.u32(2835);
    out.u32(0);  // no colour table
    out.u32(0);
    const std::vector<std::uint8_t> rgba = image.toRgba8();
    for (int y = image.height() - 1; y >= 0; --y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width()) * 4;
        for (int x = 0; x < image.width(); ++x) {
            const std::size_t i = row + static_cast<std::size_t>(x) * 4;
            out.u8(rgba[i + 2]);
            out.u8(rgba[i + 1]);
            out.u8(rgba[i]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width()) * 3; pad < rowBytes; ++pad)
            out.u8(0);
    }
    return out.bytes();
}
