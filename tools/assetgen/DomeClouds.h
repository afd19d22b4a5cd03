#pragma once
#include "Image.h"

// "Data/SkyDome/clouds2.png": blue sky with soft fair-weather clouds for
// the engine's sky dome. The dome takes u = atan2(x, z) / 2 pi + 1/2 and
// v = asin(y) / pi + 1/2 from each unit direction (x, y, z) of its
// z-up half sphere, so the picture is a longitude-latitude map about the
// dome's y axis: the zenith is the middle of the picture, the horizon the
// border of its middle half, and u = 0 and u = 1 meet behind the dome.
// Every texel is painted from its direction (the half below the horizon
// mirrors the half above), so the picture wraps around without a seam and
// looks right either way up.
namespace DomeClouds {

constexpr int width = 1024;
constexpr int height = 512;

Image texture();

}  // namespace DomeClouds
