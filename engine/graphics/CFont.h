#pragma once
#include <GL/glew.h>

#include <cstdint>
#include <memory>
#include <string>

#include "Basic/CVector2.h"

class CShader;
class CTGALoader;

// Glyph set argument of the print forms: the two glyph styles of a font
// image and their bold forms (drawn twice, one pixel apart). Values above 3
// act as 3.
enum FONT_TYPE : std::uint8_t { FONT_NORMAL = 0, FONT_ALTERNATE = 1, FONT_NORMAL_BOLD = 2, FONT_ALTERNATE_BOLD = 3 };

// A font colour record in its storage order.
struct FontColor {
    float red = 1.0f;
    float blue = 1.0f;
    float green = 1.0f;
    float alpha = 1.0f;
};

// A bitmap font: one TGA image holding a 16 x 16 grid of glyph cells (the
// upper eight rows glyph set 0, the lower eight set 1, each for codes 32 to
// 159), turned into 256 display lists. Each glyph is a 16 x 16 quad and
// advances the pen by 12. Printing takes window pixels with the origin at
// the top-left corner, draws through the SIMPLE_TEXTURE program and leaves
// the OpenGL state as it found it.
class CFont {
public:
    CFont();
    virtual ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    virtual bool setScale(float scaleX, float scaleY);
    // Loads the glyph image and builds the display lists. The lists are
    // built even when the image cannot be read (the font then draws
    // untextured), but the result is false.
    virtual bool load(const std::string& path);
    virtual bool release();
    // Character codes outside 32..159 print as blanks.
    virtual bool print(float x, float y, std::uint8_t set, const std::string& text);
    virtual bool print(const CVector2& position, std::uint8_t set, const std::string& text);
    virtual bool print(float x, float y, std::uint8_t set, float red, float green, float blue, const std::string& text);
    virtual bool print(const CVector2& position, std::uint8_t set, float red, float green, float blue,
                       const std::string& text);
    virtual bool print(float x, float y, std::uint8_t set, float red, float green, float blue, float alpha,
                       float scaleX, float scaleY, const std::string& text);
    virtual void setColor(const FontColor& colour);
    virtual void setColor(float red, float green, float blue, float alpha);

    GLuint getListBase() const { return listBase; }
    GLuint getTextureId() const;

private:
    void buildLists();
    void drawPass(float x, float y, GLuint base, float red, float green, float blue, float alpha, float scaleX,
                  float scaleY, const std::string& codes);

    GLuint listBase = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    FontColor colour;
    std::unique_ptr<CTGALoader> image;
    CShader* shader = nullptr;
};
