#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "Scenery.h"

namespace {

const std::vector<Image>& strips() {
    static const std::vector<Image> images = Scenery::landscapeStrips();
    return images;
}

const Image& cloudLayer() {
    static const Image image = Scenery::cloudLayer();
    return image;
}

float luminance(const Color& c) { return 0.30f * c.r + 0.59f * c.g + 0.11f * c.b; }

// First row from the top where the column is mostly covered: the skyline.
int skyline(const Image& image, int x) {
    for (int y = 0; y < image.height(); ++y)
        if (image.at(x, y).a >= 0.5f)
            return y;
    return image.height();
}

float colourDistance(const Color& a, const Color& b) {
    return std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b) + std::fabs(a.a - b.a);
}

// Mean colour difference between two columns, over the rows below the sky.
float columnDistance(const Image& left, int leftX, const Image& right, int rightX) {
    float sum = 0.0f;
    for (int y = 0; y < left.height(); ++y)
        sum += colourDistance(left.at(leftX, y), right.at(rightX, y));
    return sum / static_cast<float>(left.height());
}

}  // namespace

TEST(Scenery, LandscapeIsFiveScreenWideStripsThatFillTheScreenBelowATransparentSky) {
    ASSERT_EQ(strips().size(), 5u);
    for (const Image& strip : strips()) {
        ASSERT_EQ(strip.width(), Scenery::screenWidth);
        ASSERT_EQ(strip.height(), Scenery::screenHeight);
        for (int x = 0; x < strip.width(); ++x) {
            ASSERT_EQ(strip.at(x, 0).a, 0.0f) << "the sky layer must show through at the top";
            ASSERT_EQ(strip.at(x, strip.height() - 1).a, 1.0f) << "the landscape must reach the screen's bottom";
        }
    }
}

TEST(Scenery, NeighbouringStripsContinueIntoEachOther) {
    // Across each seam the picture changes no more than between two
    // neighbouring columns inside a strip.
    float inside = 0.0f;
    for (const Image& strip : strips())
        for (int x = 100; x < 1000; x += 100)
            inside = std::max(inside, columnDistance(strip, x, strip, x + 1));
    for (std::size_t i = 0; i + 1 < strips().size(); ++i) {
        const Image &left = strips()[i], &right = strips()[i + 1];
        EXPECT_LE(std::abs(skyline(left, left.width() - 1) - skyline(right, 0)), 3) << "seam " << i + 1;
        EXPECT_LE(columnDistance(left, left.width() - 1, right, 0), inside * 1.5f) << "seam " << i + 1;
    }
}

TEST(Scenery, TransparentSkyAboveTheHillsCarriesTheHillColour) {
    // The texture loader resamples these pictures vertically; black in the
    // transparent pixels would leave a dark fringe along the skyline.
    const Image& strip = strips()[2];
    for (int x = 0; x < strip.width(); x += 7) {
        const int top = skyline(strip, x);
        ASSERT_GT(top, 1);
        const Color above = strip.at(x, top - 2);
        ASSERT_EQ(above.a, 0.0f);
        EXPECT_LT(colourDistance(withAlpha(above, 1.0f), withAlpha(strip.at(x, top), 1.0f)), 0.3f) << "column " << x;
    }
}

TEST(Scenery, SkyIsAnOpaqueScreen) {
    const Image sky = Scenery::sky();
    ASSERT_EQ(sky.width(), Scenery::screenWidth);
    ASSERT_EQ(sky.height(), Scenery::screenHeight);
    for (int y = 0; y < sky.height(); y += 3)
        for (int x = 0; x < sky.width(); x += 3)
            ASSERT_EQ(sky.at(x, y).a, 1.0f);
    EXPECT_LT(sky.at(500, 0).b + sky.at(500, 0).g, sky.at(500, 400).b + sky.at(500, 400).g)
        << "the sky is deeper overhead than at the horizon";
}

TEST(Scenery, CloudLayerKeepsClearOfTheTextAndFadesAtBothEnds) {
    const Image& clouds = cloudLayer();
    ASSERT_EQ(clouds.width(), Scenery::cloudLayerWidth);
    ASSERT_EQ(clouds.height(), Scenery::screenHeight);
    float cover = 0.0f;
    for (int y = 0; y < clouds.height(); ++y)
        for (int x = 0; x < clouds.width(); ++x) {
            const float a = clouds.at(x, y).a;
            cover += a;
            // Title and help lines are printed in the top 80 rows; the
            // landscape covers everything below 400.
            if (y < 80 || y > 400 || x < 8 || x >= clouds.width() - 8) {
                ASSERT_EQ(a, 0.0f) << x << "," << y;
            }
        }
    EXPECT_GT(cover, 20000.0f) << "the layer has clouds";
}

TEST(Scenery, CloudBasesAreShadedAndFadeOutOverSeveralRowsAtARaggedHeight) {
    // A base cut along one row looks like a clipping error: below its lowest
    // nearly opaque row every cloud column thins out over several rows, the
    // base does not run level along a cloud, and it is greyer than the
    // sunlit top above it.
    const Image& clouds = cloudLayer();
    int columns = 0, abrupt = 0, previousBase = -1, level = 0, longestLevel = 0;
    float steepest = 0.0f, shading = 0.0f;
    for (int x = 0; x < clouds.width(); ++x) {
        int top = -1, base = -1;
        for (int y = 0; y < clouds.height(); ++y) {
            if (clouds.at(x, y).a < 0.8f)
                continue;
            if (top < 0)
                top = y;
            base = y;
        }
        if (base - top < 6) {
            previousBase = -1;
            continue;
        }
        ++columns;
        int clear = base;
        for (; clear + 1 < clouds.height() && clouds.at(x, clear).a > 0.02f; ++clear)
            steepest = std::max(steepest, clouds.at(x, clear).a - clouds.at(x, clear + 1).a);
        abrupt += clear - base < 4;
        shading += luminance(clouds.at(x, top)) - luminance(clouds.at(x, base));
        level = base == previousBase ? level + 1 : 1;
        longestLevel = std::max(longestLevel, level);
        previousBase = base;
    }
    ASSERT_GT(columns, 500) << "the layer has wide clouds";
    EXPECT_EQ(abrupt, 0) << "columns that go from opaque to clear in under four rows";
    EXPECT_LT(steepest, 0.35f) << "alpha falls too fast from one row to the next";
    EXPECT_LT(longestLevel, 64) << "a base runs level like a ruled line";
    EXPECT_GT(shading / static_cast<float>(columns), 0.1f) << "bases as bright as the tops";
}
