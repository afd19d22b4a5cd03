#include "PngEncoder.h"

#include <png.h>

#include <csetjmp>
#include <stdexcept>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

bool isOpaque(const std::vector<std::uint8_t>& rgba) {
    for (std::size_t i = 3; i < rgba.size(); i += 4)
        if (rgba[i] != 255)
            return false;
    return true;
}

std::vector<std::uint8_t> dropAlpha(const std::vector<std::uint8_t>& rgba) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(rgba.size() / 4 * 3);
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        rgb.insert(rgb.end(), rgba.begin() + static_cast<std::ptrdiff_t>(i),
                   rgba.begin() + static_cast<std::ptrdiff_t>(i + 3));
    return rgb;
}

struct PngLayout {
    png_uint_32 width;
    png_uint_32 height;
    int colorType;
    std::size_t rowBytes;
    const std::uint8_t* pixels;
};

// Runs the libpng calls. libpng reports errors by longjmp, so this function
// holds no object with a destructor; the caller owns everything.
bool writeRows(png_structp png, png_infop info, const PngLayout& layout, std::vector<std::uint8_t>* out) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, out, &appendBytes, &flushNothing);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, layout.width, layout.height, 8, layout.colorType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (png_uint_32 y = 0; y < layout.height; ++y)
        png_write_row(png, layout.pixels + static_cast<std::size_t>(y) * layout.rowBytes);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Image& image) {
    std::vector<std::uint8_t> pixels = image.toRgba8();
    const bool opaque = isOpaque(pixels);
    if (opaque)
        pixels = dropAlpha(pixels);
    const std::size_t channels = opaque ? 3 : 4;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width()) * channels;

    const PngLayout layout = {static_cast<png_uint_32>(image.width()), static_cast<png_uint_32>(image.height()),
                              opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA, rowBytes, pixels.data()};

    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    const bool written = info && writeRows(png, info, layout, &out);
    png_destroy_write_struct(&png, &info);
    if (!written)
        throw std::runtime_error("libpng could not encode the image");
    return out;
}
