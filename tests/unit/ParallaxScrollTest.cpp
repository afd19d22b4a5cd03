#include <gtest/gtest.h>

#include <cstdint>

#include "graphics/CTexture.h"
#include "scene2d/CParallaxScroll.h"
#include "support/ManualClock.h"

namespace {
float xOf(const CParallaxScroll& scroller, int layer, std::size_t index) {
    return scroller.getImage(layer, index)->getPosX();
}

// Appends count (missing, hence empty) images given the width by hand.
void addStrips(CParallaxScroll& scroller, int layer, int count, float width) {
    for (int i = 0; i < count; ++i) {
        const char* missing = "Data/no-such-dir/strip.png";
        if (layer == 1)
            scroller.addLayer1(missing);
        if (layer == 2)
            scroller.addLayer2(missing);
        if (layer == 3)
            scroller.addLayer3(missing);
        scroller.getImage(layer, scroller.getImageCount(layer) - 1)->setWidth(width);
    }
}
}  // namespace

// Images sit edge to edge, layer-1 images overlapping by 0.1 pixel per
// seam; skip moves a layer by whole widths of its second image.
TEST(ParallaxScroll, PlacementAndSkip) {
    CParallaxScroll scroller;
    addStrips(scroller, 1, 3, 1024.0f);
    addStrips(scroller, 2, 1, 512.0f);
    addStrips(scroller, 2, 2, 1024.0f);
    addStrips(scroller, 3, 1, 1024.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 1), 1023.9f);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 2), 2047.8f);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 2), 1536.0f);

    scroller.skip(2, 2);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 0), -2048.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 2), -512.0f);
    scroller.skip(2, 3);  // one image: stays
    scroller.skip(2, 5);
    EXPECT_FLOAT_EQ(xOf(scroller, 3, 0), 0.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 0), 0.0f);
}

// Scrolling moves only the named layer by its speed times the frame time
// (10 ms here); a stopped clock moves nothing.
TEST(ParallaxScroll, ScrollsByFrameTime) {
    ManualClock clock(500);
    clock.setFrameTime(10);
    CParallaxScroll scroller;
    addStrips(scroller, 1, 1, 100.0f);
    addStrips(scroller, 2, 2, 100.0f);
    addStrips(scroller, 3, 1, 100.0f);
    scroller.setSpeed2(195.0f);

    scroller.scrollRight(2);
    scroller.scrollLeft(3);  // default speed 4
    scroller.scrollRight(4);
    EXPECT_NEAR(xOf(scroller, 2, 1), 98.05f, 1e-4);
    EXPECT_NEAR(xOf(scroller, 3, 0), 0.04f, 1e-5);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 0), 0.0f);

    clock.setFrameTime(0);
    scroller.scrollRight(2);
    EXPECT_NEAR(xOf(scroller, 2, 1), 98.05f, 1e-4);
}
