#pragma once
#include <string>

#include "Image.h"

// The engine test application's ground: a cobbled plane in the engine's
// native model format, with a tileable colour map and the matching height
// map for the parallax program. Stones are raised in the height map and
// the sandy joints between them sunk.
namespace Ground {

constexpr int textureSize = 256;

Image colorMap();
Image heightMap();
// "Data/KModel/plane_new.xml": a square at y = 0 from -300 to 300 on x and
// z, cut into 24 x 24 quads facing up, the textures repeated ten times
// across it. Its grey vertex colours keep the default light's strong
// ambient part from washing the stones out.
std::string planeModel();

}  // namespace Ground
