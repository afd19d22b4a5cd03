#pragma once
#include <string>

#include "bytes/DecodedImage.h"

namespace ImageFile {
// Streams the file at path through decoder. A file that cannot be opened
// gives the message "error: couldn't open \"<path>\"!\n".
bool decode(const std::string& path, ImageDecoder decoder, DecodedImage& image, std::string& error);
// As decode, with the message written to standard error.
bool decodeOrReport(const std::string& path, ImageDecoder decoder, DecodedImage& image);
}  // namespace ImageFile
