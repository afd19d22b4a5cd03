#pragma once
#include <cstddef>
#include <cstdint>

// Pixel shuffles shared by the image readers.
namespace PixelConvert {
// Converts count pixels stored B, G, R (, A) srcStep bytes apart into R, G, B
// (, A) dstStep bytes apart. Steps are 3 or 4; the fourth byte is copied only
// when both are 4.
void bgrToRgb(const std::uint8_t* src, std::size_t srcStep, std::uint8_t* dst, std::size_t dstStep,
              std::size_t count);

// Copies the pixel of size bytes at dst into the count - 1 places after it.
void repeatPixel(std::uint8_t* dst, std::size_t size, std::size_t count);

// Reverses the order of rows rows of rowBytes bytes each, in place.
void flipRows(std::uint8_t* data, std::size_t rowBytes, std::size_t rows);
}  // namespace PixelConvert
