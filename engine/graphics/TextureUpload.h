#pragma once
#include <GL/glew.h>

#include <cstddef>
#include <cstdint>

#include "bytes/DecodedImage.h"

// Creates OpenGL textures from pixel rows, the upload step that follows
// every image reader. Settings come from the caller.
namespace TextureUpload {
struct Options {
    GLint minFilter = GL_LINEAR;
    GLint magFilter = GL_LINEAR;
    GLint wrap = 0;           // GL_CLAMP, GL_REPEAT, ...; 0 keeps OpenGL's default
    bool mipmaps = false;     // build the chain with gluBuild2DMipmaps
    bool anisotropy = false;  // the implementation's maximum anisotropy
};

// Generates a texture name, binds it to GL_TEXTURE_2D (left bound) and loads
// width x height tightly packed pixels in format (GL_RGB or GL_RGBA).
GLuint create(const std::uint8_t* pixels, int width, int height, GLenum format, const Options& options);

// The same for rows in any of the decoded images' layouts, rowStride bytes
// apart (the row's length or that rounded up to four), first row first.
// glTexImage2D takes B, G, R orders as they are. gluBuild2DMipmaps is handed
// R, G, B (, A) only: the GLU of some systems knows no B, G, R formats and
// Mesa's takes them slowly, so such rows, and palette rows for either call,
// are packed into memory that lives only for the upload.
GLuint create(const std::uint8_t* rows, std::size_t rowStride, int width, int height, PixelLayout layout,
              const PixelConvert::Palette32* palette, const Options& options);

// A decoded image, bottom row first as OpenGL counts rows. What the upload
// needs packed is packed in the image itself (see DecodedImage::packRgb).
GLuint create(DecodedImage& image, const Options& options);

// The settings of the BMP and PCX readers' upload: mipmapped, linear.
Options mipmapped(bool anisotropy);
// That upload; 0 for an image without pixels.
GLuint createMipmapped(DecodedImage& image, bool anisotropy);
}  // namespace TextureUpload
