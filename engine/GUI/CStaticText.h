#pragma once
#include <memory>
#include <string>

#include "Basic/CVector2.h"
#include "graphics/CFont.h"

// What one static-text draw hands to the font.
struct TextPrint {
    float x = 0.0f;
    float y = 0.0f;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    float alpha = 1.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};

// A coloured, scaled line of text printed with font 1. It has no position
// setter: it sits at (0, 0), that is at its window's top-left corner, or
// wherever drawAt puts it. The colour is kept in the font colour record's
// order: c1 red, c2 blue, c3 green, c4 alpha.
class CStaticText {
public:
    CStaticText();
    virtual ~CStaticText();

    virtual void draw();
    virtual void drawAt(float x, float y);
    // At position + (dx, dy): the form windows use.
    virtual void drawOffset(float dx, float dy);
    virtual const std::string& getText() const;
    virtual void setText(const std::string& text);
    virtual void setColor(const FontColor& colour);
    virtual void setColor(float c1, float c2, float c3, float c4);
    virtual void setFontType(FONT_TYPE type);
    virtual void setScale(float scaleX, float scaleY);
    virtual float getX() const;
    virtual float getY() const;

    // The print for a draw at (x, y): whole pixels (truncated towards zero)
    // and the colour in red, green, blue, alpha order.
    TextPrint layout(float x, float y) const;
    FONT_TYPE getFontType() const { return fontType; }

private:
    void printAt(float x, float y);

    std::shared_ptr<CVector2> position = std::make_shared<CVector2>();
    float c1 = 1.0f;
    float c2 = 1.0f;
    float c3 = 1.0f;
    float c4 = 1.0f;
    std::string text = "Static Text";
    FONT_TYPE fontType = FONT_NORMAL;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};
