#include "graphics/bmp.h"

#include <cstdio>
#include <utility>

#include "bytes/BmpDecoder.h"
#include "bytes/ImageFile.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextureUpload.h"

namespace {
// Byte `index` of the picture as tightly packed R, G, B rows.
int packedByte(const DecodedImage& image, std::size_t index) {
    const std::size_t pixel = index / 3, width = std::size_t(image.width);
    const std::uint8_t* src = image.row(pixel / width) + pixel % width * DecodedImage::bytesPerPixel(image.layout);
    std::uint8_t rgb[3];
    DecodedImage::convertRow(src, image.layout, image.palette, 1, rgb, 3);
    return rgb[index % 3];
}

// The console trace of a load, counted in R, G, B texel bytes.
void printTrace(const DecodedImage& image) {
    const std::size_t bytes = std::size_t(image.width) * image.height * 3;
    std::printf("Texels size: nem 8 bit: %d\n", static_cast<int>(bytes));
    if (image.fileCompression != 0)
        return;
    switch (image.fileBits) {
    case 1:
        std::puts("111111111111");
        break;
    case 4:
        std::puts("2111112");
        break;
    case 8:
        std::printf("BITCOUNT %d\n", 8);
        std::puts("8888888888888");
        if (bytes > 318)
            std::printf("Texinfo elso elott: %d\n", 0);
        std::printf("8 bites kodolas: %d\n", image.width * image.height);
        if (bytes > 318) {
            const int texel = packedByte(image, 318);
            std::printf("texel 318: %d\nTexinfo elso utan: %d\n", texel, texel);
        }
        break;
    case 24:
        std::puts("222222");
        break;
    case 32:
        std::puts("323232323232");
        break;
    }
}

// Decodes the file, reporting failures on standard error and a success
// with the trace.
bool readImage(const char* path, DecodedImage& image) {
    if (!ImageFile::decodeOrReport(path, &decodeBmp, image))
        return false;
    printTrace(image);
    return true;
}
}  // namespace

TextureImage readBmp(const char* path) {
    DecodedImage image;
    readImage(path, image);
    return TextureImage::from(std::move(image));
}

GLuint bmpTexture(const char* path) {
    DecodedImage image;
    return readImage(path, image) ? TextureUpload::createMipmapped(image, ImageLoading::anisotropyEnabled()) : 0;
}
