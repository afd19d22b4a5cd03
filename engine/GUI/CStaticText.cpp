#include "GUI/CStaticText.h"

#include <cmath>

#include "graphics/CFontManager.h"
#include "runtime/EngineGlobals.h"

CStaticText::CStaticText() = default;

CStaticText::~CStaticText() = default;

void CStaticText::draw() { printAt(position->x, position->y); }

void CStaticText::drawAt(float x, float y) { printAt(x, y); }

void CStaticText::drawOffset(float dx, float dy) { printAt(position->x + dx, position->y + dy); }

void CStaticText::printAt(float x, float y) {
    if (!EngineGlobals::fontManager)
        return;
    CFont* font = EngineGlobals::fontManager->getFont(1);
    if (!font)
        return;
    const TextPrint p = layout(x, y);
    font->print(p.x, p.y, fontType, p.red, p.green, p.blue, p.alpha, p.scaleX, p.scaleY, text);
}

TextPrint CStaticText::layout(float x, float y) const {
    return {std::trunc(x), std::trunc(y), c1, c3, c2, c4, scaleX, scaleY};
}

const std::string& CStaticText::getText() const { return text; }

void CStaticText::setText(const std::string& newText) { text = newText; }

void CStaticText::setColor(const FontColor& colour) { setColor(colour.red, colour.blue, colour.green, colour.alpha); }

void CStaticText::setColor(float newC1, float newC2, float newC3, float newC4) {
    c1 = newC1;
    c2 = newC2;
    c3 = newC3;
    c4 = newC4;
}

void CStaticText::setFontType(FONT_TYPE type) { fontType = type; }

void CStaticText::setScale(float newScaleX, float newScaleY) {
    scaleX = newScaleX;
    scaleY = newScaleY;
}

float CStaticText::getX() const { return position->x; }

float CStaticText::getY() const { return position->y; }
