#pragma once
#include <GL/glew.h>

#include <cstdint>

#include "bytes/DecodedImage.h"
#include "bytes/PixelBuffer.h"

// The BMP and PCX readers' result: rows bottom first (row 0 is the bottom
// row of the picture, as OpenGL expects), tightly packed R, G, B.
struct TextureImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    GLenum format = GL_RGB;
    std::int32_t components = 3;
    GLuint textureId = 0;
    PixelBuffer texels;

    // Takes over a decoded image, packed as R, G, B (, A); empty stays empty.
    static TextureImage from(DecodedImage&& image);
};
