#pragma once
#include "Basic/CVector2.h"
#include "GUI/PointerState.h"

class CSprite;
class CTexture;
class Tooltip;

// What buttons and check boxes share: a sprite is their look and its first
// frame their area. Drawing goes through CTexture and CSprite only.
namespace SpriteWidget {

// An image whose file could not be read holds no texture; the GUI draws
// nothing for it instead of an untextured quad.
bool isLoaded(const CTexture& image);

// The input step over the sprite's first frame with its top-left corner at
// (left, top); a widget whose first frame is missing has no area to hit.
ClickDecision decide(const CSprite& sprite, float left, float top, const PointerState& pointer, bool clickable);

// Hands the event number to the event manager when the decision fires;
// returns whether it fired.
bool report(const ClickDecision& decision, int eventId);

// The look: while the mouse is over the widget its sprite plays once, up to
// its last frame, and the tooltip shows; otherwise the sprite rests on its
// first frame.
void highlight(CSprite& sprite, bool over, const CVector2& at, const Tooltip& tooltip);

// The size of the sprite's first frame; zero while it has no frames.
CVector2 size(const CSprite& sprite);

// Draws every frame of the sprite at width x height.
void resizeFrames(CSprite& sprite, float width, float height);

}  // namespace SpriteWidget
