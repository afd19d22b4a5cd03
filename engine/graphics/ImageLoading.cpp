#include "graphics/ImageLoading.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <vector>

#include "graphics/CGraphicsCore.h"
#include "graphics/SurfacePixels.h"
#include "graphics/TextureUpload.h"
#include "graphics/bmp.h"
#include "graphics/pcx.h"
#include "runtime/EngineGlobals.h"

namespace ImageLoading {
namespace {
TextureUpload::Options mipmapped(GLint wrap) {
    TextureUpload::Options options;
    options.minFilter = GL_LINEAR_MIPMAP_NEAREST;
    options.magFilter = GL_LINEAR;
    options.wrap = wrap;
    options.mipmaps = true;
    options.anisotropy = anisotropyEnabled();
    return options;
}
}  // namespace

bool anisotropyEnabled() {
    return EngineGlobals::graphicsCore && EngineGlobals::graphicsCore->isAnisotropicFilteringEnabled();
}

GLuint loadTexture(const std::string& path) {
    if (path.find(".bmp") != std::string::npos)
        return bmpTexture(path.c_str());
    if (path.find(".pcx") != std::string::npos)
        return pcxTexture(path.c_str());
    SDL_Surface* surface = IMG_Load(path.c_str());
    std::printf("IMG Load utan...\n");
    if (!surface) {
        std::printf("Failed to load the image: %s\n", path.c_str());
        return 0;
    }
    // Rows in the surface's order (top first), any pixel format and pitch.
    const bool withAlpha = SurfacePixels::hasAlpha(surface);
    std::vector<std::uint8_t> pixels;
    const bool converted = SurfacePixels::extract(surface, withAlpha, pixels);
    const int width = surface->w;
    const int height = surface->h;
    SDL_FreeSurface(surface);
    if (!converted)
        return 0;
    return TextureUpload::create(pixels.data(), width, height, withAlpha ? GL_RGBA : GL_RGB, mipmapped(GL_REPEAT));
}

ImageData loadImageData(const std::string& path) {
    ImageData image;
    SDL_Surface* surface = SDL_LoadBMP(path.c_str());
    if (!surface) {
        std::printf("Failed loading %s \n", path.c_str());
        return image;
    }
    // The surface's row pitch may include padding; the extraction honours it.
    if (SurfacePixels::extractBottomUp(surface, image.data)) {
        image.width = surface->w;
        image.height = surface->h;
    }
    SDL_FreeSurface(surface);
    return image;
}

GLuint loadBmpTexture(const std::string& path) {
    std::printf("Loading Texture: %s\n", path.c_str());
    const ImageData image = loadImageData(path);
    if (image.data.empty())
        return 0;
    const GLuint name = TextureUpload::create(image.data.data(), image.width, image.height, GL_RGB, mipmapped(0));
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return name;
}
}  // namespace ImageLoading
