#pragma once
#include <cstdint>

#include "Color.h"
#include "Image.h"

// A row of fair-weather clouds: puffy tops over bases at about one height.
// The bases are slightly ragged, shaded grey and fade out into the sky over
// several rows instead of ending in a cut.
struct CloudRow {
    float base;    // y about which the cloud bases fade out
    float height;  // height of the tallest cloud, pixels
    float scale;   // horizontal size of a cloud, pixels
    float cover;   // share of the row covered by clouds, 0..1
    float opacity;
    float endFade;     // pixels over which clouds shrink away at both picture ends; 0 for none
    Color lit, shade;  // top lit by the sun, underside in shade
    std::uint32_t seed;
};

// Paints the row over the picture. The whole row is composed first and laid
// down together, so where its clouds overlap the opacity does not add up.
void paintCloudRow(Image& image, const CloudRow& row);
