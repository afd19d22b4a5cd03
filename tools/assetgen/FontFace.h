#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Color.h"
#include "Image.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

// Anti-aliased coverage of one glyph, rows top first.
struct GlyphBitmap {
    int width = 0;
    int height = 0;
    int left = 0;     // pen position to the first column, pixels
    int top = 0;      // baseline to the first row, pixels upwards
    int advance = 0;  // pen movement, pixels
    std::vector<std::uint8_t> coverage;

    std::uint8_t at(int x, int y) const { return coverage[static_cast<std::size_t>(y * width + x)]; }
};

// One scalable font file opened through FreeType at a fixed pixel size.
class FontFace {
public:
    // Opens directory/fileName. A pixel width of 0 scales both directions by
    // pixelHeight; another width stretches the glyphs horizontally. Throws
    // std::runtime_error when the file cannot be opened or scaled.
    FontFace(const std::string& directory, const std::string& fileName, int pixelHeight, int pixelWidth = 0);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Renders a Unicode code point; a code point the font lacks gives an
    // empty bitmap instead of the font's placeholder box.
    GlyphBitmap render(char32_t codePoint) const;

    // Advance of a Latin-1 text in pixels, with kerning.
    int measure(const std::string& text) const;

    // Paints a Latin-1 text with its baseline starting at (x, baseline).
    void drawText(Image& target, int x, int baseline, const std::string& text, const Color& color) const;

private:
    // Walks the text, handing each glyph and its pen position to place;
    // returns the final pen position.
    int layout(const std::string& text, const std::function<void(const GlyphBitmap&, int)>& place) const;
    int kerning(char32_t left, char32_t right) const;

    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};
