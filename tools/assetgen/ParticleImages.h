#pragma once
#include "Image.h"

// Textures of the particle emitters. Both are white so the emitters' colours
// tint them, with transparent white around them so mipmapping never darkens
// their edges.
namespace ParticleImages {

// Soft round glow, 64 x 64, for the fountain's point sprites.
Image glow();

// Thin vertical rain streak, 16 x 128, fading towards its tail at the top,
// for the rain drops' tall billboards.
Image rainStreak();

}  // namespace ParticleImages
