#pragma once
#include <string>

#include "bytes/DecodedImage.h"

class ByteReader;

// ZSoft PCX, run-length encoded: 1-bit, 4-plane 16-colour and 8-bit palette
// images (one index per pixel) and 24-bit images of three 8-bit planes
// (R, G, B). The first scan line is the top row, so it lands in the last
// image row. A failure leaves the reader's message in error, with name
// standing for the file, and an empty image.
bool decodePcx(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error);
