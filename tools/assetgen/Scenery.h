#pragma once
#include <vector>

#include "Image.h"

// The parallax demo's landscape, in daylight. The demo draws, back to front:
// the sky (never scrolled), five landscape strips placed edge to edge (the
// third one on screen at the start) and a drifting cloud layer that scrolls
// at half the landscape's speed. Every picture is placed at the top of the
// 1024 x 768 screen, so all are 768 pixels high.
namespace Scenery {

constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;
constexpr int stripCount = 5;
// While the landscape scrolls from one end to the other, the cloud layer,
// at half its speed, moves about one screen width: two screens cover it.
constexpr int cloudLayerWidth = 2048;

Image sky();

// One 5120-pixel-wide landscape cut into five 1024-pixel strips, so each
// strip continues seamlessly into the next. The sky above the hills is
// transparent.
std::vector<Image> landscapeStrips();

// Rows of clouds with clear sky between them, kept above the mountains and
// below the demo's text. The layer scrolls slower than the landscape, so it
// shows clouds (far away) rather than near bushes; its clouds shrink away
// towards both ends so running off the layer shows no cut edge.
Image cloudLayer();

}  // namespace Scenery
