#pragma once
#include <cstdint>
#include <vector>

#include "Image.h"

// Uncompressed 24-bit Windows BMP (40-byte information header), rows
// bottom row first and padded to four bytes, as every BMP reader expects.
// Alpha is dropped.
std::vector<std::uint8_t> encodeBmp(const Image& image);
