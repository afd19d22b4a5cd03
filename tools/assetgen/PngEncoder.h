#pragma once
#include <cstdint>
#include <vector>

#include "Image.h"

// PNG through libpng, 8 bits per channel. A picture whose alpha is 255
// everywhere is stored as RGB, any other as RGBA. No time stamp or other
// variable chunk is written, so equal pictures give equal bytes.
std::vector<std::uint8_t> encodePng(const Image& image);
