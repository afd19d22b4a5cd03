#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "bytes/DecodedImage.h"

class ByteReader;

// Truevision TGA: uncompressed (type 2) and run-length encoded (type 10)
// true-colour images of 24 or 32 bits per pixel. Pixels keep the file's
// B, G, R (, A) order; rows come out bottom first whichever origin the image
// descriptor gives. Each failure leaves the reader's message in error, with
// name standing for the file, and an empty image.

// The header bytes as read, and what they say.
struct TgaHeader {
    std::uint8_t idLength = 0;
    std::array<std::uint8_t, 11> fileHeader{};  // file bytes 1 to 11
    std::array<std::uint8_t, 6> infoHeader{};   // file bytes 12 to 17

    // 2 (uncompressed) or 10 (run-length encoded) when fileHeader is exactly
    // that type's, else 0.
    int type() const;
    unsigned width() const { return infoHeader[1] * 256u + infoHeader[0]; }
    unsigned height() const { return infoHeader[3] * 256u + infoHeader[2]; }
    unsigned bits() const { return infoHeader[4]; }
};

namespace TgaDecoder {
// Bytes 1 to 11 of a type 2 and of a type 10 file (TgaHeader::type).
extern const std::uint8_t kUncompressedHeader[11];
extern const std::uint8_t kCompressedHeader[11];

// The first stage: the image ID length and the file header (bytes 0 to 11).
bool readStart(ByteReader& in, const std::string& name, TgaHeader& header, std::string& error);
// The message for a file of any other type; returns false.
bool rejectType(const std::string& name, std::string& error);
// The rest of a type 2 or type 10 file after readStart: the information
// header, the image ID and the pixels.
bool readPixels(ByteReader& in, const std::string& name, bool compressed, TgaHeader& header, DecodedImage& image,
                std::string& error);
}  // namespace TgaDecoder

// Decodes the file in from its start.
bool decodeTga(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error);
