#pragma once
#include <GL/glew.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/TextureImage.h"

// Windows and OS/2 BMP reader: 1, 4, 8, 24 and 32 bits per pixel,
// uncompressed or run-length encoded (8 and 4 bits), every pixel turned into
// R, G, B with row 0 the bottom row of the picture.

// Header facts of the last decode, for the load trace.
struct BmpInfo {
    int bitsPerPixel = 0;
    int compression = 0;
};

// Decodes a BMP file held in memory; no OpenGL call. name fills the
// messages. On failure error holds the reader's message and the image is
// left empty.
bool decodeBmp(const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
               std::string& error, BmpInfo* info = nullptr);

// Reads and decodes the file; errors go to standard error and give an empty
// image.
TextureImage readBmp(const char* path);

// readBmp plus a mipmapped upload; 0 when the file could not be decoded.
GLuint bmpTexture(const char* path);
