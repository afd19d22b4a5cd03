#pragma once
#include <cstdint>

#include "Color.h"
#include "Image.h"

// A row of fair-weather clouds: flat bases at one height, puffy tops.
struct CloudRow {
    float base;    // y of the cloud bases
    float height;  // height of the tallest cloud, pixels
    float scale;   // horizontal size of a cloud, pixels
    float cover;   // share of the row covered by clouds, 0..1
    float opacity;
    float endFade;     // pixels over which clouds shrink away at both picture ends; 0 for none
    Color lit, shade;  // top lit by the sun, underside in shade
    std::uint32_t seed;
};

// Paints the row over the picture. The puffs of a row are composed first and
// laid down together, so where they overlap the opacity does not add up.
void paintCloudRow(Image& image, const CloudRow& row);
