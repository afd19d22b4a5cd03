#include "GUI/WidgetDraw.h"

#include "GUI/Tooltip.h"
#include "graphics/CTexture.h"
#include "scene2d/CSprite.h"

namespace WidgetDraw {

bool isLoaded(const CTexture& image) { return image.getTextureId() != 0; }

void highlight(CSprite& sprite, bool over, const CVector2& at, const Tooltip& tooltip) {
    if (over) {
        sprite.drawOnce(at);
        tooltip.draw();
        return;
    }
    sprite.reset();
    if (sprite.getFrame(0))
        sprite.drawFrame(0, at);
}

void resizeFrames(CSprite& sprite, float width, float height) {
    for (unsigned int index = 0; index < sprite.getFrameCount(); ++index) {
        if (CTexture* frame = sprite.getFrame(index)) {
            frame->setWidth(width);
            frame->setHeight(height);
        }
    }
}

}  // namespace WidgetDraw
