#pragma once
#include <string>

#include "bytes/DecodedImage.h"

class ByteReader;

// Windows and OS/2 BMP: 1, 4 and 8 bits per pixel (palette images, the
// 8- and 4-bit ones also run-length encoded), 24 bits (B, G, R) and 32 bits
// (B, G, R and an unused byte), uncompressed rows kept as the file pads them.
// fileBits and fileCompression of the image give the header's values. A
// failure leaves the reader's message in error, with name standing for the
// file, and an empty image.
bool decodeBmp(ByteReader& in, const std::string& name, DecodedImage& image, std::string& error);
