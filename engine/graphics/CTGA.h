#pragma once
#include <GL/glew.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "bytes/PixelBuffer.h"

class ByteReader;

// A silent reader for uncompressed (type 2) TGA files of 24 or 32 bits per
// pixel, with the same result fields and upload as CTGALoader.
class CTGA {
public:
    CTGA() = default;
    virtual ~CTGA() = default;

    // Reads, decodes and uploads the file at path; false on any failure.
    virtual bool load(const std::string& path);
    // True when the first n bytes of data and templ agree.
    virtual bool compareBytes(std::size_t n, const std::uint8_t* data, const std::uint8_t* templ);

    // Reads a whole file from in into the fields; no OpenGL call.
    bool decode(ByteReader& in);

    unsigned bitsPerPixel = 0;
    unsigned width = 0;
    unsigned height = 0;
    GLuint textureId = 0;
    PixelBuffer imageData;  // R, G, B (, A) per pixel, rows bottom first
};
