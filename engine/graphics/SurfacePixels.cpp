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

}  // namespace SurfacePixels
