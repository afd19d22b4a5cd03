#pragma once
#include <GL/glew.h>

#include <string>

#include "graphics/ImageData.h"

// Image files to OpenGL texture names for particles, the sky dome and the
// model loaders (mipmapped, linear filtering); the utilities' loaders.
namespace ImageLoading {
// True when the graphics core asks texture loaders for maximum anisotropy.
bool anisotropyEnabled();
// ".bmp" or ".pcx" anywhere in the path selects the engine's own reader;
// anything else goes through SDL_image. 0 when the file cannot be read.
GLuint loadTexture(const std::string& path);
// A BMP read through SDL, uploaded with GL_LINEAR_MIPMAP_NEAREST; 0 when it
// cannot be read.
GLuint loadBmpTexture(const std::string& path);
// A BMP read through SDL as R, G, B rows bottom first; empty when it cannot
// be read.
ImageData loadImageData(const std::string& path);
}  // namespace ImageLoading
