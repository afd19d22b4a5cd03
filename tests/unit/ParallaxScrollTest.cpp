#include <gtest/gtest.h>

#include <cstdint>

#include "core/CUtils.h"
#include "core/EngineClock.h"
#include "core/EngineGlobals.h"
#include "graphics/CTexture.h"
#include "scene2d/CParallaxScroll.h"

namespace {
// No such file exists: each image is an empty texture given a width by hand.
const char* const kMissing = "Data/no-such-dir/strip.png";

float xOf(const CParallaxScroll& scroller, int layer, std::size_t index) {
    const CTexture* image = scroller.getImage(layer, index);
    return image ? image->getPosX() : -1.0e9f;
}

// Adds count images of the given width to the layer.
void addStrips(CParallaxScroll& scroller, int layer, int count, float width) {
    for (int i = 0; i < count; ++i) {
        switch (layer) {
            case 1: scroller.addLayer1(kMissing); break;
            case 2: scroller.addLayer2(kMissing); break;
            default: scroller.addLayer3(kMissing); break;
        }
        scroller.getImage(layer, scroller.getImageCount(layer) - 1)->setWidth(width);
    }
}

// Puts a utilities object in its slot whose frame time is ms milliseconds.
class ParallaxScrollTimed : public ::testing::Test {
protected:
    void SetUp() override { EngineGlobals::utils = &utils; }
    void TearDown() override {
        EngineGlobals::utils = nullptr;
        EngineClock::setSource({});
        CUtils::resetFrameClock();
    }
    void setFrameTime(std::uint32_t ms) {
        CUtils::resetFrameClock();
        EngineClock::setSource([] { return 500u; });
        utils.updateFps();
        EngineClock::setSource([ms] { return 500u + ms; });
        utils.updateFps();
    }

    CUtils utils;
};
}  // namespace

// Images sit edge to edge; layer-1 images overlap by 0.1 pixel per seam,
// and a missing image takes its place with width 0.
TEST(ParallaxScroll, Placement) {
    CParallaxScroll scroller;
    addStrips(scroller, 1, 3, 1024.0f);
    addStrips(scroller, 2, 3, 1024.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 0), 0.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 1), 1023.9f);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 2), 2047.8f);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 1), 1024.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 2), 2048.0f);
    EXPECT_FLOAT_EQ(scroller.getImage(2, 2)->getPosY(), 0.0f);

    scroller.addLayer3(kMissing);
    scroller.addLayer3(kMissing);
    EXPECT_EQ(scroller.getImageCount(3), 2u);
    EXPECT_FLOAT_EQ(xOf(scroller, 3, 1), 0.0f);
    EXPECT_EQ(scroller.getImage(4, 0), nullptr);
}

// Scrolling moves only the named layer, by its speed times the frame time.
TEST_F(ParallaxScrollTimed, ScrollsOneLayerByFrameTime) {
    CParallaxScroll scroller;
    EXPECT_FLOAT_EQ(scroller.getSpeed1(), 5.0f);
    EXPECT_FLOAT_EQ(scroller.getSpeed2(), 8.0f);
    EXPECT_FLOAT_EQ(scroller.getSpeed3(), 4.0f);
    addStrips(scroller, 1, 1, 100.0f);
    addStrips(scroller, 2, 2, 100.0f);
    addStrips(scroller, 3, 1, 100.0f);
    scroller.setSpeed2(195.0f);
    setFrameTime(10);

    scroller.scrollRight(2);
    EXPECT_NEAR(xOf(scroller, 2, 0), -1.95f, 1e-4);
    EXPECT_NEAR(xOf(scroller, 2, 1), 98.05f, 1e-4);
    EXPECT_FLOAT_EQ(xOf(scroller, 1, 0), 0.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 3, 0), 0.0f);

    scroller.scrollLeft(3);  // speed3 defaults to 4
    EXPECT_NEAR(xOf(scroller, 3, 0), 0.04f, 1e-5);

    scroller.scrollRight(4);
    scroller.scrollLeft(0);
    EXPECT_NEAR(xOf(scroller, 2, 0), -1.95f, 1e-4);
    EXPECT_NEAR(xOf(scroller, 3, 0), 0.04f, 1e-5);

    // A stopped frame clock (or none at all) moves nothing.
    setFrameTime(0);
    scroller.scrollRight(2);
    EngineGlobals::utils = nullptr;
    scroller.scrollRight(2);
    EXPECT_NEAR(xOf(scroller, 2, 0), -1.95f, 1e-4);
}

// skip moves a layer by whole widths of its second image; a layer of one
// image and unknown layers stay put.
TEST(ParallaxScroll, Skip) {
    CParallaxScroll scroller;
    addStrips(scroller, 2, 1, 512.0f);
    addStrips(scroller, 2, 2, 1024.0f);
    addStrips(scroller, 3, 1, 1024.0f);
    scroller.skip(2, 2);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 0), -2048.0f);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 2), 1536.0f - 2048.0f);
    scroller.skip(-1, 2);
    EXPECT_FLOAT_EQ(xOf(scroller, 2, 0), -1024.0f);

    scroller.skip(2, 3);
    scroller.skip(2, 5);
    EXPECT_FLOAT_EQ(xOf(scroller, 3, 0), 0.0f);
}
