#pragma once
#include <string>

#include "Color.h"
#include "FontFace.h"
#include "Image.h"
#include "Raster.h"

// Text painted over a picture with a rim that keeps it readable on any
// background: the rim is the glyphs' coverage stamped at every offset within
// its radius (around its own shift), then the fill goes on top.
namespace Lettering {

struct Rim {
    Color color;
    int radiusSquared = 0;  // offsets (dx, dy) with dx^2 + dy^2 <= this
    int shiftX = 0;         // a shifted rim is a drop shadow
    int shiftY = 0;
};

// Paints a Latin-1 text with its baseline starting at (x, baseline); the
// fill shader colours each pixel.
void paint(Image& target, const FontFace& face, const std::string& text, int x, int baseline,
           const Raster::Shader& fill, const Rim& rim);

// The x that centres the text in a span of the given width starting at left.
int centred(const FontFace& face, const std::string& text, int left, int width);

}  // namespace Lettering
