#include "graphics/TextureUpload.h"

#include <GL/glu.h>

#include "bytes/PixelBuffer.h"

namespace TextureUpload {
namespace {
void applyAnisotropy() {
    GLfloat maximum = 1.0f;
    glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &maximum);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAX_ANISOTROPY_EXT, maximum);
}

// What OpenGL is told about each layout. The unused fourth byte of Bgrx
// goes up as alpha into a texture that keeps three components.
struct GlPixels {
    GLenum format;
    GLint components;
};

GlPixels glPixels(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Rgba:
        return {GL_RGBA, 4};
    case PixelLayout::Bgr:
        return {GL_BGR, 3};
    case PixelLayout::Bgra:
        return {GL_BGRA, 4};
    case PixelLayout::Bgrx:
        return {GL_BGRA, 3};
    default:  // Rgb, and palette images once expanded
        return {GL_RGB, 3};
    }
}

bool needsPacking(PixelLayout layout, const Options& options) {
    return layout == PixelLayout::Indexed ||
           (options.mipmaps && layout != PixelLayout::Rgb && layout != PixelLayout::Rgba);
}
}  // namespace

GLuint create(const std::uint8_t* pixels, int width, int height, GLenum format, const Options& options) {
    const PixelLayout layout = format == GL_RGBA ? PixelLayout::Rgba : PixelLayout::Rgb;
    return create(pixels, std::size_t(width) * DecodedImage::bytesPerPixel(layout), width, height, layout, nullptr,
                  options);
}

GLuint create(const std::uint8_t* rows, std::size_t rowStride, int width, int height, PixelLayout layout,
              const PixelConvert::Palette32* palette, const Options& options) {
    PixelBuffer packed;
    if (needsPacking(layout, options)) {
        // Palette rows handed over without their palette come out black.
        static const PixelConvert::Palette32 kBlack;
        const PixelConvert::Palette32& colours = palette ? *palette : kBlack;
        const int channels = DecodedImage::channelsOf(layout);
        const std::size_t packedRow = std::size_t(width) * channels;
        packed.resize(packedRow * std::size_t(height));
        for (std::size_t y = 0; y < std::size_t(height); ++y)
            DecodedImage::convertRow(rows + y * rowStride, layout, colours, std::size_t(width),
                                     packed.data() + y * packedRow, channels);
        rows = packed.data();
        rowStride = packedRow;
        layout = channels == 4 ? PixelLayout::Rgba : PixelLayout::Rgb;
    }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    if (options.wrap) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, options.wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, options.wrap);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, options.magFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, options.minFilter);
    if (options.anisotropy)
        applyAnisotropy();
    // Row strides are either exact or padded to four bytes; the alignment
    // says which, and the caller's setting comes back afterwards.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, rowStride % 4 == 0 ? 4 : 1);
    const GlPixels gl = glPixels(layout);
    if (options.mipmaps)
        gluBuild2DMipmaps(GL_TEXTURE_2D, gl.components, width, height, gl.format, GL_UNSIGNED_BYTE, rows);
    else
        glTexImage2D(GL_TEXTURE_2D, 0, gl.components == 4 ? GL_RGBA : GL_RGB, width, height, 0, gl.format,
                     GL_UNSIGNED_BYTE, rows);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return name;
}

GLuint create(DecodedImage& image, const Options& options) {
    if (needsPacking(image.layout, options))
        image.packRgb();
    return create(image.pixels.data(), image.rowStride, image.width, image.height, image.layout, &image.palette,
                  options);
}

Options mipmapped(bool anisotropy) {
    Options options;
    options.minFilter = GL_LINEAR_MIPMAP_LINEAR;
    options.mipmaps = true;
    options.anisotropy = anisotropy;
    return options;
}

GLuint createMipmapped(DecodedImage& image, bool anisotropy) {
    return image.empty() ? 0 : create(image, mipmapped(anisotropy));
}

}  // namespace TextureUpload
