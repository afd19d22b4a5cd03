#include "graphics/SurfacePixels.h"

#include <SDL.h>

#include <cstring>
#include <memory>

namespace SurfacePixels {
namespace {
using SurfacePtr = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;

// An empty surface whose format stores R, G, B (, A) bytes in memory order.
SurfacePtr byteOrderedSurface(bool withAlpha) {
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
    const Uint32 r = withAlpha ? 0xFF000000 : 0xFF0000, g = withAlpha ? 0x00FF0000 : 0x00FF00,
                 b = withAlpha ? 0x0000FF00 : 0x0000FF, a = withAlpha ? 0x000000FF : 0;
#else
    const Uint32 r = 0x000000FF, g = 0x0000FF00, b = 0x00FF0000, a = withAlpha ? 0xFF000000 : 0;
#endif
    return SurfacePtr(SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, withAlpha ? 32 : 24, r, g, b, a), &SDL_FreeSurface);
}

// The byte, counted in memory order, that a channel's shift selects.
int byteOf(Uint8 shift, int bytes) { return SDL_BYTEORDER == SDL_LIL_ENDIAN ? shift / 8 : bytes - 1 - shift / 8; }
}  // namespace

bool hasAlpha(const SDL_Surface* surface) { return surface && surface->format->Amask != 0; }

bool extract(SDL_Surface* surface, bool withAlpha, std::vector<std::uint8_t>& out) {
    out.clear();
    SurfacePtr model = byteOrderedSurface(withAlpha);
    if (!surface || !model)
        return false;
    // SDL_ConvertSurface copies alpha instead of blending it.
    SurfacePtr converted(SDL_ConvertSurface(surface, model->format, SDL_SWSURFACE), &SDL_FreeSurface);
    if (!converted || SDL_LockSurface(converted.get()) != 0)
        return false;
    const std::size_t rowBytes = std::size_t(converted->w) * (withAlpha ? 4 : 3);
    out.resize(rowBytes * converted->h);
    const auto* src = static_cast<const std::uint8_t*>(converted->pixels);
    for (int y = 0; y < converted->h; ++y)
        std::memcpy(out.data() + y * rowBytes, src + std::size_t(y) * converted->pitch, rowBytes);
    SDL_UnlockSurface(converted.get());
    return true;
}

bool layoutOf(const SDL_Surface* surface, PixelLayout& layout, PixelConvert::Palette32& palette) {
    const SDL_PixelFormat* f = surface->format;
    if (f->BytesPerPixel == 1 && f->palette) {
        for (int i = 0; i < f->palette->ncolors && i < 256; ++i)
            palette.set(unsigned(i), f->palette->colors[i].r, f->palette->colors[i].g, f->palette->colors[i].b);
        layout = PixelLayout::Indexed;
        return true;
    }
    const int bytes = f->BytesPerPixel;
    if ((bytes != 3 && bytes != 4) || f->Rloss || f->Gloss || f->Bloss || byteOf(f->Gshift, bytes) != 1)
        return false;
    const int r = byteOf(f->Rshift, bytes), b = byteOf(f->Bshift, bytes);
    const bool bgr = r == 2 && b == 0;
    if (!bgr && (r != 0 || b != 2))
        return false;
    if (bytes == 3)
        layout = bgr ? PixelLayout::Bgr : PixelLayout::Rgb;
    else if (f->Amask && !f->Aloss && byteOf(f->Ashift, bytes) == 3)
        layout = bgr ? PixelLayout::Bgra : PixelLayout::Rgba;
    else if (!f->Amask && bgr)
        layout = PixelLayout::Bgrx;
    else
        return false;
    return true;
}

bool extractBottomUp(SDL_Surface* surface, std::vector<std::uint8_t>& out) {
    out.clear();
    PixelLayout layout = PixelLayout::Rgb;
    PixelConvert::Palette32 palette;
    SurfacePtr converted(nullptr, &SDL_FreeSurface);
    if (!surface)
        return false;
    if (!layoutOf(surface, layout, palette)) {
        SurfacePtr model = byteOrderedSurface(false);
        converted.reset(model ? SDL_ConvertSurface(surface, model->format, SDL_SWSURFACE) : nullptr);
        surface = converted.get();
        layout = PixelLayout::Rgb;
    }
    if (!surface || SDL_LockSurface(surface) != 0)
        return false;
    const std::size_t width = std::size_t(surface->w), height = std::size_t(surface->h);
    out.resize(width * height * 3);
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    for (std::size_t y = 0; y < height; ++y)
        DecodedImage::convertRow(pixels + (height - 1 - y) * std::size_t(surface->pitch), layout, palette, width,
                                 out.data() + y * width * 3, 3);
    SDL_UnlockSurface(surface);
    return true;
}

}  // namespace SurfacePixels
