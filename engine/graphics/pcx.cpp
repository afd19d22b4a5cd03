#include "graphics/pcx.h"

#include <utility>

#include "bytes/ImageFile.h"
#include "bytes/PcxDecoder.h"
#include "graphics/ImageLoading.h"
#include "graphics/TextureUpload.h"

TextureImage readPcx(const char* path) {
    DecodedImage image;
    ImageFile::decodeOrReport(path, &decodePcx, image);
    return TextureImage::from(std::move(image));
}

GLuint pcxTexture(const char* path) {
    DecodedImage image;
    return ImageFile::decodeOrReport(path, &decodePcx, image)
               ? TextureUpload::createMipmapped(image, ImageLoading::anisotropyEnabled())
               : 0;
}
