#pragma once
#include <cstdint>
#include <vector>

#include "bytes/DecodedImage.h"

struct SDL_Surface;

// Pixels of an SDL surface of any format (palette, 16, 24 or 32 bits, any
// byte order, any row pitch) as tightly packed R, G, B (, A) bytes, rows in
// the surface's order (top row first).
namespace SurfacePixels {
// True when the surface's pixel format carries an alpha channel.
bool hasAlpha(const SDL_Surface* surface);

// Which row comes first in the extracted pixels.
enum class RowOrder { Surface, BottomUp };

// Converts the surface, rows in order, in one pass where it has a layout of
// the decoded images; withAlpha selects four bytes per pixel instead of
// three. False (and out empty) when SDL cannot convert it.
bool extractRows(SDL_Surface* surface, bool withAlpha, RowOrder order, std::vector<std::uint8_t>& out);

// extractRows in the surface's order.
bool extract(SDL_Surface* surface, bool withAlpha, std::vector<std::uint8_t>& out);

// How the surface's pixels sit in memory, in the terms of the decoded
// images (a palette surface also fills palette); false for what those have
// no layout for (15 and 16 bits, R, G, B and an unused byte, ...).
bool layoutOf(const SDL_Surface* surface, PixelLayout& layout, PixelConvert::Palette32& palette);

// extractRows as R, G, B, bottom row first (OpenGL's order).
bool extractBottomUp(SDL_Surface* surface, std::vector<std::uint8_t>& out);
}  // namespace SurfacePixels
