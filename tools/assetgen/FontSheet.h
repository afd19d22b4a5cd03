#pragma once
#include <string>

#include "Image.h"

// The engine's bitmap font image: a 16 x 16 grid of 16-pixel cells, rows
// counted from the top. Cells 0-127 hold character codes 32-159 in the first
// style, cells 128-255 the same codes in the second style. Glyphs are white
// with anti-aliased alpha so the print colour tints them.
namespace FontSheet {

constexpr int cellSize = 16;
constexpr int cellsPerRow = 16;
constexpr int firstCode = 32;
constexpr int codesPerStyle = 128;
constexpr int penAdvance = 12;   // the engine moves the pen 12 pixels per character
constexpr int baselineRow = 11;  // first cell row below the baseline

// Unicode code point printed for a character code (Windows-1252 for 128-159);
// 0 for the codes that encoding leaves undefined.
char32_t codePoint(int code);

// Top-left pixel of the cell for a code (32-159) in style 0 or 1.
int cellLeft(int code, int style);
int cellTop(int code, int style);

// Rasterises the sheet from the DejaVu Sans Mono faces in fontDirectory:
// regular for the first style, bold for the second.
Image make(const std::string& fontDirectory);

// A second sheet in the same layout that looks plainly different: DejaVu
// Serif (regular, then bold) with a one-pixel dark rim around every glyph,
// so it reads on light and dark backgrounds alike.
Image makeDemo(const std::string& fontDirectory);

}  // namespace FontSheet
