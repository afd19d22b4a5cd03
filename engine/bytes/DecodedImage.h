#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "bytes/PixelBuffer.h"
#include "bytes/PixelConvert.h"

// How a decoded image's pixels sit in memory, named by byte order. Readers
// keep the file's own order wherever OpenGL takes it as it is.
enum class PixelLayout : std::uint8_t {
    Rgb,      // R, G, B
    Rgba,     // R, G, B, A
    Bgr,      // B, G, R
    Bgra,     // B, G, R, A
    Bgrx,     // B, G, R and an unused byte
    Indexed,  // one byte per pixel: an entry of the palette
};

// A picture as the engine's image readers decode it. Row 0 is the bottom row
// (OpenGL's order). Rows lie rowStride bytes apart: either their own length
// or that rounded up to four bytes, so an unpack alignment of 1 or 4
// describes them exactly and a file's padded rows can be read in place.
struct DecodedImage {
    int width = 0;
    int height = 0;
    PixelLayout layout = PixelLayout::Rgb;
    std::size_t rowStride = 0;
    PixelBuffer pixels;
    PixelConvert::Palette32 palette;  // Indexed: R, G, B of each entry
    // What the file stored, for reports: bits per pixel, and its compression
    // (the format's code, or 1 for run-length data; 0 when uncompressed).
    unsigned fileBits = 0;
    unsigned fileCompression = 0;

    static std::size_t bytesPerPixel(PixelLayout layout);
    // Colour channels of a picture in layout: 4 with alpha, else 3.
    static int channelsOf(PixelLayout layout);
    int channels() const { return channelsOf(layout); }
    std::size_t rowBytes() const { return std::size_t(width) * bytesPerPixel(layout); }
    bool empty() const { return pixels.empty(); }

    // Sets the shape and sizes the pixels, left undefined; padRows rounds
    // rowStride up to four bytes. False, and an empty image, when memory runs
    // out.
    bool allocate(int width, int height, PixelLayout layout, bool padRows);
    // Back to an empty image, its memory released.
    void clear();

    std::uint8_t* row(std::size_t y) { return pixels.data() + y * rowStride; }
    const std::uint8_t* row(std::size_t y) const { return pixels.data() + y * rowStride; }

    // Row y as R, G, B (channels 3) or R, G, B, A (channels 4, alpha 255
    // where the picture has none) in dst.
    void copyRow(std::size_t y, std::uint8_t* dst, int channels) const;
    // The same for a row of width pixels in layout at src.
    static void convertRow(const std::uint8_t* src, PixelLayout layout, const PixelConvert::Palette32& palette,
                           std::size_t width, std::uint8_t* dst, int channels);
    // Rewrites the pixels as tightly packed R, G, B, or R, G, B, A when the
    // picture has alpha; rows stay bottom first. In place: palette images
    // grow into the room allocate() kept for them.
    void packRgb();
};

class ByteReader;

// The one signature of the engine's image decoders (decodeTga, decodeBmp,
// decodePcx): the bytes of a whole file, the name its messages give, the
// picture, and the reader's message when the file is refused.
using ImageDecoder = bool (*)(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error);
