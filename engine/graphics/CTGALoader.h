#pragma once
#include <GL/glew.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "bytes/PixelBuffer.h"
#include "bytes/TgaDecoder.h"

class ByteReader;

// Reader for Truevision TGA files: uncompressed (type 2) and run-length
// encoded (type 10) true-colour images of 24 or 32 bits per pixel, decoded by
// the byte layer's TGA decoder. load() reads the file, keeps the picture as
// R, G, B (, A) rows bottom first and uploads a linear-filtered texture.
// Every failure prints one message on standard output.
class CTGALoader {
public:
    using Header = std::array<std::uint8_t, 11>;

    CTGALoader() = default;
    virtual ~CTGALoader() = default;

    // True when the first n bytes of the template and the header agree.
    virtual bool compareHeader(const std::uint8_t* templ, Header header, std::size_t n);
    // Reads, decodes and uploads the file at path; prints the reader's
    // message and returns false on failure.
    virtual bool load(const std::string& path);
    // Pixel-data stages of decode, for type 2 and type 10; in is positioned
    // after the 12th byte of the file. No OpenGL call.
    virtual bool loadUncompressed(const std::string& path, ByteReader& in);
    virtual bool loadCompressed(const std::string& path, ByteReader& in);

    // Reads a whole TGA file from in into the fields below, no OpenGL call;
    // name fills the messages. On failure message() holds the reader's text
    // and imageData is empty.
    bool decode(ByteReader& in, const std::string& name);
    // Creates a texture from imageData (rows bottom first) into textureId.
    void upload();
    const std::string& message() const { return message_; }

    PixelBuffer imageData;  // R, G, B (, A) per pixel, rows bottom first
    GLuint textureId = 0;
    unsigned bitsPerPixel = 0;
    unsigned width = 0;
    unsigned height = 0;
    GLenum format = 0;
    Header fileHeader{};
    std::array<std::uint8_t, 6> infoHeader{};
    unsigned bytesPerPixel = 0;
    unsigned imageSize = 0;
    unsigned headerHeight = 0;
    unsigned headerWidth = 0;
    unsigned headerBitsPerPixel = 0;

private:
    bool loadPixels(const std::string& path, ByteReader& in, bool compressed);
    bool failed();

    TgaHeader header_;
    std::string message_;
};
