#pragma once
#include <cstdint>

#include "Color.h"
#include "Image.h"
#include "Ridge.h"

// Trees scattered along a ridge, in clumps, with a rim of sunlight.
struct Forest {
    float minHeight, maxHeight;  // tree heights, pixels
    float spacing;               // pixels between candidate trees
    float clumping;              // share of the ridge left without trees
    float spread;                // how far below the ridge line trees stand
    float conifers;              // share of conifers
    Color body, light;
    std::uint32_t seed;
};

// Paints the forest on the ridge, nearer trees (lower on the slope) last.
void paintForest(Image& image, const Ridge& ridge, const Forest& forest);

// Grass blades along the ridge line and in tufts on the slope below it.
void paintGrass(Image& image, const Ridge& ridge, std::uint32_t seed);
