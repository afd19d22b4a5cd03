#include "bytes/PixelConvert.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace PixelConvert {
namespace {
// Fixed steps let the compiler unroll the byte shuffle.
// Each pixel is loaded whole before it is stored, so dst may trail src.
template <std::size_t SrcStep, std::size_t DstStep>
void shuffle(const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, src += SrcStep, dst += DstStep) {
        const std::uint8_t b = src[0], g = src[1], r = src[2];
        dst[0] = r;
        dst[1] = g;
        dst[2] = b;
    }
}

// Any other pairing (tests and reports, not loading): one pixel at a time.
void convertEach(const std::uint8_t* src, Source source, std::uint8_t* dst, std::size_t dstStep, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, src += source.step, dst += dstStep) {
        const std::uint8_t first = src[0], g = src[1], third = src[2];
        const std::uint8_t a = source.alpha ? src[3] : 255;
        dst[0] = source.bgr ? third : first;
        dst[1] = g;
        dst[2] = source.bgr ? first : third;
        if (dstStep == 4)
            dst[3] = a;
    }
}

// Four-byte pixels as words: the first and third bytes change places.
void shuffleWords(const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, src += 4, dst += 4) {
        std::uint8_t pixel[4];
        std::memcpy(pixel, src, 4);
        std::swap(pixel[0], pixel[2]);
        std::memcpy(dst, pixel, 4);
    }
}

// Three-byte pixels sixteen at a time: three 16-byte loads give three
// 16-byte stores, each assembled from byte shuffles (SSSE3); all loads come
// first, so dst may trail src. Returns how many pixels it converted.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("ssse3"))) std::size_t shuffleVector(const std::uint8_t* src, std::uint8_t* dst,
                                                           std::size_t count) {
    const auto mask = [](auto... bytes) { return _mm_setr_epi8(static_cast<char>(bytes)...); };
    const __m128i a0 = mask(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, -1);
    const __m128i b0 = mask(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 1);
    const __m128i a1 = mask(-1, 15, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i b1 = mask(0, -1, 4, 3, 2, 7, 6, 5, 10, 9, 8, 13, 12, 11, -1, 15);
    const __m128i c1 = mask(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, 0, -1);
    const __m128i b2 = mask(14, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    const __m128i c2 = mask(-1, 3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13);
    std::size_t i = 0;
    for (; i + 16 <= count; i += 16, src += 48, dst += 48) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 16));
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + 32));
        const __m128i out0 = _mm_or_si128(_mm_shuffle_epi8(a, a0), _mm_shuffle_epi8(b, b0));
        const __m128i out1 =
            _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(a, a1), _mm_shuffle_epi8(b, b1)), _mm_shuffle_epi8(c, c1));
        const __m128i out2 = _mm_or_si128(_mm_shuffle_epi8(b, b2), _mm_shuffle_epi8(c, c2));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), out0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 16), out1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 32), out2);
    }
    return i;
}

std::size_t shuffleFast(const std::uint8_t* src, std::uint8_t* dst, std::size_t count) {
    static const bool available = __builtin_cpu_supports("ssse3");
    return available ? shuffleVector(src, dst, count) : 0;
}
#else
std::size_t shuffleFast(const std::uint8_t*, std::uint8_t*, std::size_t) { return 0; }
#endif
}  // namespace

void toRgb(const std::uint8_t* src, Source source, std::uint8_t* dst, std::size_t dstStep, std::size_t count) {
    const bool sameSize = source.step == dstStep && (dstStep == 3 || source.alpha);
    if (sameSize && !source.bgr) {
        if (dst != src)
            std::memmove(dst, src, count * dstStep);
    } else if (sameSize && dstStep == 3) {
        const std::size_t done = shuffleFast(src, dst, count);
        shuffle<3, 3>(src + done * 3, dst + done * 3, count - done);
    } else if (sameSize) {
        shuffleWords(src, dst, count);
    } else if (source.bgr && source.step == 4 && dstStep == 3) {
        shuffle<4, 3>(src, dst, count);
    } else {
        convertEach(src, source, dst, dstStep, count);
    }
}

void Palette32::set(unsigned index, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    const std::uint8_t bytes[4] = {r, g, b, 0};
    std::memcpy(&entries[index & 0xFF], bytes, 4);
}

void expandIndices(const std::uint8_t* indices, std::size_t count, const Palette32& palette, std::uint8_t* dst,
                   std::size_t dstStep) {
    if (count == 0)
        return;
    if (dstStep == 4) {
        for (std::size_t i = 0; i < count; ++i, dst += 4) {
            std::memcpy(dst, &palette.entries[indices[i]], 4);
            dst[3] = 255;
        }
        return;
    }
    // Four-byte stores, each overwriting the spare byte of the one before;
    // the last pixel gets exactly three.
    for (std::size_t i = 0; i + 1 < count; ++i, dst += 3)
        std::memcpy(dst, &palette.entries[indices[i]], 4);
    std::memcpy(dst, &palette.entries[indices[count - 1]], 3);
}

namespace {
template <std::size_t Size>
void repeatFixed(std::uint8_t* dst, std::size_t count) {
    // Short runs copy pixel by pixel; long ones double the filled part.
    std::size_t filled = 1;
    for (; filled < count && filled < 16; ++filled)
        std::memcpy(dst + filled * Size, dst, Size);
    while (filled < count) {
        const std::size_t chunk = std::min(filled, count - filled);
        std::memcpy(dst + filled * Size, dst, chunk * Size);
        filled += chunk;
    }
}
}  // namespace

void repeatPixel(std::uint8_t* dst, std::size_t size, std::size_t count) {
    size == 4 ? repeatFixed<4>(dst, count) : repeatFixed<3>(dst, count);
}

}  // namespace PixelConvert
