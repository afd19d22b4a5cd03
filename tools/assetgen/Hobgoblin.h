#pragma once
#include "Image.h"
#include "Md2Encoder.h"

// The engine test application's animated character: a stocky, hunched
// hobgoblin with a big head, long pointed ears and a hooked nose, long arms,
// a leather vest, belt and breeches, bare shins and wrapped feet. It faces
// +x, stands with its soles at y = groundY and reaches about 35 units up,
// so the application's placement (y + 10, scale 1.5) stands it on the
// ground plane about 52 units tall.
//
// Animations, as the MD2 loader groups the frame names: "stand" (40
// frames: breathing, a look to either side, arms swaying), "run" (6 frames:
// legs and arms swinging, body leaning forward) and "wave" (8 frames: the
// right arm rises, waves and comes down; its last frame repeats the first,
// because the loader ends the last animation one frame early).
namespace Hobgoblin {

constexpr float groundY = -20.0f / 3.0f;
constexpr int skinSize = 256;

Md2Model model();
// The 24-bit skin "hobgoblin.bmp" the model's texture coordinates point into.
Image skin();

}  // namespace Hobgoblin
