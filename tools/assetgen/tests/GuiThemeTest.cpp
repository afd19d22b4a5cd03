// The GUI theme images: the sizes the sample layout is built around, and the
// looks a person must be able to tell apart.
#include <gtest/gtest.h>

#include "AssetFonts.h"
#include "FontFace.h"
#include "GuiTheme.h"

namespace {

float brightness(const Color& c) { return c.r + c.g + c.b; }

float meanBrightness(const Image& image, int x0, int y0, int x1, int y1) {
    float sum = 0.0f;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            sum += brightness(image.at(x, y)) * image.at(x, y).a;
    return sum / static_cast<float>((x1 - x0) * (y1 - y0));
}

}  // namespace

// The title bar, the strip a window is dragged by, is opaque and lighter than
// the body below it; the window's corners are rounded off.
TEST(GuiTheme, WindowShowsItsTitleBar) {
    const Image window = GuiTheme::window();
    ASSERT_EQ(window.width(), GuiTheme::windowWidth);
    ASSERT_EQ(window.height(), GuiTheme::windowHeight);
    EXPECT_EQ(window.at(0, 0).a, 0.0f);
    for (int y = 2; y < GuiTheme::titleBarRows; ++y)
        EXPECT_EQ(window.at(200, y).a, 1.0f) << y;
    EXPECT_GT(meanBrightness(window, 20, 2, 700, GuiTheme::titleBarRows),
              meanBrightness(window, 20, 40, 700, 100) * 2.0f);
}

// Captions stand out from their plates, the lit frame differs from the
// resting one, and the power lamp brightens frame by frame.
TEST(GuiTheme, ButtonFramesAreTellableApart) {
    REQUIRE_ASSET_FONTS();
    const FontFace captions(assetFontDirectory(), "DejaVuSans-Bold.ttf", 22);
    const Image resting = GuiTheme::menuButton(captions, "Start", false);
    const Image lit = GuiTheme::menuButton(captions, "Start", true);
    ASSERT_EQ(resting.width(), GuiTheme::buttonWidth);
    ASSERT_EQ(resting.height(), GuiTheme::buttonHeight);
    int lightOnDark = 0, darkOnLight = 0;
    for (int y = 0; y < resting.height(); ++y)
        for (int x = 0; x < resting.width(); ++x) {
            lightOnDark += brightness(resting.at(x, y)) > 2.5f;
            darkOnLight += lit.at(x, y).a == 1.0f && brightness(lit.at(x, y)) < 0.6f;
        }
    EXPECT_GT(lightOnDark, 150) << "a white caption on the resting plate";
    EXPECT_GT(darkOnLight, 150) << "a dark caption on the lit plate";
    EXPECT_GT(meanBrightness(lit, 0, 0, 150, 60), meanBrightness(resting, 0, 0, 150, 60) * 1.5f);

    float previous = -1.0f;
    for (int frame = 0; frame < GuiTheme::powerFrames; ++frame) {
        const float lamp = meanBrightness(GuiTheme::powerButton(captions, frame), 20, 18, 44, 42);
        EXPECT_GT(lamp, previous) << "frame " << frame;
        previous = lamp;
    }
}

TEST(GuiTheme, CheckBoxShowsItsTickOnlyWhenChecked) {
    const Image off = GuiTheme::checkBox(false);
    const Image on = GuiTheme::checkBox(true);
    ASSERT_EQ(off.width(), GuiTheme::checkBoxSize);
    const int size = GuiTheme::checkBoxSize;
    EXPECT_GT(meanBrightness(on, 5, 5, size - 5, size - 5), meanBrightness(off, 5, 5, size - 5, size - 5) * 2.0f);
}
