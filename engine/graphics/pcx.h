#pragma once
#include <GL/glew.h>

#include "graphics/TextureImage.h"

// ZSoft PCX files (decodePcx of the byte layer) as textures.

// Reads and decodes the file, every pixel turned into R, G, B with row 0
// the bottom row of the picture; errors go to standard error and give an
// empty image.
TextureImage readPcx(const char* path);

// The file as a mipmapped texture; 0 when it could not be decoded.
GLuint pcxTexture(const char* path);
