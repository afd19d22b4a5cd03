#pragma once
#include <cstdint>
#include <vector>

#include "Image.h"

// The engine test application's statue: a crusader knight on a stone
// plinth. He wears a great helm with a brass cross brace and eye slits, a
// white surcoat with a red cross over mail, and holds a sword point-down at
// his right side and a heater shield with a red cross on his left arm.
//
// In the engine's y-up axes he faces +z; the plinth's underside is at
// y = -5 and the helm's top about 31 units above it, so the application's
// placement (y + 10, scale 2) stands the plinth on the ground plane and the
// statue about 62 units tall.
namespace Crusader {

constexpr float baseY = -5.0f;

// The 3DS file: one object per material. The plinth and the shield's face
// are textured, their textures named "STONE.JPG" and "SHIELD.JPG" as
// exporters of the format often did; the engine loads the ".tga" of the
// same name instead.
std::vector<std::uint8_t> model();

// Tileable ashlar courses for the plinth, "STONE.tga".
Image stoneTexture();
// White field and red cross for the shield's face, "SHIELD.tga".
Image shieldTexture();

}  // namespace Crusader
