#pragma once
#include <GL/glew.h>

#include <cstdint>

struct TextureImage;

// Creates OpenGL textures from tightly packed pixel rows (no row padding),
// the upload step that follows every image reader.
namespace TextureUpload {
struct Options {
    GLint minFilter = GL_LINEAR;
    GLint magFilter = GL_LINEAR;
    GLint wrap = 0;           // GL_CLAMP, GL_REPEAT, ...; 0 keeps OpenGL's default
    bool mipmaps = false;     // build the chain with gluBuild2DMipmaps
    bool anisotropy = false;  // the implementation's maximum anisotropy
};

// Generates a texture name, binds it to GL_TEXTURE_2D (left bound) and loads
// width x height pixels in format (GL_RGB or GL_RGBA).
GLuint create(const std::uint8_t* pixels, int width, int height, GLenum format, const Options& options);

// The mipmapped, linear-filtered upload of the BMP and PCX readers; 0 for an
// image without pixels.
GLuint createMipmapped(const TextureImage& image, bool anisotropy);
}  // namespace TextureUpload
