#include "graphics/PixelConvert.h"

#include <algorithm>
#include <cstring>

namespace PixelConvert {
namespace {
// Fixed steps let the compiler unroll the byte shuffle.
template <std::size_t SrcStep, std::size_t DstStep>
void shuffle(const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, src += SrcStep, dst += DstStep) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
        if constexpr (SrcStep == 4 && DstStep == 4)
            dst[3] = src[3];
    }
}
}  // namespace

void bgrToRgb(const std::uint8_t* src, std::size_t srcStep, std::uint8_t* dst, std::size_t dstStep,
              std::size_t count) {
    if (srcStep == 4)
        dstStep == 4 ? shuffle<4, 4>(src, dst, count) : shuffle<4, 3>(src, dst, count);
    else
        dstStep == 4 ? shuffle<3, 4>(src, dst, count) : shuffle<3, 3>(src, dst, count);
}

void repeatPixel(std::uint8_t* dst, std::size_t size, std::size_t count) {
    // Doubling copies keep long runs cheap.
    std::size_t filled = std::min<std::size_t>(count, 1) * size;
    const std::size_t total = count * size;
    while (filled < total) {
        const std::size_t chunk = std::min(filled, total - filled);
        std::memcpy(dst + filled, dst, chunk);
        filled += chunk;
    }
}

void flipRows(std::uint8_t* data, std::size_t rowBytes, std::size_t rows) {
    for (std::size_t top = 0, bottom = rows; top + 1 < bottom; ++top, --bottom)
        std::swap_ranges(data + top * rowBytes, data + (top + 1) * rowBytes, data + (bottom - 1) * rowBytes);
}

}  // namespace PixelConvert
