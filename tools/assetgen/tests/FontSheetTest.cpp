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

// The font file, read as the engine reads it: the first stored row is row 0
// of the texture (t = 0), and each glyph quad takes its top from the cell's
// high-t edge. Returns the alpha a glyph quad shows at (column, row), row 0
// being the top of the quad on screen.
class EngineView {
public:
    EngineView() : tga_(encodeTga(sheet())), width_(tga_[12] | tga_[13] << 8), height_(tga_[14] | tga_[15] << 8) {}

    int quadAlpha(int code, int set, int column, int row) const {
        const int index = code - 32 + 128 * set;
        const int textureRow = height_ - (index / 16) * cell - 1 - row;
        const int textureColumn = (index % 16) * cell + column;
        return tga_.at(18 + static_cast<std::size_t>((textureRow * width_ + textureColumn) * 4 + 3));
    }

    // Share of the glyph's ink in the top half of its quad.
    double topShare(int code, int set) const {
        double top = 0.0;
        double all = 0.0;
        for (int row = 0; row < cell; ++row)
            for (int column = 0; column < cell; ++column) {
                all += quadAlpha(code, set, column, row);
                top += row < cell / 2 ? quadAlpha(code, set, column, row) : 0;
            }
        return all > 0.0 ? top / all : -1.0;
    }

private:
    std::vector<std::uint8_t> tga_;
    int width_;
    int height_;
};

double inkOf(int code, int style) {
    double ink = 0.0;
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x)
            ink += sheet().at(FontSheet::cellLeft(code, style) + x, FontSheet::cellTop(code, style) + y).a;
    return ink;
}

bool isUndefinedWindows1252(int code) {
    return code == 0x81 || code == 0x8d || code == 0x8f || code == 0x90 || code == 0x9d;
}

}  // namespace

TEST(FontSheet, CellsFollowTheSixteenBySixteenLayout) {
    EXPECT_EQ(FontSheet::cellLeft(32, 0), 0);
    EXPECT_EQ(FontSheet::cellTop(32, 0), 0);
    EXPECT_EQ(FontSheet::cellLeft('A', 0), 16);
    EXPECT_EQ(FontSheet::cellTop('A', 0), 32);
    EXPECT_EQ(FontSheet::cellTop('A', 1), 32 + 128);
    EXPECT_EQ(FontSheet::cellLeft(159, 1), 240);
    EXPECT_EQ(FontSheet::cellTop(159, 1), 240);
    EXPECT_THROW(FontSheet::cellLeft(31, 0), std::out_of_range);
    EXPECT_THROW(FontSheet::cellTop(160, 0), std::out_of_range);
    EXPECT_THROW(FontSheet::cellTop('A', 2), std::out_of_range);
    EXPECT_EQ(FontSheet::codePoint('A'), U'A');
    EXPECT_EQ(FontSheet::codePoint(0x80), U'\u20ac');
    EXPECT_EQ(FontSheet::codePoint(0x81), 0u);
}

TEST(FontSheet, TheEngineShowsGlyphsUprightInTheirCells) {
    REQUIRE_ASSET_FONTS();
    const EngineView view;
    for (int set = 0; set < 2; ++set) {
        EXPECT_LT(view.topShare('_', set), 0.1) << "underscore must sit at the bottom, set " << set;
        EXPECT_LT(view.topShare('.', set), 0.1) << "set " << set;
        EXPECT_GT(view.topShare('^', set), 0.9) << "set " << set;
        EXPECT_GT(view.topShare('`', set), 0.9) << "set " << set;
        EXPECT_GT(view.topShare('T', set), 0.6) << "set " << set;
    }
}

TEST(FontSheet, EveryPrintableCodeHasAGlyphInBothStylesAndTheRestAreEmpty) {
    REQUIRE_ASSET_FONTS();
    for (int code = 32; code < 160; ++code) {
        const bool blank = code == ' ' || code == 127 || isUndefinedWindows1252(code);
        for (int style = 0; style < 2; ++style) {
            if (blank) {
                EXPECT_EQ(inkOf(code, style), 0.0) << "code " << code;
            } else {
                EXPECT_GT(inkOf(code, style), 4.0) << "code " << code << " style " << style;
            }
        }
    }
    double regular = 0.0;
    double bold = 0.0;
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
