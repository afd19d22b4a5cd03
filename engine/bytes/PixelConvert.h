#pragma once
#include <cstddef>
#include <cstdint>

// Pixel shuffles shared by the image readers and their conversions.
namespace PixelConvert {
// The byte order of count source pixels srcStep bytes apart.
struct Source {
    std::size_t step;  // 3 or 4
    bool bgr;          // B, G, R instead of R, G, B
    bool alpha;        // the fourth byte is alpha (else unused)
};

// Writes count pixels as R, G, B (dstStep 3) or R, G, B, A (dstStep 4; alpha
// copied, or 255 when the source has none). dst may equal src, or lie before
// it when dstStep <= src.step: every pixel is loaded before it is stored.
void toRgb(const std::uint8_t* src, Source source, std::uint8_t* dst, std::size_t dstStep, std::size_t count);

// A 256-colour palette packed for fast expansion: entry i holds R, G, B in
// its low three bytes (memory order) and 0 in the fourth.
struct Palette32 {
    std::uint32_t entries[256] = {};
    void set(unsigned index, std::uint8_t r, std::uint8_t g, std::uint8_t b);
};

// Writes the colours of count palette indices to dst as R, G, B (dstStep 3)
// or R, G, B, 255 (dstStep 4).
void expandIndices(const std::uint8_t* indices, std::size_t count, const Palette32& palette, std::uint8_t* dst,
                   std::size_t dstStep);

// Copies the pixel of size bytes at dst into the count - 1 places after it.
void repeatPixel(std::uint8_t* dst, std::size_t size, std::size_t count);
}  // namespace PixelConvert
