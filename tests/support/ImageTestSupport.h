#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "bytes/DecodedImage.h"
#include "bytes/ImageFile.h"
#include "support/ByteWriter.h"

// The engine's decoder for an image kind: "tga", "bmp" or "pcx".
ImageDecoder decoderFor(const std::string& kind);

// Decodes bytes held in memory with the engine's reader for kind and checks
// the shape of what it made (row stride, buffer size); message gets the
// reader's text, or says what is wrong with the shape.
bool engineDecode(const std::string& kind, const std::vector<std::uint8_t>& bytes, DecodedImage& image,
                  std::string& message);

// Decodes bytes named "x.<kind>" with the engine's reader for kind, expects
// it to refuse them and leave the image empty; returns the reader's message.
std::string refusal(const std::string& kind, const std::vector<std::uint8_t>& bytes);

// The picture as ImageMagick's reference gives it: rows top first, R, G, B, A.
std::vector<std::uint8_t> topDownRgba(const DecodedImage& image);

// Decodes a hand-made file with the engine and with ImageMagick (saved as
// `name`, whose extension tells ImageMagick the format) and expects the same
// pixels.
void expectDecodesLikeImageMagick(const std::string& kind, const std::string& name,
                                  const std::vector<std::uint8_t>& file);

// The name the image tests use for a hand-made file.
using Bytes = ByteWriter;
