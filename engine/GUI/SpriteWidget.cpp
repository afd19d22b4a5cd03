#include "GUI/SpriteWidget.h"

#include "GUI/Tooltip.h"
#include "graphics/CTexture.h"
#include "input/CEventManager.h"
#include "runtime/EngineGlobals.h"
#include "scene2d/CSprite.h"

namespace SpriteWidget {

bool isLoaded(const CTexture& image) { return image.getTextureId() != 0; }

ClickDecision decide(const CSprite& sprite, float left, float top, const PointerState& pointer, bool clickable) {
    const CTexture* first = sprite.getFrame(0);
    if (!first || !isLoaded(*first))
        return {};
    return pointer.click(left, top, first->getWidth(), first->getHeight(), clickable);
}

bool report(const ClickDecision& decision, int eventId) {
    if (decision.fires && EngineGlobals::eventManager)
        EngineGlobals::eventManager->setClickedControl(eventId);
    return decision.fires;
}

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

CVector2 size(const CSprite& sprite) {
    const CTexture* first = sprite.getFrame(0);
    return first ? CVector2(first->getWidth(), first->getHeight()) : CVector2();
}

void resizeFrames(CSprite& sprite, float width, float height) {
    for (unsigned int index = 0; index < sprite.getFrameCount(); ++index) {
        if (CTexture* frame = sprite.getFrame(index)) {
            frame->setWidth(width);
            frame->setHeight(height);
        }
    }
}

}  // namespace SpriteWidget
