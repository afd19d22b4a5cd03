#pragma once
#include <cstdint>
#include <vector>

#include "Image.h"

// Uncompressed 32-bit true-colour TGA (image type 2) with an 8-bit alpha
// channel. Rows are stored bottom row first, the TGA default that the
// engine's reader uploads as-is, so the top of the picture ends up at the top
// of the texture.
std::vector<std::uint8_t> encodeTga(const Image& image);
