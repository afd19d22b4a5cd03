#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "bytes/DecodedImage.h"
#include "bytes/ImageFile.h"

// The engine's decoder for an image kind: "tga", "bmp" or "pcx".
ImageDecoder decoderFor(const std::string& kind);

// Decodes bytes held in memory with the engine's reader for kind and checks
// the shape of what it made (row stride, buffer size); message gets the
// reader's text, or says what is wrong with the shape.
bool engineDecode(const std::string& kind, const std::vector<std::uint8_t>& bytes, DecodedImage& image,
                  std::string& message);

// The picture as ImageMagick's reference gives it: rows top first, R, G, B, A.
std::vector<std::uint8_t> topDownRgba(const DecodedImage& image);

// Decodes a hand-made file with the engine and with ImageMagick (saved as
// `name`, whose extension tells ImageMagick the format) and expects the same
// pixels.
void expectDecodesLikeImageMagick(const std::string& kind, const std::string& name,
                                  const std::vector<std::uint8_t>& file);

// Little helpers to write binary files by hand.
struct Bytes {
    std::vector<std::uint8_t> data;
    Bytes& u8(unsigned v);
    Bytes& u16(unsigned v);
    Bytes& u32(std::uint32_t v);
    Bytes& fill(std::size_t n, unsigned v);
    Bytes& raw(const std::vector<std::uint8_t>& v);
};
