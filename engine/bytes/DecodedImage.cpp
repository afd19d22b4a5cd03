#include "bytes/DecodedImage.h"

#include <cstring>
#include <new>

namespace {
// The colours of a row of indices written from the last pixel back, so dst
// may overlap the indices as long as it does not start before them.
void expandBackwards(const std::uint8_t* indices, std::size_t count, const PixelConvert::Palette32& palette,
                     std::uint8_t* dst) {
    for (std::size_t x = count; x-- > 0;) {
        std::uint8_t rgb[3];
        std::memcpy(rgb, &palette.entries[indices[x]], 3);
        std::memcpy(dst + x * 3, rgb, 3);
    }
}
}  // namespace

std::size_t DecodedImage::bytesPerPixel(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Rgb:
    case PixelLayout::Bgr:
        return 3;
    case PixelLayout::Indexed:
        return 1;
    default:
        return 4;
    }
}

int DecodedImage::channelsOf(PixelLayout layout) {
    return layout == PixelLayout::Rgba || layout == PixelLayout::Bgra ? 4 : 3;
}

bool DecodedImage::allocate(int newWidth, int newHeight, PixelLayout newLayout, bool padRows) {
    width = newWidth;
    height = newHeight;
    layout = newLayout;
    rowStride = padRows ? (rowBytes() + 3) / 4 * 4 : rowBytes();
    try {
        // Palette images keep room to become R, G, B in place (packRgb);
        // the room costs no memory until it is written.
        if (layout == PixelLayout::Indexed)
            pixels.reserve(std::size_t(width) * 3 * std::size_t(height));
        pixels.resize(rowStride * std::size_t(height));
    } catch (const std::bad_alloc&) {
        clear();
        return false;
    }
    return true;
}

void DecodedImage::clear() { *this = DecodedImage{}; }

void DecodedImage::copyRow(std::size_t y, std::uint8_t* dst, int channels) const {
    convertRow(row(y), layout, palette, std::size_t(width), dst, channels);
}

void DecodedImage::convertRow(const std::uint8_t* src, PixelLayout layout, const PixelConvert::Palette32& palette,
                              std::size_t width, std::uint8_t* dst, int channels) {
    const std::size_t dstStep = channels == 4 ? 4 : 3;
    switch (layout) {
    case PixelLayout::Indexed:
        PixelConvert::expandIndices(src, width, palette, dst, dstStep);
        return;
    case PixelLayout::Rgb:
    case PixelLayout::Bgr:
        PixelConvert::toRgb(src, {3, layout == PixelLayout::Bgr, false}, dst, dstStep, width);
        return;
    default:
        PixelConvert::toRgb(src, {4, layout != PixelLayout::Rgba, layout != PixelLayout::Bgrx}, dst, dstStep, width);
    }
}

void DecodedImage::packRgb() {
    const int packedChannels = channels();
    const std::size_t packedRow = std::size_t(width) * packedChannels;
    if (layout == PixelLayout::Indexed) {
        // Padding goes first, so index rows are as long as the image is wide
        // (a 1-pixel-wide row padded to 4 would otherwise be overwritten by
        // the colours of a later row).
        const std::size_t indexRow = std::size_t(width);
        for (std::size_t y = 1; rowStride != indexRow && y < std::size_t(height); ++y)
            std::memmove(pixels.data() + y * indexRow, pixels.data() + y * rowStride, indexRow);
        rowStride = indexRow;
        // Grows in place, last row first: every row's colours start at or
        // after its indices and end before any later row's indices.
        pixels.resize(packedRow * std::size_t(height));
        for (std::size_t y = std::size_t(height); y-- > 0;)
            expandBackwards(pixels.data() + y * rowStride, std::size_t(width), palette, pixels.data() + y * packedRow);
    } else {
        // A packed row never starts after its source row nor outgrows it.
        for (std::size_t y = 0; y < std::size_t(height); ++y)
            copyRow(y, pixels.data() + y * packedRow, packedChannels);
        pixels.resize(packedRow * std::size_t(height));
    }
    layout = packedChannels == 4 ? PixelLayout::Rgba : PixelLayout::Rgb;
    rowStride = packedRow;
}
