#include "graphics/SurfacePixels.h"

#include <SDL.h>

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

bool extractRows(SDL_Surface* surface, bool withAlpha, RowOrder order, std::vector<std::uint8_t>& out) {
    out.clear();
    if (!surface)
        return false;
    PixelLayout layout = PixelLayout::Rgb;
    PixelConvert::Palette32 palette;
    // Converting to alpha, SDL copies an alpha channel but turns colour-keyed
    // pixels transparent black and gives other surfaces their surface-wide
    // alpha; only the first is read directly.
    const bool known = layoutOf(surface, layout, palette);
    const bool ownAlpha =
        (layout == PixelLayout::Rgba || layout == PixelLayout::Bgra) && !(surface->flags & SDL_SRCCOLORKEY);
    const bool direct = known && (!withAlpha || ownAlpha);
    SurfacePtr converted(nullptr, &SDL_FreeSurface);
    if (!direct) {
        SurfacePtr model = byteOrderedSurface(withAlpha);
        // SDL_ConvertSurface copies alpha instead of blending it.
        converted.reset(model ? SDL_ConvertSurface(surface, model->format, SDL_SWSURFACE) : nullptr);
        surface = converted.get();
        layout = withAlpha ? PixelLayout::Rgba : PixelLayout::Rgb;
    }
    if (!surface || SDL_LockSurface(surface) != 0)
        return false;
    const int channels = withAlpha ? 4 : 3;
    const std::size_t width = std::size_t(surface->w), height = std::size_t(surface->h);
    const std::size_t rowBytes = width * std::size_t(channels);
    out.resize(rowBytes * height);
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t srcRow = order == RowOrder::BottomUp ? height - 1 - y : y;
        DecodedImage::convertRow(pixels + srcRow * std::size_t(surface->pitch), layout, palette, width,
                                 out.data() + y * rowBytes, channels);
    }
    SDL_UnlockSurface(surface);
    return true;
}

bool extract(SDL_Surface* surface, bool withAlpha, std::vector<std::uint8_t>& out) {
    return extractRows(surface, withAlpha, RowOrder::Surface, out);
}

bool extractBottomUp(SDL_Surface* surface, std::vector<std::uint8_t>& out) {
    return extractRows(surface, false, RowOrder::BottomUp, out);
}

}  // namespace SurfacePixels
