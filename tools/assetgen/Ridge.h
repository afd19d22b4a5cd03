#pragma once
#include <cstdint>

#include "Color.h"
#include "Image.h"

// One band of hills or mountains: its ridge line and its colouring.
struct Ridge {
    float base;       // lowest point of the ridge line (y)
    float amplitude;  // how far the ridge line rises above the base
    float scale;      // horizontal feature size, pixels
    bool peaked;      // sharp mountain peaks instead of rolling hills
    Color lit;        // slopes facing the sun (up to the left)
    Color shadow;     // slopes facing away
    Color foot;       // colour far below the ridge line
    float depth;      // pixels from the ridge colours to the foot colour
    float haze;       // share of the haze colour (distance)
    float snowLine;   // peaks above this y carry snow; 0 for none
    float faceDepth;  // how far below the ridge line lit and shaded faces reach
    float facet;      // slope over which a face turns from shaded to lit; small is crisp
    std::uint32_t seed;
};

// Height (y) of the ridge line at x; fewer octaves give a smoother line.
float ridgeLine(const Ridge& ridge, float x, int octaves = 7);

// A colour seen through the ridge's distance haze.
Color hazed(const Ridge& ridge, const Color& c);

// Fills everything below the ridge line, anti-aliased along the line.
void paintRidge(Image& image, const Ridge& ridge);
