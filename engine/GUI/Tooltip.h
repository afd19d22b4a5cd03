#pragma once
#include <string>

#include "Basic/CVector2.h"
#include "graphics/CFont.h"

// The tooltip of a window, button or check box: a text printed while the
// mouse is over its owner, with font 1, glyph set 0 and the font's own
// colour, at a position in absolute window pixels. The colour given with the
// text is kept for the owner but not printed.
class Tooltip {
public:
    void set(const std::string& text, const FontColor& colour, float x, float y);
    void setEnabled(bool flag);
    void setPosition(float x, float y);
    // Prints when enabled and not empty.
    void draw() const;

    const std::string& getText() const { return text; }
    bool isEnabled() const { return enabled; }
    const CVector2& getPosition() const { return position; }
    const FontColor& getColour() const { return colour; }

private:
    std::string text;
    bool enabled = false;
    CVector2 position;
    FontColor colour;
};
