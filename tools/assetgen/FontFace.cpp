#include "FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <filesystem>
#include <stdexcept>

namespace {

int roundedPixels(FT_Pos value26Dot6) { return static_cast<int>((value26Dot6 + 32) >> 6); }

char32_t latin1(char c) { return static_cast<char32_t>(static_cast<unsigned char>(c)); }

}  // namespace

FontFace::FontFace(const std::string& directory, const std::string& fileName, int pixelHeight, int pixelWidth) {
    const std::string path = (std::filesystem::path(directory) / fileName).string();
    if (FT_Init_FreeType(&library_) != 0)
        throw std::runtime_error("FreeType could not start");
    if (FT_New_Face(library_, path.c_str(), 0, &face_) != 0) {
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot open font " + path);
    }
    if (FT_Set_Pixel_Sizes(face_, static_cast<FT_UInt>(pixelWidth), static_cast<FT_UInt>(pixelHeight)) != 0) {
        FT_Done_Face(face_);
        FT_Done_FreeType(library_);
        throw std::runtime_error("cannot scale font " + path);
    }
}

FontFace::~FontFace() {
    FT_Done_Face(face_);
    FT_Done_FreeType(library_);
}

GlyphBitmap FontFace::render(char32_t codePoint) const {
    GlyphBitmap glyph;
    const FT_UInt index = FT_Get_Char_Index(face_, codePoint);
    if (index == 0 || FT_Load_Glyph(face_, index, FT_LOAD_DEFAULT) != 0 ||
        FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) != 0)
        return glyph;
    const FT_GlyphSlot slot = face_->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.advance = roundedPixels(slot->advance.x);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY)
        return glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.coverage.reserve(static_cast<std::size_t>(glyph.width * glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        const unsigned char* row = bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch;
        glyph.coverage.insert(glyph.coverage.end(), row, row + glyph.width);
    }
    return glyph;
}

int FontFace::kerning(char32_t left, char32_t right) const {
    FT_Vector delta{};
    if (!FT_HAS_KERNING(face_) || FT_Get_Kerning(face_, FT_Get_Char_Index(face_, left), FT_Get_Char_Index(face_, right),
                                                 FT_KERNING_DEFAULT, &delta) != 0)
        return 0;
    return roundedPixels(delta.x);
}

int FontFace::layout(const std::string& text, const std::function<void(const GlyphBitmap&, int)>& place) const {
    int pen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const GlyphBitmap glyph = render(latin1(text[i]));
        place(glyph, pen);
        pen += glyph.advance;
        if (i + 1 < text.size())
            pen += kerning(latin1(text[i]), latin1(text[i + 1]));
    }
    return pen;
}

int FontFace::measure(const std::string& text) const {
    return layout(text, [](const GlyphBitmap&, int) {});
}

void FontFace::drawText(Image& target, int x, int baseline, const std::string& text, const Color& color) const {
    layout(text, [&](const GlyphBitmap& glyph, int pen) {
        for (int gy = 0; gy < glyph.height; ++gy)
            for (int gx = 0; gx < glyph.width; ++gx)
                target.blend(x + pen + glyph.left + gx, baseline - glyph.top + gy, color,
                             static_cast<float>(glyph.at(gx, gy)) / 255.0f);
    });
}
