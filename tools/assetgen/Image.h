#pragma once
#include <cstdint>
#include <vector>

#include "Color.h"

// A floating-point RGBA picture, rows top first. Every generated asset is
// painted into one of these and quantised once when it is written.
class Image {
public:
    Image(int width, int height, Color fill = {0.0f, 0.0f, 0.0f, 0.0f});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Bounds-checked access; throws std::out_of_range outside the picture.
    const Color& at(int x, int y) const;
    void set(int x, int y, const Color& c);

    // Paints c over the pixel with the given coverage (0..1) using the
    // "over" operator; pixels outside the picture are ignored so shapes may
    // be clipped by the border.
    void blend(int x, int y, const Color& c, float coverage = 1.0f);

    // Paints another picture over this one with its top-left corner at (x, y),
    // its alpha scaled by opacity.
    void draw(const Image& source, int x, int y, float opacity = 1.0f);

    // Copies the columns [x, x + width) into a new picture.
    Image crop(int x, int width) const;

    // Gives fully transparent pixels the colour of the nearest visible pixel
    // in their column. Loaders that resample an image vertically then blend
    // edge pixels with matching colours instead of dark fringes.
    void bleedColumns();

    // 8-bit RGBA, rows top first, rounded to nearest.
    std::vector<std::uint8_t> toRgba8() const;

private:
    std::size_t index(int x, int y) const;

    int width_;
    int height_;
    std::vector<Color> pixels_;
};
