#include "bytes/DecodedImage.h"

#include <new>

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
        PixelBuffer packed(packedRow * std::size_t(height));
        for (std::size_t y = 0; y < std::size_t(height); ++y)
            copyRow(y, packed.data() + y * packedRow, packedChannels);
        pixels.swap(packed);
    } else {
        // A packed row never starts after its source row nor outgrows it.
        for (std::size_t y = 0; y < std::size_t(height); ++y)
            copyRow(y, pixels.data() + y * packedRow, packedChannels);
        pixels.resize(packedRow * std::size_t(height));
    }
    layout = packedChannels == 4 ? PixelLayout::Rgba : PixelLayout::Rgb;
    rowStride = packedRow;
}
