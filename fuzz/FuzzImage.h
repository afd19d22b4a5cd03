#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "bytes/ByteReader.h"
#include "bytes/DecodedImage.h"

// Decodes arbitrary bytes with one of the image decoders and checks what
// comes out: a refusal has a message and no picture; a picture has the
// promised shape and survives every conversion the engine applies to one.
inline void fuzzImage(ImageDecoder decoder, const char* name, const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    DecodedImage image;
    std::string error;
    if (!decoder(in, name, image, error)) {
        if (error.empty() || !image.empty())
            std::abort();
        return;
    }
    const std::size_t rowBytes = image.rowBytes();
    if ((image.rowStride != rowBytes && image.rowStride != (rowBytes + 3) / 4 * 4) ||
        image.pixels.size() != image.rowStride * std::size_t(image.height))
        std::abort();
    std::vector<std::uint8_t> row(std::size_t(image.width) * 4);
    for (std::size_t y = 0; y < std::size_t(image.height); ++y)
        image.copyRow(y, row.data(), 4);
    image.packRgb();
    if (image.pixels.size() != std::size_t(image.width) * image.height * image.channels())
        std::abort();
}
