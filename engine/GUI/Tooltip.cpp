#include "GUI/Tooltip.h"

#include "graphics/CFontManager.h"
#include "runtime/EngineGlobals.h"

void Tooltip::set(const std::string& newText, const FontColor& newColour, float x, float y) {
    text = newText;
    colour = newColour;
    position = CVector2(x, y);
    enabled = true;
}

void Tooltip::setEnabled(bool flag) { enabled = flag; }

void Tooltip::setPosition(float x, float y) { position = CVector2(x, y); }

void Tooltip::draw() const {
    if (!enabled || text.empty() || !EngineGlobals::fontManager)
        return;
    if (CFont* font = EngineGlobals::fontManager->getFont(1))
        font->print(position, FONT_NORMAL, text);
}
