#include "FontSheet.h"

#include <algorithm>
#include <stdexcept>

#include "FontFace.h"

namespace FontSheet {
namespace {

// Windows-1252 code points for 0x80-0x9f; 0 where the encoding has none.
const char32_t windows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

int cellIndex(int code, int style) {
    if (code < firstCode || code >= firstCode + codesPerStyle || style < 0 || style > 1)
        throw std::out_of_range("no font cell for this code");
    return code - firstCode + style * codesPerStyle;
}

// Offset that moves the span [first, last] inside [low, high] where it fits;
// a span too long for the range keeps its position and is clipped.
int fitShift(int first, int last, int low, int high) {
    if (first < low && last + (low - first) <= high)
        return low - first;
    if (last > high && first - (last - high) >= low)
        return high - last;
    return 0;
}

// How one sheet is drawn: the font files of its two glyph sets at one pixel
// size, and whether it is a proportional face fitted to the pitch (wide
// glyphs narrowed until they fit) with a dark rim around every glyph.
struct SheetStyle {
    const char* files[2];
    int pixelHeight;
    int pixelWidth;
    bool fittedWithRim;
};

// The glyph of a code point; a fitted style narrows it until its advance
// fits the pitch.
GlyphBitmap renderGlyph(const std::string& fontDirectory, const SheetStyle& style, const FontFace& face, int set,
                        char32_t point) {
    GlyphBitmap glyph = face.render(point);
    if (!style.fittedWithRim)
        return glyph;
    for (int width = style.pixelWidth - 1; glyph.advance > penAdvance && width > style.pixelWidth / 2; --width)
        glyph = FontFace(fontDirectory, style.files[set], style.pixelHeight, width).render(point);
    return glyph;
}

// Glyph ink stays inside the cell and off its last row and column, so the
// linear filter of a scaled print never pulls in a neighbouring glyph. Tall
// glyphs (accented capitals) are nudged down rather than losing the accent.
// A margin keeps room for a rim around the glyph.
void placeGlyph(Image& sheet, const GlyphBitmap& glyph, int left, int top, int margin) {
    const int lastX = left + cellSize - 2 - margin;
    const int lastY = top + cellSize - 2 - margin;
    int x0 = left + (penAdvance - glyph.advance) / 2 + glyph.left;
    int y0 = top + baselineRow - glyph.top;
    x0 += fitShift(x0, x0 + glyph.width - 1, left + margin, lastX);
    y0 += fitShift(y0, y0 + glyph.height - 1, top + margin, lastY);
    for (int gy = 0; gy < glyph.height; ++gy) {
        for (int gx = 0; gx < glyph.width; ++gx) {
            const int x = x0 + gx;
            const int y = y0 + gy;
            if (x < left + margin || x > lastX || y < top + margin || y > lastY)
                continue;
            sheet.set(x, y, {1.0f, 1.0f, 1.0f, static_cast<float>(glyph.at(gx, gy)) / 255.0f});
        }
    }
}

// Puts a one-pixel dark rim around the white glyph of one cell: each pixel
// gets the strongest ink of its eight neighbours as a black layer under its
// own white.
void rimCell(Image& sheet, int left, int top) {
    Image ink(cellSize, cellSize);
    for (int y = 0; y < cellSize; ++y)
        for (int x = 0; x < cellSize; ++x)
            ink.set(x, y, sheet.at(left + x, top + y));
    for (int y = 0; y < cellSize - 1; ++y) {
        for (int x = 0; x < cellSize - 1; ++x) {
            float rim = 0.0f;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (ink.contains(x + dx, y + dy))
                        rim = std::max(rim, ink.at(x + dx, y + dy).a);
            const float own = ink.at(x, y).a;
            const float alpha = own + rim * (1.0f - own);
            const float white = alpha > 0.0f ? own / alpha : 1.0f;
            sheet.set(left + x, top + y, {white, white, white, alpha});
        }
    }
}

Image build(const std::string& fontDirectory, const SheetStyle& style) {
    const FontFace faces[2] = {{fontDirectory, style.files[0], style.pixelHeight, style.pixelWidth},
                               {fontDirectory, style.files[1], style.pixelHeight, style.pixelWidth}};
    // Transparent white, so filtering at glyph edges never darkens the tint.
    Image sheet(cellSize * cellsPerRow, cellSize * cellsPerRow, {1.0f, 1.0f, 1.0f, 0.0f});
    for (int set = 0; set < 2; ++set) {
        for (int code = firstCode; code < firstCode + codesPerStyle; ++code) {
            const char32_t point = codePoint(code);
            if (point == 0)
                continue;
            const int left = cellLeft(code, set);
            const int top = cellTop(code, set);
            const GlyphBitmap glyph = renderGlyph(fontDirectory, style, faces[set], set, point);
            placeGlyph(sheet, glyph, left, top, style.fittedWithRim ? 1 : 0);
            if (style.fittedWithRim)
                rimCell(sheet, left, top);
        }
    }
    return sheet;
}

}  // namespace

char32_t codePoint(int code) {
    if (code >= 0x80 && code <= 0x9f)
        return windows1252High[code - 0x80];
    return static_cast<char32_t>(code);
}

int cellLeft(int code, int style) { return cellIndex(code, style) % cellsPerRow * cellSize; }

int cellTop(int code, int style) { return cellIndex(code, style) / cellsPerRow * cellSize; }

Image make(const std::string& fontDirectory) {
    // A monospaced face widened to the 12-pixel pitch fills the cells evenly.
    return build(fontDirectory, {{"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf"}, 15, 19, false});
}

Image makeDemo(const std::string& fontDirectory) {
    // Thirteen rows of ascender and descender leave room for the rim.
    return build(fontDirectory, {{"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf"}, 13, 15, true});
}

}  // namespace FontSheet
