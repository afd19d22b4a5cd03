#include "bytes/ImageFile.h"

#include <cstdio>

#include "bytes/ByteReader.h"
#include "bytes/TextFormat.h"

namespace ImageFile {
bool decode(const std::string& path, ImageDecoder decoder, DecodedImage& image, std::string& error) {
    ByteReader in;
    if (in.open(path))
        return decoder(in, path, image, error);
    image.clear();
    error = TextFormat::format("error: couldn't open \"%s\"!\n", path.c_str());
    return false;
}

bool decodeOrReport(const std::string& path, ImageDecoder decoder, DecodedImage& image) {
    std::string error;
    if (decode(path, decoder, image, error))
        return true;
    std::fputs(error.c_str(), stderr);
    return false;
}
}  // namespace ImageFile
