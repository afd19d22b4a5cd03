#pragma once
#include <string>

#include "Image.h"

// The engine logo shown in the corner of the demo: "K3D" over "Kavor Engine"
// on a dark rounded plate, so it reads over any part of the landscape.
// 256 x 128 pixels, a size the texture loader keeps without resampling.
namespace Logo {

constexpr int width = 256;
constexpr int height = 128;

// The lettering is DejaVu Sans Bold from fontDirectory.
Image make(const std::string& fontDirectory);

}  // namespace Logo
