#pragma once
#include <cstddef>
#include <cstdint>

// Pixel shuffles shared by the image readers.
namespace PixelConvert {
// Converts count pixels stored B, G, R (, A) srcStep bytes apart into R, G, B
// (, A) dstStep bytes apart. Steps (src, dst) are (3, 3), (4, 4), which keeps
// the fourth byte, or (4, 3), which drops it.
void bgrToRgb(const std::uint8_t* src, std::size_t srcStep, std::uint8_t* dst, std::size_t dstStep, std::size_t count);

// A 256-colour palette packed for fast expansion: entry i holds R, G, B in
// its low three bytes (memory order).
struct Palette32 {
    std::uint32_t entries[256] = {};
    void set(unsigned index, std::uint8_t r, std::uint8_t g, std::uint8_t b);
};

// Writes the R, G, B of count palette indices to dst (3 bytes each).
void expandIndices(const std::uint8_t* indices, std::size_t count, const Palette32& palette, std::uint8_t* dst);

// Copies the pixel of size bytes at dst into the count - 1 places after it.
void repeatPixel(std::uint8_t* dst, std::size_t size, std::size_t count);

// Reverses the order of rows rows of rowBytes bytes each, in place.
void flipRows(std::uint8_t* data, std::size_t rowBytes, std::size_t rows);
}  // namespace PixelConvert
