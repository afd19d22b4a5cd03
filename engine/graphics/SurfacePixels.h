#pragma once
#include <cstdint>
#include <vector>

struct SDL_Surface;

// Pixels of an SDL surface of any format (palette, 16, 24 or 32 bits, any
// byte order, any row pitch) as tightly packed R, G, B (, A) bytes, rows in
// the surface's order (top row first).
namespace SurfacePixels {
// True when the surface's pixel format carries an alpha channel.
bool hasAlpha(const SDL_Surface* surface);

// Converts the surface; withAlpha selects four bytes per pixel instead of
// three. False (and out empty) when SDL cannot convert it.
bool extract(SDL_Surface* surface, bool withAlpha, std::vector<std::uint8_t>& out);
}  // namespace SurfacePixels
