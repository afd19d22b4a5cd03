#pragma once

class CSprite;
class CTexture;
class CVector2;
class Tooltip;

// Drawing shared by the widgets, through CTexture and CSprite only.
namespace WidgetDraw {

// An image whose file could not be read holds no texture; the GUI draws
// nothing for it instead of an untextured quad.
bool isLoaded(const CTexture& image);

// The look of buttons and check boxes: while the mouse is over the widget its
// sprite plays once, up to its last frame, and the tooltip shows; otherwise
// the sprite rests on its first frame.
void highlight(CSprite& sprite, bool over, const CVector2& at, const Tooltip& tooltip);

// Draws every frame of the sprite at width x height.
void resizeFrames(CSprite& sprite, float width, float height);

}  // namespace WidgetDraw
