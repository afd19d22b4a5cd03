#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssetFonts.h"
#include "FontSheet.h"
#include "TgaEncoder.h"

namespace {

constexpr int cell = FontSheet::cellSize;

const Image& sheet() {
    static const Image image = FontSheet::make(assetFontDirectory());
    return image;
}

// Share of a glyph's ink in the top half of its quad, read from the font
// file as the engine reads it: the first stored row is row 0 of the texture
// (t = 0), and each glyph quad takes its top from the cell's high-t edge.
double topShare(const std::vector<std::uint8_t>& tga, int code, int set) {
    const int width = tga[12] | tga[13] << 8, height = tga[14] | tga[15] << 8;
    const int index = code - 32 + 128 * set;
    double top = 0.0, all = 0.0;
    for (int row = 0; row < cell; ++row)
        for (int column = 0; column < cell; ++column) {
            const int textureRow = height - (index / 16) * cell - 1 - row;
            const int textureColumn = (index % 16) * cell + column;
            const double alpha = tga.at(18 + static_cast<std::size_t>((textureRow * width + textureColumn) * 4 + 3));
            all += alpha;
            top += row < cell / 2 ? alpha : 0.0;
        }
    return all > 0.0 ? top / all : -1.0;
}

double inkOf(int code, int style) {
    double ink = 0.0;
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x)
            ink += sheet().at(FontSheet::cellLeft(code, style) + x, FontSheet::cellTop(code, style) + y).a;
    return ink;
}

}  // namespace

TEST(FontSheet, CellsFollowTheSixteenBySixteenLayout) {
    const struct {
        int code, style, left, top;
    } cells[] = {{32, 0, 0, 0}, {'A', 0, 16, 32}, {'A', 1, 16, 32 + 128}, {159, 1, 240, 240}};
    for (const auto& c : cells) {
        EXPECT_EQ(FontSheet::cellLeft(c.code, c.style), c.left) << c.code << " style " << c.style;
        EXPECT_EQ(FontSheet::cellTop(c.code, c.style), c.top) << c.code << " style " << c.style;
    }
    EXPECT_THROW(FontSheet::cellLeft(31, 0), std::out_of_range);
    EXPECT_THROW(FontSheet::cellTop(160, 0), std::out_of_range);
    EXPECT_THROW(FontSheet::cellTop('A', 2), std::out_of_range);
    EXPECT_EQ(FontSheet::codePoint('A'), U'A');
    EXPECT_EQ(FontSheet::codePoint(0x80), U'\u20ac');
    EXPECT_EQ(FontSheet::codePoint(0x81), 0u);
}

TEST(FontSheet, TheEngineShowsGlyphsUprightInTheirCells) {
    REQUIRE_ASSET_FONTS();
    const std::vector<std::uint8_t> tga = encodeTga(sheet());
    for (int set = 0; set < 2; ++set) {
        for (const char low : {'_', '.'})
            EXPECT_LT(topShare(tga, low, set), 0.1) << low << " in set " << set;
        for (const char high : {'^', '`'})
            EXPECT_GT(topShare(tga, high, set), 0.9) << high << " in set " << set;
        EXPECT_GT(topShare(tga, 'T', set), 0.6) << "set " << set;
    }
}

TEST(FontSheet, EveryPrintableCodeHasAGlyphInBothStylesAndTheRestAreEmpty) {
    REQUIRE_ASSET_FONTS();
    for (int code = 32; code < 160; ++code) {
        // Space, DEL and the codes Windows-1252 leaves undefined.
        const bool blank =
            code == ' ' || code == 127 || code == 0x81 || code == 0x8d || code == 0x8f || code == 0x90 || code == 0x9d;
        for (int style = 0; style < 2; ++style)
            if (blank)
                EXPECT_EQ(inkOf(code, style), 0.0) << "code " << code;
            else
                EXPECT_GT(inkOf(code, style), 4.0) << "code " << code << " style " << style;
    }
    double regular = 0.0, bold = 0.0;
    for (int code = 'A'; code <= 'z'; ++code) {
        regular += inkOf(code, 0);
        bold += inkOf(code, 1);
    }
    EXPECT_GT(bold, regular * 1.2) << "the second style is the bold one";
}

TEST(FontSheet, GlyphsAreWhiteAndStayClearOfTheirNeighbours) {
    REQUIRE_ASSET_FONTS();
    const Image& image = sheet();
    ASSERT_EQ(image.width(), 256);
    ASSERT_EQ(image.height(), 256);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Color& c = image.at(x, y);
            ASSERT_TRUE(c.r == 1.0f && c.g == 1.0f && c.b == 1.0f) << "tinting needs white at " << x << "," << y;
            // The last row and column of every cell stay empty, so a scaled
            // print never filters in the neighbouring cell.
            if (x % cell == cell - 1 || y % cell == cell - 1) {
                ASSERT_EQ(c.a, 0.0f) << "ink on a cell edge at " << x << "," << y;
            }
        }
    // The pen advances 12 pixels; ink past column 12 would run into the next character.
    for (int code = 33; code < 127; ++code)
        for (int y = 0; y < cell; ++y)
            for (int x = FontSheet::penAdvance + 1; x < cell; ++x)
                EXPECT_LT(image.at(FontSheet::cellLeft(code, 0) + x, FontSheet::cellTop(code, 0) + y).a, 0.25f)
                    << "code " << code;
}

TEST(FontSheet, MissingFontFileIsReportedByName) {
    try {
        FontSheet::make("/nonexistent-font-directory");
        FAIL() << "expected an error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("DejaVuSansMono.ttf"), std::string::npos) << error.what();
    }
}

// The second sheet keeps the layout (the same cells hold ink, the last row
// and column of every cell stay empty) but looks plainly different: its
// glyphs carry a dark rim.
TEST(FontSheet, DemoSheetKeepsTheLayoutWithADifferentLook) {
    REQUIRE_ASSET_FONTS();
    const Image demo = FontSheet::makeDemo(assetFontDirectory());
    ASSERT_EQ(demo.width(), 256);
    ASSERT_EQ(demo.height(), 256);
    int dark = 0;
    for (int code = 32; code < 160; ++code)
        for (int style = 0; style < 2; ++style) {
            double ink = 0.0;
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x) {
                    const Color& c = demo.at(FontSheet::cellLeft(code, style) + x, FontSheet::cellTop(code, style) + y);
                    if (x == cell - 1 || y == cell - 1) {
                        ASSERT_EQ(c.a, 0.0f) << "ink on a cell edge, code " << code;
                    }
                    ink += c.a;
                    dark += c.a > 0.5f && c.r < 0.2f;
                }
            EXPECT_EQ(ink > 4.0, inkOf(code, style) > 0.0) << "code " << code << " style " << style;
        }
    EXPECT_GT(dark, 5000) << "the rim";
}
