#pragma once
#include <GL/glew.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "graphics/TextureImage.h"

// ZSoft PCX reader: run-length encoded 1-bit, 4-plane 16-colour, 8-bit
// palette and 24-bit (three 8-bit planes) images, every pixel turned into
// R, G, B with row 0 the bottom row of the picture.

// Decodes a PCX file held in memory; no OpenGL call. name fills the
// messages. On failure error holds the reader's message and the image is
// left empty.
bool decodePcx(const std::uint8_t* data, std::size_t size, const std::string& name, TextureImage& image,
               std::string& error);

// Reads and decodes the file; errors go to standard error and give an empty
// image.
TextureImage readPcx(const char* path);

// readPcx plus a mipmapped upload; 0 when the file could not be decoded.
GLuint pcxTexture(const char* path);
