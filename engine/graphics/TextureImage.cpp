#include "graphics/TextureImage.h"

#include <utility>

TextureImage TextureImage::from(DecodedImage&& image) {
    TextureImage result;
    if (image.empty())
        return result;
    image.packRgb();
    result.width = image.width;
    result.height = image.height;
    result.components = image.channels();
    result.format = result.components == 4 ? GL_RGBA : GL_RGB;
    result.texels = std::move(image.pixels);
    return result;
}
