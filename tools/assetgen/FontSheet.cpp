#include "FontSheet.h"

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

// Glyph ink stays inside the cell and off its last row and column, so the
// linear filter of a scaled print never pulls in a neighbouring glyph. Tall
// glyphs (accented capitals) are nudged down rather than losing the accent.
void placeGlyph(Image& sheet, const GlyphBitmap& glyph, int left, int top) {
    const int lastX = left + cellSize - 2;
    const int lastY = top + cellSize - 2;
    int x0 = left + (penAdvance - glyph.advance) / 2 + glyph.left;
    int y0 = top + baselineRow - glyph.top;
    x0 += fitShift(x0, x0 + glyph.width - 1, left, lastX);
    y0 += fitShift(y0, y0 + glyph.height - 1, top, lastY);
    for (int gy = 0; gy < glyph.height; ++gy) {
        for (int gx = 0; gx < glyph.width; ++gx) {
            const int x = x0 + gx;
            const int y = y0 + gy;
            if (x < left || x > lastX || y < top || y > lastY)
                continue;
            sheet.set(x, y, {1.0f, 1.0f, 1.0f, static_cast<float>(glyph.at(gx, gy)) / 255.0f});
        }
    }
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
    const FontFace regular(fontDirectory, "DejaVuSansMono.ttf", 15, 19);
    const FontFace bold(fontDirectory, "DejaVuSansMono-Bold.ttf", 15, 19);
    // Transparent white, so filtering at glyph edges never darkens the tint.
    Image sheet(cellSize * cellsPerRow, cellSize * cellsPerRow, {1.0f, 1.0f, 1.0f, 0.0f});
    const FontFace* styles[2] = {&regular, &bold};
    for (int style = 0; style < 2; ++style) {
        for (int code = firstCode; code < firstCode + codesPerStyle; ++code) {
            const char32_t point = codePoint(code);
            if (point != 0)
                placeGlyph(sheet, styles[style]->render(point), cellLeft(code, style), cellTop(code, style));
        }
    }
    return sheet;
}

}  // namespace FontSheet
